#include "WindowsFixture.h"
#include "common/StandInForm.h"

#include "shell/DialogSupport.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"
#include "sizing/MotorModelACX.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <QToolBar>

#include <tuple>

using MainWindow = WindowsFixture;

namespace {

QStringList menuLines(const QMenu* menu)
{
    QStringList lines;
    for (const QAction* action : menu->actions())
        lines << action->objectName() + QLatin1Char('|') + action->text() + QLatin1Char('|')
                     + action->shortcut().toString();
    return lines;
}

} // namespace

TEST_F(MainWindow, LoadSetsTheStartStateMenusAndToolbar)
{
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
    EXPECT_EQ(buttonStates(), "110000");
    EXPECT_FALSE(main->Toolbar_Button(8)->isVisible());
    EXPECT_TRUE(main->mnuNew()->isEnabled());
    EXPECT_EQ(Globals::SOCX(), &main->SOCX);
    EXPECT_EQ(mdiMain::instance(), main.get());
    EXPECT_EQ(Forms::mdiArea(), main->mdiArea());

    QStringList captions;
    for (int index = 1; index <= 8; ++index)
        captions << (main->Toolbar_Button(index)->isSeparator() ? QStringLiteral("-") : main->Toolbar_Button(index)->text());
    EXPECT_EQ(captions.join(','), "New,Open,Save,-,Export,Reset Axis,Reset All Axes,TEMP");
    EXPECT_EQ(main->Toolbar_Button(0), nullptr);
    EXPECT_EQ(main->Toolbar_Button(9), nullptr);

    const QList<QAction*> menus = main->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Help");
    EXPECT_EQ(menuLines(menus[0]->menu()),
              QStringList({"mnuNew|New|", "mnuOpen|Open|Ctrl+O", "mnuSave|Save|Ctrl+S", "mnuSave_As|Save As|",
                           "mnuReset_All|Reset All|", "mnuClose|Close|", "mnuExport_Data|Export Data|Ctrl+E",
                           "mnuExit|Exit|"}));
    EXPECT_EQ(menuLines(main->mnuNew()->menu()),
              QStringList({"mnuController_Only|Separate Controller, Drive and Motor Setup|",
                           "mnuDrive_Controller|Standalone Drive/Controller and Motor Setup|",
                           "mnuDrive|Drive and Motor Setup|"}));
    EXPECT_EQ(menuLines(menus[1]->menu()), QStringList({"mnuAbout|About|", "mnuLogin|LogIn|"}));
}

TEST_F(MainWindow, FirstActivationOpensTheStartDialogAndTheBackground)
{
    showMain();
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(Forms::loadedCount(), 1);
    // The frame (2 pixels around the window off screen) within the available area.
    const QRect available = main->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(main->frameGeometry()));
    EXPECT_EQ(main->size(), mdiMain::firstSize(available.size(), QMargins(2, 2, 2, 2)));
    QSize inner = main->mdiArea()->viewport()->size();
    ASSERT_FALSE(inner.isEmpty());
    EXPECT_EQ(main->backgroundPicture().size(), inner);
    // Shipped at the inner size (below the bars) of a window of the size drawn, the picture is drawn there
    // without scaling.
    main->resize(1024, 768);
    processEvents();
    inner = main->mdiArea()->viewport()->size();
    EXPECT_EQ(main->backgroundPicture().size(), inner);
    EXPECT_EQ(QPixmap(QStringLiteral(":/shell/images/background.png")).size(), inner);

    main->resize(800, 600);
    processEvents();
    const QSize resized = main->mdiArea()->viewport()->size();
    EXPECT_EQ(main->backgroundPicture().size(), resized);
    EXPECT_NE(resized, inner);

    // No inner height (minimised): nothing is drawn, the picture stays.
    main->mdiArea()->viewport()->resize(resized.width(), 0);
    EXPECT_EQ(main->backgroundPicture().size(), resized);
}

// The window opens at the size it was drawn for where the screen has room, else as large as the
// screen's available area less the window manager's frame (a scale factor of 2 halves the area);
// the forms scroll in it.
TEST(MainWindowFirstSize, FitsTheScreensAvailableArea)
{
    const QMargins titleBar(1, 20, 1, 5);
    const std::tuple<QSize, QMargins, QSize> cases[] = {
        {{1280, 984}, {}, {1024, 768}},        {{1280, 984}, titleBar, {1024, 768}},
        {{1024, 768}, {}, {1024, 768}},        {{1024, 768}, titleBar, {1022, 743}},
        {{512, 384}, titleBar, {510, 359}},    {{640, 480}, titleBar, {638, 455}},
        {{1920, 540}, titleBar, {1024, 515}},  {{800, 800}, {}, {800, 768}},
    };
    for (const auto& [available, frame, first] : cases)
        EXPECT_EQ(mdiMain::firstSize(available, frame), first) << available.width() << "x" << available.height();
}

