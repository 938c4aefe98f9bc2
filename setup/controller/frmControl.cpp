#include "setup/controller/frmControl.h"

#include "platform/FlagGuard.h"
#include "platform/HandlerCall.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "platform/OptionButton.h"
#include "platform/Pictures.h"
#include "setup/controller/ControllerAccessoryDialog.h"
#include "setup/controller/ControllerOptions.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/AccessoryList.h"
#include "setup/common/FormControls.h"
#include "setup/common/TextBox.h"
#include "shell/AccessoryStore.h"
#include "shell/DialogSupport.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <exception>

using namespace Globals;

namespace {

const QString kAccessories = frmAccessories::Name;
const QString kNotAvailable = QStringLiteral("N/A");

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

frmController_Setup* setupForm()
{
    return Forms::find<frmController_Setup>(SetupKinds::formName(SetupKinds::Controller));
}

void clearControllerAccessories()
{
    Controller_Accessories.clear();
}

} // namespace

frmControl::frmControl()
    : Form(SetupKinds::find(SetupKinds::Controller)->optionsDialog, OwnedDialog)
{
    setCaption(QStringLiteral("Controller Selection"));
    createControls();
}

void frmControl::createControls()
{
    for (int index = 0; index < Levels; ++index) {
        const int top = 360 + index * 720;
        m_lbl1[static_cast<std::size_t>(index)] =
            FormControls::make<QLabel>(this, indexed("lbl1", index), 240, top - 240, 3255, 255);
        ListControl* list = FormControls::make<ListControl>(this, indexed("cmb1", index), 240, top, 3255, 315);
        list->setClickHandler([this, index] { cmb1_Click(index); });
        m_cmb1[static_cast<std::size_t>(index)] = list;
    }

    m_picController = FormControls::make<QLabel>(this, QStringLiteral("picController"), 3840, 360, 2160, 1860);
    m_picController->setScaledContents(true);
    m_picController->setFrameShape(QFrame::Box);

    m_lblAccessories = FormControls::label(this, QStringLiteral("lblAccessories"),
                                           QStringLiteral("Selected Controller Accessories"), 3840, 2400, 3135);
    m_txtAccessories = FormControls::make<TextBox>(this, QStringLiteral("txtAccessories"), 3840, 2640, 3135, 1815);
    m_cmdAccessories = FormControls::make<QPushButton>(this, QStringLiteral("cmdAccessories"), 3840, 4560, 1455, 375);
    m_cmdAccessories->setText(QStringLiteral("Accessories"));

    m_lblResults = FormControls::label(this, QStringLiteral("lblResults"), QStringLiteral("Controller Part Number"),
                                       240, 4560, 3255);
    m_txtResults = FormControls::make<TextBox>(this, QStringLiteral("txtResults"), 240, 4800, 3255, 495);

    m_lblWarning = FormControls::make<QLabel>(this, QStringLiteral("lblWarning"), 240, 5520, 6735, 615);
    m_lblWarning->setText(QStringLiteral("Warning, this software does not check if the user has selected the correct "
                                         "number of stepper and servo axis for the selected drives.  This is up to "
                                         "the user."));
    m_lblWarning->setWordWrap(true);
    m_lblWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_cmdDone = FormControls::make<QPushButton>(this, QStringLiteral("cmdDone"), 5400, 6360, 1575, 495);
    m_cmdDone->setText(QStringLiteral("Done"));

    connect(m_cmdAccessories, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdAccessories_Click(); }); });
    connect(m_cmdDone, &QPushButton::clicked, this,
            [this] { HandlerCall::fromEventLoop([this] { cmdDone_Click(); }); });
}

ListControl* frmControl::cmb1(int index) const
{
    return index >= 0 && index < Levels ? m_cmb1[static_cast<std::size_t>(index)] : nullptr;
}

QLabel* frmControl::lbl1(int index) const
{
    return index >= 0 && index < Levels ? m_lbl1[static_cast<std::size_t>(index)] : nullptr;
}

QStringList frmControl::chosenAbove(int index) const
{
    QStringList values;
    for (int above = 0; above < index; ++above)
        values << cmb1(above)->text();
    return values;
}

