#include "shell/mdiMain.h"

#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/MsgBox.h"
#include "shell/Dependents.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/MainToolbar.h"
#include "shell/PriceRequest.h"
#include "shell/ProjectFile.h"
#include "shell/Report.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/frmAbout.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/frmLogin.h"
#include "shell/frmSelection.h"
#include "shell/frmXMLwaitdialog.h"
#include "sizing/MessageSink.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <exception>

namespace {

mdiMain* g_instance = nullptr;

// Forms that Close, Exit and the window's unload take down first, in this
// order: the accessory dialog, each kind's options dialog and setup form, the
// gearhead dialog.
const QStringList& childUnloadOrder()
{
    static const QStringList names = [] {
        QStringList order {frmAccessories::Name};
        for (const SetupKinds::Kind& kind : SetupKinds::all()) {
            if (!kind.optionsDialog.isEmpty())
                order << kind.optionsDialog;
            order << kind.form;
        }
        return order << frmGear::Name;
    }();
    return names;
}

void unloadForms(const QStringList& names)
{
    for (const QString& name : names)
        Forms::unload(name);
}

void hideForm(const QString& name)
{
    if (Form* form = Forms::find(name))
        form->Hide();
}

void showForm(const QString& name)
{
    if (Form* form = Forms::get(name))
        form->Show();
}

// Save writes what the user sees: an open accessory dialog stores what it
// shows first, as when another window closes it, and stays open.
void storeOpenAccessories()
{
    if (auto* accessories = Forms::find<frmAccessories>())
        accessories->Store_Shown();
}

// Restores the normal mouse pointer however the request ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (m_set)
            QApplication::restoreOverrideCursor();
        m_set = false;
    }

private:
    bool m_set = true;
};

} // namespace

mdiMain::mdiMain(QWidget* parent)
    : QMainWindow(parent)
{
    g_instance = this;
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(Globals::Product_Title);
    setWindowIcon(QIcon(QStringLiteral(":/shell/images/quenro.png")));

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("MDIClient"));
    // A window smaller than a form scrolls to the rest of it.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    // Names every file the program writes.
    Globals::Set_Status_Bar(statusBar());
    m_area->viewport()->installEventFilter(this);
    connect(m_area, &QMdiArea::subWindowActivated, this, &mdiMain::onSubWindowActivated);
    m_tile = QPixmap(QStringLiteral(":/shell/images/background.png"));

    createMenus();
    createToolbar();
    resize(firstSize(screen()->availableGeometry().size()));

    Globals::Set_SOCX(&SOCX);
    // The sizing control's message boxes are the program's own error notices.
    Pulvane_V4::SetMessageSink([](const std::string& prompt, const std::string& title) {
        MsgBox::show(QString::fromStdString(prompt), MsgBox::OKOnly, QString::fromStdString(title),
                     MsgBox::Critical);
    });
    Forms::setMdiArea(m_area);
    MDIForm_Load();
}

mdiMain::~mdiMain()
{
    // The area outlives this body (QWidget deletes it later) and still emits
    // while its sub-windows go; no slot of a half-destroyed window may run.
    disconnect(m_area, nullptr, this, nullptr);
    // Terminate: the child forms go before the area that frames them.
    if (!m_ending)
        MDIForm_Unload();
    Forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (Globals::SOCX() == &SOCX)
        Globals::Set_SOCX(nullptr);
    if (g_instance == this) {
        Pulvane_V4::SetMessageSink({});
        g_instance = nullptr;
    }
}

mdiMain* mdiMain::instance()
{
    return g_instance;
}

QSize mdiMain::firstSize(const QSize& available, const QMargins& frame)
{
    // A scale factor can leave less room than the window was drawn for: the
    // forms scroll in a smaller one.
    return QSize(1024, 768).boundedTo(available.shrunkBy(frame));
}

void mdiMain::fitFrame()
{
    // The frame is known only once the window manager has put it around the
    // window; the window was sized before that, without it.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    if (m_framed || frame == inner)
        return;
    m_framed = true;
    const QRect available = screen()->availableGeometry();
    if (available.contains(frame) || isMaximized() || isFullScreen())
        return;
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QSize size = firstSize(available.size(), margins);
    resize(size);
    const QSize outer = size.grownBy(margins);
    move(std::clamp(frame.x(), available.left(), available.right() + 1 - outer.width()),
         std::clamp(frame.y(), available.top(), available.bottom() + 1 - outer.height()));
}