TEST_F(MainWindow, ActivateCountsHiddenFormsBeforeOpeningTheStartDialog)
{
    Globals::Current_Form = QStringLiteral("frmAbout");
    Forms::get(QStringLiteral("frmCurveInfo"));
    main->MDIForm_Activate();
    EXPECT_FALSE(Forms::isLoaded("frmSelection"));

    Forms::unload(QStringLiteral("frmCurveInfo"));
    main->MDIForm_Activate();
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmAbout");
}

TEST_F(MainWindow, ActivateBringsBackTheFormNamedByCurrentForm)
{
    showMain();
    Form* drive = Forms::get(QStringLiteral("frmDrive_Setup"));
    drive->Hide();
    Globals::Current_Form = QStringLiteral("frmDrive_Setup");
    main->MDIForm_Activate();
    EXPECT_TRUE(drive->Visible());
    EXPECT_EQ(main->activeChildForm(), drive);

    struct Case {
        int systemType;
        QStringList expectedShown;
    };
    const QList<Case> cases = {
        {1, {"frmControl", "frmAccessories"}},
        {2, {"frmDriveControl", "frmAccessories"}},
        {3, {"frmAccessories"}},
        {4, {"frmAccessories"}},
        {5, {"frmAccessories"}},
        {0, {}},
    };
    const QStringList dialogs = {"frmControl", "frmDriveControl", "frmAccessories"};
    for (const Case& c : cases) {
        for (const QString& name : dialogs)
            Forms::get(name)->Hide();
        Forms::get(QStringLiteral("frmDrive_Setup"))->Show();
        Globals::Current_Form = QStringLiteral("frmAccessories");
        Globals::System_Type = c.systemType;
        main->MDIForm_Activate();
        QStringList visible;
        for (const QString& name : dialogs)
            if (shown(name))
                visible << name;
        EXPECT_EQ(visible, c.expectedShown) << "System_Type " << c.systemType;
        if (!c.expectedShown.isEmpty())
            EXPECT_EQ(main->activeChildForm()->Name(), "frmAccessories") << "System_Type " << c.systemType;
        else
            EXPECT_EQ(main->activeChildForm()->Name(), "frmDrive_Setup");
    }

    for (const char* other : {"frmAbout", "frmCurve", "something"}) {
        Forms::get(QStringLiteral("frmDrive_Setup"))->Show();
        Globals::Current_Form = QString::fromLatin1(other);
        main->MDIForm_Activate();
        EXPECT_EQ(main->activeChildForm()->Name(), "frmDrive_Setup") << other;
    }
}