void frmControl::fillLevel(int index)
{
    const QStringList values = ControllerOptions::levelValues(Controller_Name, index + 1, chosenAbove(index));
    ListControl* list = cmb1(index);
    list->clear();
    list->addItems(values);
    // "N/A" beside other values is a value like them: the level shows them all.
    m_passedThrough[static_cast<std::size_t>(index)] = values == QStringList {kNotAvailable};
}

void frmControl::showResult(bool shown)
{
    for (QWidget* w : std::initializer_list<QWidget*> {m_txtResults, m_lblResults, m_lblAccessories,
                                                        m_txtAccessories, m_cmdAccessories})
        w->setVisible(shown);
}

void frmControl::Form_Load()
{
    setSizeTwips(7275, 8010);
    moveTwips(500, 500);
    {
        FlagGuard loading(Loading_Lists, true);
        Pictures::showIn(m_picController, Controller_Name);
        m_txtResults->setText(QString());
        m_txtAccessories->setText(QString());
        showResult(false);
        // The accessory dialog is not touched: opened without a choice, its
        // closing would store an empty one over the controller's.
        m_passedThrough.fill(false);
        fillLevel(0);
        const QStringList captions = ControllerOptions::captions(Controller_Name);
        for (int index = 0; index < Levels; ++index) {
            lbl1(index)->setText(captions.at(index));
            cmb1(index)->setHidden(index > 0);
            lbl1(index)->setHidden(index > 0);
        }
    }
    restoreOptions();
    Update_Accessories_Display();

    // A level of one value chooses itself; one already chosen stays as it is.
    for (ListControl* list : m_cmb1)
        if (list->listCount() == 1)
            list->setListIndex(0);
    DialogSupport::setToolbarEnabled(false);
}

void frmControl::restoreOptions()
{
    FlagGuard restoring(Restoring_Options, true);
    FlagGuard running(Loading_Lists, false);
    bool told = false;
    for (int index = 0; index < Levels; ++index) {
        const QString saved = Controller_Options[static_cast<std::size_t>(index + 1)];
        ListControl* list = cmb1(index);
        // Empty, or already chosen by a level above that had only this value.
        if (saved.isEmpty() || list->text() == saved)
            continue;
        bool restored = false;
        try {
            restored = list->setText(saved);
        } catch (const std::exception&) {
            restored = false;
        }
        // Once per opening: the levels below a lost one cannot be restored either.
        if (!restored && !told) {
            told = true;
            MsgBox::show(QStringLiteral("Previously selected controller option no longer available or restructured."),
                         MsgBox::OKOnly, Product_Title);
        }
    }
}

void frmControl::cmb1_Click(int Index)
{
    if (Loading_Lists || Index < 0 || Index >= Levels)
        return;
    constexpr int last = Levels - 1;
    m_lblAccessories->hide();
    m_txtAccessories->hide();
    for (int below = Index + 1; below <= last; ++below) {
        cmb1(below)->clear();
        cmb1(below)->hide();
        lbl1(below)->hide();
        if (!Restoring_Options) {
            Controller_Options[static_cast<std::size_t>(below + 1)].clear();
            clearControllerAccessories();
        }
    }

    if (Index < last) {
        fillLevel(Index + 1);
    } else {
        const ControllerOptions::Configuration c =
            ControllerOptions::configuration(Controller_Name, chosenAbove(Levels));
        m_txtResults->setText(c.partNumber);
        Controller_DUW_Ready = c.duwReady;
        Controller_JTR_Ready = c.jtrReady;
        Controller_LUMIO_Ready = c.lumioReady;
        frmAccessories::strExpIO_Note = c.expansionNotes;
        Controller_Part_Number = m_txtResults->text();
        m_txtResults->show();
        m_lblResults->show();
        Update_Accessories_Display();
        // The accessory box shows even when it is empty.
        m_lblAccessories->show();
        m_txtAccessories->show();
        m_cmdAccessories->show();
    }

    Controller_Options[static_cast<std::size_t>(Index + 1)] = cmb1(Index)->text();
    if (Index == last)
        return;

    const int next = Index + 1;
    if (!m_passedThrough[static_cast<std::size_t>(next)]) {
        cmb1(next)->show();
        lbl1(next)->show();
    }
    // Any level but the last withdraws the configuration until the last is chosen again.
    Controller_Part_Number.clear();
    Controller_JTR_Ready = Controller_LUMIO_Ready = Controller_DUW_Ready = false;
    frmAccessories::strExpIO_Note.clear();
    showResult(false);
    // A chain of one-value levels completes itself.
    if (cmb1(next)->listCount() == 1)
        cmb1(next)->setListIndex(0);
}