QAction* mdiMain::Toolbar_Button(int index) const
{
    if (index < 1 || index > 8)
        return nullptr;
    return m_buttons[static_cast<size_t>(index - 1)];
}

void mdiMain::createMenus()
{
    // Each menu item runs its handler the way an event would: a failure is shown.
    auto item = [this](QMenu* menu, const char* name, const QString& caption, void (mdiMain::*handler)(),
                       const QKeySequence& shortcut = QKeySequence()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, handler] { HandlerCall::fromEventLoop([this, handler] { (this->*handler)(); }); });
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QMenu* newMenu = file->addMenu(QStringLiteral("New"));
    newMenu->setObjectName(QStringLiteral("mnuNewMenu"));
    m_mnuNew = newMenu->menuAction();
    m_mnuNew->setObjectName(QStringLiteral("mnuNew"));
    const auto caption = [](int kind) { return SetupKinds::find(kind)->caption; };
    m_mnuController_Only = item(newMenu, "mnuController_Only", caption(SetupKinds::Controller),
                                &mdiMain::mnuController_Only_Click);
    m_mnuDrive_Controller = item(newMenu, "mnuDrive_Controller", caption(SetupKinds::DriveController),
                                 &mdiMain::mnuDrive_Controller_Click);
    m_mnuDrive = item(newMenu, "mnuDrive", caption(SetupKinds::Drive), &mdiMain::mnuDrive_Click);
    m_mnuOpen = item(file, "mnuOpen", QStringLiteral("Open"), &mdiMain::mnuOpen_Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuSave = item(file, "mnuSave", QStringLiteral("Save"), &mdiMain::mnuSave_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuSave_As = item(file, "mnuSave_As", QStringLiteral("Save As"), &mdiMain::mnuSave_As_Click);
    m_mnuReset_All = item(file, "mnuReset_All", QStringLiteral("Reset All"), &mdiMain::mnuReset_All_Click);
    m_mnuClose = item(file, "mnuClose", QStringLiteral("Close"), &mdiMain::mnuClose_Click);
    m_mnuExport_Data = item(file, "mnuExport_Data", QStringLiteral("Export Data"), &mdiMain::mnuExport_Data_Click,
                            QKeySequence(Qt::CTRL | Qt::Key_E));
    m_mnuExit = item(file, "mnuExit", QStringLiteral("Exit"), &mdiMain::mnuExit_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m_mnuAbout = item(help, "mnuAbout", QStringLiteral("About"), &mdiMain::mnuAbout_Click);
    m_mnuLogin = item(help, "mnuLogin", QStringLiteral("LogIn"), &mdiMain::mnuLogin_Click);
}

void mdiMain::createToolbar()
{
    m_toolbar = new MainToolbar(QStringLiteral("Toolbar1"), this);
    addToolBar(m_toolbar);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));

    struct Button {
        const char* caption;
        const char* image;
    };
    static const Button buttons[8] = {
        {"New", "new"},          {"Open", "open"},          {"Save", "save"},  {nullptr, nullptr},
        {"Export", "export"},    {"Reset Axis", "resetaxis"}, {"Reset All Axes", "resetall"}, {"TEMP", "temp"},
    };
    for (int i = 0; i < 8; ++i) {
        const int index = i + 1;
        QAction* action = nullptr;
        if (!buttons[i].caption) {
            action = m_toolbar->addSeparator();
        } else {
            action = m_toolbar->addAction(
                QIcon(QStringLiteral(":/shell/images/%1.png").arg(QString::fromLatin1(buttons[i].image))),
                QString::fromLatin1(buttons[i].caption));
            connect(action, &QAction::triggered, this,
                    [this, index] { HandlerCall::fromEventLoop([this, index] { Toolbar1_ButtonClick(index); }); });
        }
        action->setObjectName(QStringLiteral("Toolbar1.Buttons(%1)").arg(index));
        m_buttons[static_cast<size_t>(i)] = action;
    }
}

void mdiMain::MDIForm_Load()
{
    Globals::Current_Form = frmSelection::Name;
    Toolbar_Button(1)->setEnabled(true);
    Toolbar_Button(2)->setEnabled(true);
    for (int index : {3, 5, 6, 7})
        Toolbar_Button(index)->setEnabled(false);
    Toolbar_Button(8)->setVisible(false);
    enableProjectItems(false);
    MDIForm_Resize();
}