TEST_F(MainWindow, NewOpensTheSetupFormOfEachKind)
{
    showMain();
    main->mnuDrive()->trigger();
    EXPECT_TRUE(shown("frmDrive_Setup"));
    EXPECT_FALSE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_FALSE(main->mnuNew()->isEnabled());
    EXPECT_EQ(buttonStates(), "011101");
    EXPECT_EQ(StandInForm::log, QStringList({"Load:frmDrive_Setup", "Reset:frmDrive_Setup"}));

    main->mnuController_Only()->trigger();
    EXPECT_TRUE(shown("frmController_Setup"));
    EXPECT_EQ(Globals::System_Type, 1);
    EXPECT_EQ(Globals::Current_Form, "frmController_Setup");
    EXPECT_EQ(buttonStates(), "011111");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(MainWindow, CloseUnloadsInOrderAndShowsTheStartDialog)
{
    showMain();
    main->mnuController_Only()->trigger();
    for (const char* name : {"frmGear", "frmAccessories", "frmControl", "frmDrive_Setup", "frmDriveControl"})
        Forms::get(QString::fromLatin1(name))->Show();
    main->mnuAbout()->trigger();
    Globals::Axis[0].Drive_Name = QStringLiteral("kept");
    const int systemType = Globals::System_Type;
    StandInForm::log.clear();

    main->mnuClose()->trigger();
    EXPECT_EQ(StandInForm::log,
              QStringList({"Unload:frmAccessories", "Unload:frmControl", "Unload:frmController_Setup",
                           "Unload:frmDriveControl", "Unload:frmDrive_Setup", "Unload:frmGear"}));
    EXPECT_FALSE(Forms::isLoaded("frmAbout"));
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(buttonStates(), "110000");
    EXPECT_TRUE(main->mnuNew()->isEnabled());
    EXPECT_EQ(Globals::Axis[0].Drive_Name, "");
    EXPECT_EQ(Globals::System_Type, systemType);
}

TEST_F(MainWindow, ExitEndsEvenWhenAFormRefusesToUnload)
{
    showMain();
    main->mnuDrive()->trigger();
    Forms::get(QStringLiteral("frmGear"))->Show();
    StandInForm::config.refuseUnload = true;
    StandInForm::log.clear();

    main->mnuExit()->trigger();
    processEvents();
    EXPECT_EQ(StandInForm::log.mid(0, 2), QStringList({"Unload:frmDrive_Setup", "Unload:frmGear"}));
    EXPECT_EQ(Forms::loadedCount(), 0);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindow, ClosingTheWindowUnloadsTheChildForms)
{
    showMain();
    main->mnuDrive()->trigger();
    main->mnuAbout()->trigger();
    StandInForm::log.clear();
    main->close();
    processEvents();
    EXPECT_EQ(StandInForm::log, QStringList({"Unload:frmDrive_Setup"}));
    EXPECT_EQ(Forms::loadedCount(), 0);
}

TEST_F(MainWindow, ResetAllResetsOnlyAnActiveSetupForm)
{
    showMain();
    main->mnuReset_All()->trigger();
    EXPECT_TRUE(StandInForm::log.isEmpty());

    main->mnuDrive()->trigger();
    StandInForm::log.clear();
    main->Toolbar_Button(7)->trigger();
    EXPECT_EQ(StandInForm::log, QStringList({"Reset:frmDrive_Setup"}));

    // The About box over the setup form is no setup form: nothing happens.
    main->mnuAbout()->trigger();
    StandInForm::log.clear();
    main->mnuReset_All()->trigger();
    EXPECT_TRUE(StandInForm::log.isEmpty());
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(MainWindow, ToolbarNewExportAndResetAxis)
{
    showMain();
    main->mnuDrive()->trigger();
    main->Toolbar1_ButtonClick(1);
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_TRUE(shown("frmDrive_Setup"));
    EXPECT_EQ(main->activeChildForm()->Name(), "frmSelection");

    // Export asks where to write the report.
    files->queueCancel();
    main->Toolbar_Button(5)->trigger();
    ASSERT_EQ(files->calls().size(), 1);
    EXPECT_EQ(files->calls()[0].settings.filter, "All Files (*.*)|*.*|Text Files (*.txt)|*.txt");

    // Reset Axis reaches the controller form's one instance, loading it when needed.
    StandInForm::log.clear();
    main->Toolbar1_ButtonClick(6);
    EXPECT_EQ(StandInForm::log, QStringList({"Load:frmController_Setup", "Reset:frmController_Setup",
                                             "Reset_Axis:frmController_Setup"}));
    main->mnuController_Only()->trigger();
    StandInForm::log.clear();
    main->Toolbar_Button(6)->trigger();
    EXPECT_EQ(StandInForm::log, QStringList({"Reset_Axis:frmController_Setup"}));
}

TEST_F(MainWindow, ChildActivationRunsTheFormsActivate)
{
    class ActivateProbe : public Form {
    public:
        ActivateProbe()
            : Form(QStringLiteral("frmProbe"))
        {
        }
        void Form_Activate() override { ++activations; }
        int activations = 0;
    };
    Forms::registerForm(QStringLiteral("frmProbe"), [] { return new ActivateProbe; });
    showMain();
    auto* probe = static_cast<ActivateProbe*>(Forms::get(QStringLiteral("frmProbe")));
    probe->Show();
    processEvents();
    const int first = probe->activations;
    EXPECT_GE(first, 1);
    Forms::get(QStringLiteral("frmSelection"))->Show();
    probe->Show();
    processEvents();
    EXPECT_GT(probe->activations, first);
}

TEST_F(MainWindow, SizingLibraryMessagesAreShownAsErrorNotices)
{
    std::string type = "Hybrid";
    EXPECT_FALSE(main->SOCX.DLLMotor().SetMotorTypeString(type));
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt, "MotorTSModel: Invalid motor type Specified: HYBRID");
    EXPECT_EQ(msg->messages()[0].title, "Error in Motor type");
    EXPECT_EQ(msg->messages()[0].icon, MsgBox::Critical);
}

// Every dialog switches the toolbar off and on: only its buttons may repaint,
// never the whole bar (the largest part of opening a dialog under X).
TEST_F(MainWindow, SwitchingTheToolbarRepaintsOnlyItsButtons)
{
    struct PaintRecorder : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } recorder;
    showMain();
    processEvents();
    QToolBar* bar = main->Toolbar1();
    QRegion buttons;
    for (QWidget* child : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            buttons += child->geometry();
    bar->installEventFilter(&recorder);
    for (bool on : {false, true}) {
        recorder.painted = QRegion();
        DialogSupport::setToolbarEnabled(on);
        processEvents();
        EXPECT_EQ(bar->isEnabled(), on);
        EXPECT_EQ(bar->widgetForAction(main->Toolbar_Button(1))->isEnabled(), on);
        EXPECT_FALSE(recorder.painted.isEmpty()); // the buttons' background
        EXPECT_EQ(recorder.painted - buttons, QRegion()) << "whole bar repainted";
    }
}
