#include "DriveFormTest.h"

#include "platform/ListControl.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QTemporaryDir>

// The drive form as the main window opens, saves, reopens and closes it.
class MainWindowDriveTest : public DriveFormTest {
protected:
    void SetUp() override
    {
        DriveFormTest::SetUp();
        main = &mainWindow();
    }
    mdiMain* main = nullptr;
};

TEST_F(MainWindowDriveTest, NewOpensTheFormAndAFailedOpenNamesNoFile)
{
    main->mnuDrive()->trigger();
    ASSERT_TRUE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_TRUE(form()->Visible());
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_FALSE(main->mnuNew()->isEnabled());

    configure({"Servo", "", "ZU", "34"});
    QStringList lines = form()->Save_String().split('\r');
    lines[5] = "99"; // a frame size the catalogue no longer has
    QTemporaryDir dir;
    const QString path = dir.filePath("old.dat");
    ASSERT_TRUE(Globals::Write_File(path, lines.join('\r'), true));

    files->queuePath(path);
    main->mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {kLoadError});
    EXPECT_EQ(main->windowTitle(), kTitle);
    EXPECT_TRUE(Globals::Project_Path.isEmpty());
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_FALSE(Globals::Loading_Lists);
    // Nothing the replay reached stays; the user starts again.
    EXPECT_EQ(text("cmbMotor_Series"), "");
    EXPECT_EQ(record(), AxisRecord {});
    configure({"Servo", "", "ZU", "23"});
    EXPECT_EQ(items("cmbStack_length"), (QStringList {"1", "2"}));

    // Closing the form puts the main window back to its start state.
    main->mnuClose()->trigger();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
    EXPECT_TRUE(main->mnuNew()->isEnabled());
    EXPECT_TRUE(main->Toolbar_Button(1)->isEnabled());
    EXPECT_FALSE(main->Toolbar_Button(3)->isEnabled());
    EXPECT_TRUE(Forms::find("frmSelection")->Visible());
}

TEST_F(MainWindowDriveTest, ClosingTakesTheProjectAlong)
{
    main->mnuDrive()->trigger();
    configure(kKxServo);
    main->mnuClose()->trigger();
    processEvents();
    // Nothing of the closed project reaches an export or the next project.
    EXPECT_EQ(record(), AxisRecord {});

    main->mnuDrive()->trigger();
    EXPECT_EQ(record(), AxisRecord {});
    EXPECT_EQ(list("cmbMotor_Tech")->listIndex(), -1);

    // Closed while a project is being opened, the form does not bring the start dialog back.
    Forms::find("frmSelection")->Hide();
    Globals::Loading_Project = true;
    Forms::unload("frmDrive_Setup");
    EXPECT_FALSE(Forms::find("frmSelection")->Visible());
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
    EXPECT_EQ(main->windowTitle(), kTitle);
}