void frmControl::Update_Accessories_Display()
{
    AccessoryList::show(m_txtAccessories, m_lblAccessories, Controller_Accessory_Entry);
}

void frmControl::cmdDone_Click()
{
    int chosen = 0;
    for (const ListControl* list : m_cmb1)
        chosen += list->text().isEmpty() ? 0 : 1;

    if (chosen == Levels) {
        if (frmController_Setup* setup = setupForm())
            setup->Show_Controller_Part_Number(true);
        const ControllerOptions::AxisCounts counts = ControllerOptions::axisCounts(Controller_Part_Number);
        Total_Axes = counts.axes;
        Total_Steppers = counts.steppers;
        Total_Servos = counts.servos;
    } else {
        if (MsgBox::show(QStringLiteral("Controller not fully configured.\r\nHit Cancel to Return or OK to Discard."),
                         MsgBox::OKCancel, Product_Title)
            == MsgBox::Cancel)
            return;
        Controller_Part_Number.clear();
    }

    // Stored again from the list just offered: only what the controller still offers stays.
    Load_Controller_Accessories();
    m_closedByUser = true;
    Unload();
}

frmAccessories* frmControl::Load_Controller_Accessories()
{
    frmAccessories* dialog = ControllerAccessoryDialog::open(SetupKinds::Controller);
    if (!dialog)
        return nullptr;

    const QString expansion =
        AccessoryStore::Expansion_Caption(Controller_JTR_Ready, Controller_DUW_Ready, Controller_LUMIO_Ready);
    OptionButton* option = dialog->optExp(1);
    if (!expansion.isEmpty())
        option->setText(expansion);
    option->setVisible(!expansion.isEmpty());

    {
        FlagGuard loading(Loading_Lists, true);
        AccessoryList::offer(dialog->lstAccessories(), ControllerOptions::accessoriesSql(), {Controller_Name},
                             QStringLiteral("Controller Accessory"), Controller_Accessory_List_Index,
                             Controller_Accessory_List_Item, Controller_Accessory_Entry);
    }

    // The expansion choice stores into the controller's configuration.
    System_Type = SetupKinds::Controller;
    // Without an expansion type to offer, no cards can be chosen.
    if (Controller_Expansion_IO != 0 && !expansion.isEmpty()) {
        option->setValue(true);
        dialog->Restore_Card_Quantities(Controller_Accessory_Entry, Controller_Accessory_Quantity);
    } else {
        dialog->optExp(0)->setValue(true);
        option->setValue(false);
    }
    m_cmdAccessories->show();
    return dialog;
}

void frmControl::cmdAccessories_Click()
{
    frmAccessories* dialog = Load_Controller_Accessories();
    if (!dialog)
        return;
    dialog->setCaption(QStringLiteral("Controller Accessories"));
    dialog->Show();
    Current_Form = kAccessories;
}

void frmControl::Form_Activate()
{
    if (Current_Form != kAccessories)
        return;
    if (Form* dialog = Forms::find(kAccessories)) {
        dialog->frameWidget()->raise();
        dialog->frameWidget()->activateWindow();
    }
}

void frmControl::Form_Unload(bool& cancel)
{
    (void)cancel;
    const bool closedByUser = std::exchange(m_closedByUser, false);
    // However this dialog goes, the accessory dialog goes with it and stores
    // what it shows: the controller's accessories or the current axis' drive's.
    Forms::unload(kAccessories);
    Current_Form = SetupKinds::formName(SetupKinds::Controller);

    // Taken down with the setup form or the main window, the dialog leaves
    // the setup form alone.
    if (frmController_Setup* setup = setupForm(); setup && closedByUser) {
        setup->Rebuild_Axis_List(Total_Axes);
        setup->Show_Controller_Part_Number(false);
    }
    DialogSupport::setToolbarEnabled(true);
}

void frmControl::closeEvent(QCloseEvent* event)
{
    m_closedByUser = true;
    Form::closeEvent(event);
}

void frmControl::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        HandlerCall::fromEventLoop([this] { Form_Activate(); });
}
