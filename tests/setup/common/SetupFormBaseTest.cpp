#include "common/StandInForm.h"
#include "support/SetupFormFixture.h"

#include "platform/ListControl.h"
#include "setup/common/SetupFormBase.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <stdexcept>

namespace {

// The least a setup form adds to the frame: one list, and a replay that can be told to fail.
class FrameForm : public SetupFormBase {
public:
    explicit FrameForm(int kind)
        : SetupFormBase(kind, QStringLiteral("Frame Test"), 13110, 8400), m_list(new ListControl(this))
    {
        m_list->setObjectName(QStringLiteral("cmbMotor_Tech"));
        m_list->addItems({QStringLiteral("A"), QStringLiteral("B")});
        onClick(m_list, [] {
            Globals::Loading_Lists = true;
            Globals::Loading_Project = false;
            throw std::runtime_error("handler failed");
        });
    }

    void Reset() override { StandInForm::log << QStringLiteral("Reset:") + Name(); }
    QString Save_String() override { return {}; }
    void Update_Accessories_Display() override {}
    ListControl* cmbShaft_options() override { return m_list; }
    ListControl* cmbOptions() override { return m_list; }

    static inline bool failReplay = false;

protected:
    void replayProject() override
    {
        Globals::Loading_Lists = true;
        if (failReplay)
            throw std::runtime_error("not offered");
        Globals::Loading_Lists = false;
        Globals::Loading_Project = false;
    }

private:
    ListControl* m_list;
};

class SetupFormBaseTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StandInForm::reset();
        FrameForm::failReplay = false;
        Forms::registerForm(SetupKinds::formName(SetupKinds::DriveController),
                            [] { return new FrameForm(SetupKinds::DriveController); });
        for (const char* dialog : {"frmGear", "frmDriveControl", "frmAccessories"})
            StandInForm::registerAs(QString::fromLatin1(dialog), 0);
        main = &mainWindow();
    }

    FrameForm* form() { return Forms::get<FrameForm>(SetupKinds::formName(SetupKinds::DriveController)); }

    // The names of the shown child windows, lowest first.
    QStringList stacking() const
    {
        QStringList names;
        for (QMdiSubWindow* window : main->mdiArea()->subWindowList(QMdiArea::StackingOrder))
            if (!window->isHidden())
                names << window->widget()->objectName();
        return names;
    }

    mdiMain* main = nullptr;
};

} // namespace

TEST_F(SetupFormBaseTest, LoadPlacesAndResetsTheFormOfItsKind)
{
    Globals::Current_Axis = 5;
    FrameForm* f = form();
    f->Show();
    EXPECT_EQ(f->Name(), "frmDriveController_Setup");
    EXPECT_EQ(f->Caption(), "Frame Test");
    EXPECT_EQ(f->widthTwips(), 13110);
    EXPECT_EQ(f->heightTwips(), 8400);
    EXPECT_EQ(f->topTwips(), 0);
    EXPECT_EQ(StandInForm::log, QStringList {"Reset:frmDriveController_Setup"});
    EXPECT_EQ(Globals::Current_Axis, 1);
    EXPECT_EQ(Globals::Current_Form, "frmDriveController_Setup");
    EXPECT_EQ(Globals::System_Type, 2);
    EXPECT_THROW(FrameForm(SetupKinds::ControllerAxisAccessories), std::logic_error);
}

TEST_F(SetupFormBaseTest, ActivateBringsTheFormsDialogsBackInFront)
{
    form()->Show();
    for (const char* dialog : {"frmGear", "frmDriveControl", "frmAccessories"})
        Forms::get(QString::fromLatin1(dialog))->Show();
    const QString setup = form()->Name();

    const struct {
        const char* current;
        int systemType;
        QStringList top;
    } cases[] = {
        {"frmGear", 2, {"frmGear"}},
        {"frmDriveControl", 2, {"frmDriveControl"}},
        // Opened by the options dialog: that one comes back first, the accessory dialog above it.
        {"frmAccessories", 2, {"frmDriveControl", "frmAccessories"}},
        {"frmAccessories", 3, {"frmAccessories"}},
    };
    for (const auto& c : cases) {
        form()->Show(); // the user clicks the form: it is on top
        Globals::Current_Form = QString::fromLatin1(c.current);
        Globals::System_Type = c.systemType;
        form()->Form_Activate();
        EXPECT_EQ(stacking().mid(stacking().size() - c.top.size()), c.top) << c.current << c.systemType;
    }
    Globals::Current_Form = setup;
    form()->Show();
    form()->Form_Activate();
    EXPECT_EQ(stacking().last(), setup);
}

TEST_F(SetupFormBaseTest, UnloadTakesItsDialogsAlongAndPutsTheMainWindowBack)
{
    form()->Show();
    main->showSetupState(SetupKinds::DriveController);
    main->setWindowTitle("Brevan Quenro - press.dat");
    // Each says what it configures, as it does when it opens; the last one opened closes first.
    const std::pair<const char*, Stage> dialogs[] = {
        {"frmAccessories", Stage::DriveConfiguration}, {"frmDriveControl", Stage::DriveConfiguration},
        {"frmGear", Stage::MotorOption}};
    for (const auto& [dialog, stage] : dialogs)
        Forms::get(QString::fromLatin1(dialog))->setSubject(stage, 1);
    StandInForm::log.clear();

    Forms::unload(form()->Name());
    EXPECT_EQ(StandInForm::log,
              QStringList({"Unload:frmGear", "Unload:frmDriveControl", "Unload:frmAccessories"}));
    EXPECT_TRUE(Forms::find("frmSelection")->Visible());
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
    EXPECT_TRUE(main->mnuNew()->isEnabled());
    EXPECT_FALSE(main->Toolbar_Button(3)->isEnabled());

    // Closed while a project of another kind is opened: no start dialog.
    Forms::find("frmSelection")->Hide();
    form();
    Globals::Loading_Project = true;
    Forms::unload(form()->Name());
    EXPECT_FALSE(Forms::find("frmSelection")->Visible());
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
}

TEST_F(SetupFormBaseTest, AFailureLeavesNoFlagSetAndNoFileNamed)
{
    // A replay that cannot take the file: the message once, no flag, no file name.
    Globals::Loading_Project = true;
    Globals::Project_Path = "/jobs/press.dat";
    main->setWindowTitle("Brevan Quenro - press.dat");
    FrameForm::failReplay = true;
    form()->Load_Previous_Values();
    EXPECT_EQ(msg->prompts(), QStringList {kLoadError});
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_FALSE(Globals::Loading_Lists);
    EXPECT_TRUE(Globals::Project_Path.isEmpty());
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");

    FrameForm::failReplay = false;
    msg->clear();
    Globals::Loading_Project = true;
    form()->Load_Previous_Values();
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_FALSE(Globals::Loading_Project);

    // A list handler that fails half way leaves both flags as they were when it started.
    auto* list = form()->findChild<ListControl*>("cmbMotor_Tech");
    Globals::Loading_Project = true;
    EXPECT_THROW(list->setListIndex(0), std::runtime_error);
    EXPECT_TRUE(Globals::Loading_Project);
    EXPECT_FALSE(Globals::Loading_Lists);
    Globals::Loading_Project = false;
    list->choose(1); // the user's choice: the failure is reported
    EXPECT_EQ(msg->prompts(), QStringList {"handler failed"});
    EXPECT_FALSE(Globals::Loading_Lists);
    EXPECT_FALSE(Globals::Loading_Project);
}