void mdiMain::MDIForm_Resize()
{
    // The picture is drawn stretched over the inner area; an empty area draws nothing.
    const QSize inner = m_area->viewport()->size();
    if (inner.width() <= 0 || inner.height() <= 0 || m_tile.isNull())
        return;
    if (m_hidden.size() == inner)
        return;
    // The picture is shipped at the size of the inner area of a window of the start size.
    m_hidden = m_tile.size() == inner ? m_tile : m_tile.scaled(inner, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_area->setBackground(QBrush(m_hidden));
}

void mdiMain::MDIForm_Activate()
{
    // Showing forms below may let activation events run again: one pass at a time.
    if (m_activating)
        return;
    FlagGuard busy(m_activating, true);
    m_activatedOnce = true;

    MDIForm_Resize();
    QCoreApplication::processEvents();
    if (Forms::loadedCount() + 1 == 1)
        showForm(frmSelection::Name);

    const QString& current = Globals::Current_Form;
    static const QStringList reshown = [] {
        QStringList names {frmSelection::Name, frmGear::Name};
        for (const SetupKinds::Kind& kind : SetupKinds::all())
            names << kind.form << kind.optionsDialog;
        names.removeAll(QString());
        return names;
    }();
    // An options dialog that opened the accessory dialog comes back under it.
    const int context = Globals::System_Type;
    if (reshown.contains(current)) {
        showForm(current);
    } else if (current == frmAccessories::Name && SetupKinds::reshowsAccessories(context)) {
        if (const SetupKinds::Kind* kind = SetupKinds::find(context); kind && !kind->optionsDialog.isEmpty())
            showForm(kind->optionsDialog);
        showForm(current);
    }
}

void mdiMain::MDIForm_Unload()
{
    unloadForms(childUnloadOrder());
    unloadForms({frmSelection::Name, frmAbout::Name});
}

void mdiMain::openSetupForm(int kind)
{
    // A new project starts from nothing.
    Dependents::drop(Stage::Project);
    hideForm(frmSelection::Name);
    const QString name = SetupKinds::formName(kind);
    showForm(name);
    Globals::Current_Form = name;
    m_mnuNew->setEnabled(false);
    showSetupState(kind);
    Globals::System_Type = kind;
}

void mdiMain::showSetupState(int kind)
{
    Toolbar_Button(1)->setEnabled(false);
    for (int index : {2, 3, 5, 7})
        Toolbar_Button(index)->setEnabled(true);
    Toolbar_Button(6)->setEnabled(kind == SetupKinds::Controller);
    enableProjectItems(true);
    // A file named there belongs to what was on the screen before.
    statusBar()->clearMessage();
}

void mdiMain::showStartState()
{
    setWindowTitle(Globals::Product_Title);
    m_mnuNew->setEnabled(true);
    Toolbar_Button(1)->setEnabled(true);
    Toolbar_Button(2)->setEnabled(true);
    for (int index : {3, 5, 6, 7})
        Toolbar_Button(index)->setEnabled(false);
    enableProjectItems(false);
}

void mdiMain::enableProjectItems(bool on)
{
    // As their toolbar buttons: without a project they would write an empty
    // report or do nothing without a word.
    for (QAction* item : {m_mnuSave, m_mnuSave_As, m_mnuReset_All, m_mnuExport_Data})
        item->setEnabled(on);
}

Form* mdiMain::activeChildForm() const
{
    // The current window, also while the program is not the active application.
    QMdiSubWindow* window = m_area->currentSubWindow();
    if (!window || window->isHidden())
        return nullptr;
    return qobject_cast<Form*>(window->widget());
}

SetupForm* mdiMain::activeSetupForm() const
{
    return dynamic_cast<SetupForm*>(activeChildForm());
}

void mdiMain::mnuController_Only_Click()
{
    openSetupForm(SetupKinds::Controller);
}

void mdiMain::mnuDrive_Controller_Click()
{
    openSetupForm(SetupKinds::DriveController);
}

void mdiMain::mnuDrive_Click()
{
    openSetupForm(SetupKinds::Drive);
}

void mdiMain::mnuOpen_Click()
{
    ProjectFile::open(*this);
}

void mdiMain::mnuSave_Click()
{
    storeOpenAccessories();
    ProjectFile::save(*this);
}

void mdiMain::mnuSave_As_Click()
{
    storeOpenAccessories();
    ProjectFile::saveAs(*this);
}

void mdiMain::mnuReset_All_Click()
{
    // Only a setup form can be reset; with none active nothing happens.
    if (Forms::loadedCount() + 1 <= 1)
        return;
    if (SetupForm* form = activeSetupForm())
        form->Reset();
}

void mdiMain::mnuClose_Click()
{
    // Every window of the project goes with it, the curve window too, and the
    // line naming a file it wrote.
    statusBar()->clearMessage();
    Dependents::drop(Stage::Project);
    unloadForms(childUnloadOrder());
    Forms::unload<frmAbout>();
    showForm(frmSelection::Name);
}

void mdiMain::mnuExport_Data_Click()
{
    Globals::Export_Data(this);
}

void mdiMain::mnuExit_Click()
{
    endProgram();
}

void mdiMain::endProgram()
{
    // Exit always ends the program, whatever a form's unload says.
    m_ending = true;
    unloadForms(childUnloadOrder());
    unloadForms({frmAbout::Name, frmSelection::Name});
    Forms::unloadAll();
    close();
    QCoreApplication::quit();
}

void mdiMain::mnuAbout_Click()
{
    showForm(frmAbout::Name);
    hideForm(frmSelection::Name);
    Globals::Current_Form = frmAbout::Name;
}

void mdiMain::mnuLogin_Click()
{
    showForm(frmLogin::Name);
}

void mdiMain::Toolbar1_ButtonClick(int index)
{
    switch (index) {
    case 1:
        showForm(frmSelection::Name);
        break;
    case 2:
        mnuOpen_Click();
        break;
    case 3:
        mnuSave_Click();
        break;
    case 5:
        mnuExport_Data_Click();
        break;
    case 6:
        if (SetupForm* form = Forms::get<SetupForm>(SetupKinds::ControllerForm))
            form->Reset_Axis();
        break;
    case 7:
        mnuReset_All_Click();
        break;
    case 8:
        createXMLfor_Extranet();
        break;
    default:
        break;
    }
}

void mdiMain::createXMLfor_Extranet()
{
    // The wait dialog keeps the event loop running: a second press must not start another run.
    if (m_requesting)
        return;
    FlagGuard busy(m_requesting, true);
    // A run that writes no table leaves no line naming an earlier one.
    statusBar()->clearMessage();

    const QString waitName = frmXMLwaitdialog::Name;
    try {
        showForm(waitName);
        if (Form* wait = Forms::find(waitName))
            wait->repaint();
        WaitCursor cursor;
        const bool answered = Globals::Request_Price_Availability();
        cursor.restore();
        if (!answered) {
            hideForm(waitName);
            return;
        }
        // Lines left empty and answer lines left out are named.
        if (const QString shortfall = Globals::Price_Shortfall(); !shortfall.isEmpty())
            MsgBox::show(shortfall, MsgBox::OKOnly, Globals::Product_Title, MsgBox::Exclamation);

        const std::optional<QString> path = Globals::Ask_Text_File(this);
        if (!path)
            return;
        Globals::Write_And_Open(QStringLiteral("Price table"), *path, Globals::Price_Table_Text);
    } catch (const std::exception& e) {
        hideForm(waitName);
        MsgBox::show(QString::fromUtf8(e.what()), MsgBox::OKOnly, Globals::Product_Title, MsgBox::Exclamation);
    }
}

void mdiMain::onSubWindowActivated(QMdiSubWindow* window)
{
    if (!window)
        return;
    if (Form* form = qobject_cast<Form*>(window->widget()))
        HandlerCall::fromEventLoop([form] { form->Form_Activate(); });
}

bool mdiMain::event(QEvent* event)
{
    // A menu item or button without a tip would wipe the line naming the file
    // last written; that line stays until the next message.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
        return true;
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        fitFrame();
    if (event->type() == QEvent::WindowActivate && !m_ending)
        HandlerCall::fromEventLoop([this] { MDIForm_Activate(); });
    return handled;
}

bool mdiMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize)
        MDIForm_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void mdiMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Where the window system never activates the window, the first showing stands in for it.
    if (!m_activatedOnce) {
        QTimer::singleShot(0, this, [this] {
            if (!m_activatedOnce && !m_ending)
                HandlerCall::fromEventLoop([this] { MDIForm_Activate(); });
        });
    }
}

void mdiMain::closeEvent(QCloseEvent* event)
{
    if (!m_ending) {
        m_ending = true;
        MDIForm_Unload();
        Forms::unloadAll();
    }
    event->accept();
    QMainWindow::closeEvent(event);
}
