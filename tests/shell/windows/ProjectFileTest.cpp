#include "WindowsFixture.h"
#include "common/FileSizeLimit.h"
#include "common/StandInForm.h"
#include "common/TestFiles.h"

#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/ProjectFile.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStatusBar>

#include <functional>

#include <sys/stat.h>

class ProjectFiles : public WindowsFixture {
protected:
    void SetUp() override
    {
        WindowsFixture::SetUp();
        showMain();
    }

    // The state Open must leave alone when it turns a file down.
    void expectUntouched()
    {
        EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
        EXPECT_TRUE(Globals::Project_Path.isEmpty());
        EXPECT_FALSE(Globals::Loading_Project);
        EXPECT_EQ(buttonStates(), "110000");
        EXPECT_TRUE(main->mnuNew()->isEnabled());
        EXPECT_TRUE(shown("frmSelection"));
        EXPECT_EQ(Globals::System_Type, 0);
        EXPECT_TRUE(Globals::Project_Lines.isEmpty());
    }
};

TEST_F(ProjectFiles, SaveOfAFreshProjectAsksForANameASecondSaveDoesNot)
{
    main->mnuDrive()->trigger();
    StandInForm::config.saveText = QStringLiteral("4\rBSD-230\r\xB0" "C\r\r");
    const QString file = path("first.dat");
    files->queuePath(file);
    main->mnuSave()->trigger();
    ASSERT_EQ(files->calls().size(), 1);
    const FileDialog::Seam::Call call = files->calls()[0];
    EXPECT_EQ(call.mode, FileDialog::Save);
    EXPECT_EQ(call.settings.filter, "All Files (*.*)|*.*|Dat Files (*.Dat)|*.dat");
    EXPECT_EQ(call.settings.filterIndex, 2);
    EXPECT_TRUE(call.settings.defaultExt.isEmpty());
    EXPECT_TRUE(call.settings.title.isEmpty());
    EXPECT_EQ(fileBytes(file), QByteArray("4\rBSD-230\r\xB0" "C\r\r"));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - first.dat");
    EXPECT_EQ(Globals::Project_Path, file);
    EXPECT_EQ(Globals::Project_Text, StandInForm::config.saveText);

    StandInForm::config.saveText = QStringLiteral("4\rchanged\r");
    main->Toolbar_Button(3)->trigger();
    EXPECT_EQ(files->calls().size(), 1);
    EXPECT_EQ(fileBytes(file), QByteArray("4\rchanged\r"));
}

TEST_F(ProjectFiles, SaveAsKeepsATypedNameWithoutExtension)
{
    main->mnuDrive()->trigger();
    StandInForm::config.saveText = QStringLiteral("4\rx\r");
    files->queuePath(path("noext"));
    main->mnuSave_As()->trigger();
    EXPECT_EQ(fileBytes(path("noext")), QByteArray("4\rx\r"));
    EXPECT_FALSE(QFile::exists(path("noext.dat")));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - noext");

    // Save As always asks, also when the project has a file.
    files->queueCancel();
    main->mnuSave_As()->trigger();
    EXPECT_EQ(files->calls().size(), 2);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - noext");
}

TEST_F(ProjectFiles, AFailedWriteChangesNeitherCaptionNorPath)
{
    main->mnuDrive()->trigger();
    StandInForm::config.saveText = QStringLiteral("4\r");
    QDir(tmp.path()).mkdir(QStringLiteral("folder.dat"));
    files->queuePath(path("folder.dat"));
    main->mnuSave_As()->trigger();
    EXPECT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
    EXPECT_TRUE(Globals::Project_Path.isEmpty());
}

TEST_F(ProjectFiles, ASaveOnAFullDiskKeepsTheProjectOnDiskAndNamesTheReason)
{
    main->mnuDrive()->trigger();
    StandInForm::config.saveText = QStringLiteral("4\rgood\r");
    files->queuePath(path("good.dat"));
    main->mnuSave()->trigger();
    const QStringList before = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);

    StandInForm::config.saveText = QStringLiteral("4\r") + QString(3000, QLatin1Char('x')) + QStringLiteral("\r");
    files->queuePath(path("fresh.dat"));
    {
        const FileSizeLimit fullDisk(1000);
        main->mnuSave()->trigger();
        main->mnuSave_As()->trigger();
    }
    EXPECT_EQ(msg->prompts(), QStringList({"Unable to write the file " + path("good.dat") + ".\nFile too large.",
                                           "Unable to write the file " + path("fresh.dat") + ".\nFile too large."}));
    EXPECT_EQ(fileBytes(path("good.dat")), QByteArray("4\rgood\r"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - good.dat");
    EXPECT_EQ(Globals::Project_Path, path("good.dat"));
}

TEST_F(ProjectFiles, SaveAndExportWithoutASetupFormAskNothingAndWriteNothing)
{
    StandInForm::config.saveText = QStringLiteral("4\rx\r");
    const QList<QPair<QString, std::function<void()>>> screens = {
        {"start screen", [] {}},
        {"About over the start screen", [this] { main->mnuAbout()->trigger(); }},
        {"after Close", [this] {
             main->mnuDrive()->trigger();
             main->mnuClose()->trigger();
             processEvents();
         }},
    };
    for (const auto& [screen, reach] : screens) {
        reach();
        EXPECT_EQ(buttonStates(), "110000");
        for (QAction* command : {main->mnuSave(), main->mnuSave_As(), main->Toolbar_Button(3), main->mnuExport_Data(),
                                 main->Toolbar_Button(5)}) {
            files->queuePath(path("nothing.dat"));
            command->trigger();
        }
        EXPECT_EQ(files->calls().size(), 0) << screen.toStdString();
        EXPECT_FALSE(QFile::exists(path("nothing.dat"))) << screen.toStdString();
        EXPECT_TRUE(msg->messages().isEmpty()) << screen.toStdString();
        EXPECT_TRUE(main->statusBar()->currentMessage().isEmpty()) << screen.toStdString();
        EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
    }
}

TEST_F(ProjectFiles, SaveReachesTheSetupFormWhicheverChildWindowIsActive)
{
    writeFileBytes(path("drive.dat"), "4\rold\r");
    files->queuePath(path("drive.dat"));
    main->mnuOpen()->trigger();
    ASSERT_EQ(main->windowTitle(), "Brevan Quenro - drive.dat");
    main->mnuAbout()->trigger();
    ASSERT_NE(main->activeChildForm(), Forms::find(QStringLiteral("frmDrive_Setup")));

    StandInForm::config.saveText = QStringLiteral("4\rnew\r");
    main->mnuSave()->trigger();
    EXPECT_EQ(files->calls().size(), 1);
    EXPECT_EQ(fileBytes(path("drive.dat")), QByteArray("4\rnew\r"));

    files->queuePath(path("copy.dat"));
    main->mnuSave_As()->trigger();
    EXPECT_EQ(fileBytes(path("copy.dat")), QByteArray("4\rnew\r"));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - copy.dat");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(ProjectFiles, OpenOfKind4OverTheControllerFormReplaysIntoTheDriveForm)
{
    main->mnuController_Only()->trigger();
    writeFileBytes(path("drive.dat"), "4\rBSD-230\r\xB0" "C\r");
    files->queuePath(path("drive.dat"));
    StandInForm::log.clear();
    main->mnuOpen()->trigger();

    EXPECT_EQ(files->calls()[0].mode, FileDialog::Open);
    EXPECT_EQ(files->calls()[0].settings.filterIndex, 2);
    EXPECT_EQ(StandInForm::log, QStringList({"Load:frmDrive_Setup", "Reset:frmDrive_Setup", "Reset:frmDrive_Setup",
                                             "Load_Previous_Values:frmDrive_Setup"}));
    EXPECT_EQ(Globals::Project_Lines, QStringList({"4", "BSD-230", QStringLiteral("\u00B0C"), ""}));
    EXPECT_TRUE(Forms::isLoaded("frmController_Setup"));
    EXPECT_FALSE(shown("frmController_Setup"));
    EXPECT_TRUE(shown("frmDrive_Setup"));
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - drive.dat");
    EXPECT_EQ(Globals::Project_Path, path("drive.dat"));
    EXPECT_EQ(buttonStates(), "011101");
    EXPECT_FALSE(main->mnuNew()->isEnabled());
    EXPECT_TRUE(msg->messages().isEmpty());

    // Saved again under the opened name without a dialog.
    StandInForm::config.saveText = QStringLiteral("4\rnew\r");
    main->mnuSave()->trigger();
    EXPECT_EQ(files->calls().size(), 1);
    EXPECT_EQ(fileBytes(path("drive.dat")), QByteArray("4\rnew\r"));
}

TEST_F(ProjectFiles, OpenOfKind1EnablesResetAxis)
{
    writeFileBytes(path("ctrl.dat"), "1\r");
    files->queuePath(path("ctrl.dat"));
    main->Toolbar_Button(2)->trigger();
    EXPECT_TRUE(shown("frmController_Setup"));
    EXPECT_FALSE(shown("frmSelection"));
    EXPECT_EQ(buttonStates(), "011111");
    EXPECT_EQ(Globals::System_Type, 1);
}

TEST_F(ProjectFiles, OpenTurnsDownFilesThatAreNoProjectAndChangesNothing)
{
    writeFileBytes(path("kind3.dat"), "3\rx\r");
    writeFileBytes(path("kind7.dat"), "7\r");
    writeFileBytes(path("empty.dat"), "");
    writeFileBytes(path("text.dat"), "hello\r");
    writeFileBytes(path("lf.dat"), "4\nx\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.dat")).constData(), 0644), 0);
    {
        QFile huge(path("huge.dat"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("4\r");
        ASSERT_TRUE(huge.resize(200LL * 1024 * 1024));
    }
    const QString noFile = QStringLiteral(" is not a regular file.");
    const QList<QPair<QString, QString>> cases = {
        {"kind3.dat", "The file kind3.dat is not a Quenro project file: its first line must be 1, 2 or 4."},
        {"kind7.dat", "The file kind7.dat is not a Quenro project file: its first line must be 1, 2 or 4."},
        {"empty.dat", "The file empty.dat is empty."},
        {"text.dat", "The file text.dat is not a Quenro project file: its first line must be 1, 2 or 4."},
        {"lf.dat", "The file lf.dat is not a Quenro project file: its first line must be 1, 2 or 4."},
        {"missing.dat", "The file missing.dat cannot be read."},
        {"fifo.dat", path("fifo.dat") + noFile},
        {"huge.dat", path("huge.dat") + " is larger than 4 MB."},
        {"/dev/zero", "/dev/zero" + noFile},
        {tmp.path(), tmp.path() + noFile},
    };
    for (const auto& [name, message] : cases) {
        msg->clear();
        files->queuePath(name.startsWith(QLatin1Char('/')) ? name : path(name));
        main->mnuOpen()->trigger();
        EXPECT_EQ(msg->prompts(), QStringList({message})) << name.toStdString();
        expectUntouched();
        EXPECT_EQ(Forms::loadedCount(), 1) << name.toStdString();
    }
}

TEST_F(ProjectFiles, CancellingTheOpenDialogChangesNothing)
{
    files->queueCancel();
    main->mnuOpen()->trigger();
    EXPECT_TRUE(msg->messages().isEmpty());
    expectUntouched();
}

TEST_F(ProjectFiles, ALoadTheFormRejectsLeavesNoFlagAndNoFileName)
{
    main->mnuDrive()->trigger();
    StandInForm::config.saveText = QStringLiteral("4\rgood\r");
    files->queuePath(path("good.dat"));
    main->mnuSave()->trigger();
    ASSERT_EQ(main->windowTitle(), "Brevan Quenro - good.dat");

    writeFileBytes(path("bad.dat"), "4\rbroken\r");
    files->queuePath(path("bad.dat"));
    StandInForm::config.rejectLoad = true;
    main->mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList({"Error Incompatible File Format or Motor/Drive No Longer Available"}));
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_FALSE(Globals::Loading_Lists);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
    EXPECT_TRUE(Globals::Project_Path.isEmpty());
    EXPECT_TRUE(shown("frmDrive_Setup"));
    EXPECT_EQ(buttonStates(), "011101");

    // Save now asks for a name and so cannot overwrite either file by mistake.
    files->queueCancel();
    main->mnuSave()->trigger();
    EXPECT_EQ(files->calls().size(), 3);
    EXPECT_EQ(fileBytes(path("bad.dat")), QByteArray("4\rbroken\r"));
    EXPECT_EQ(fileBytes(path("good.dat")), QByteArray("4\rgood\r"));
}

TEST_F(ProjectFiles, ProjectKindReadsOnlyTheFirstLine)
{
    QString why;
    EXPECT_EQ(ProjectFile::projectKind(QStringLiteral("4\r"), "a", &why), 4);
    EXPECT_EQ(ProjectFile::projectKind(QStringLiteral("1\r\nline"), "a", &why), 1);
    EXPECT_EQ(ProjectFile::projectKind(QStringLiteral("2"), "a", &why), 2);
    EXPECT_EQ(ProjectFile::projectKind(QStringLiteral("\r4\r"), "a", &why), 0);
    EXPECT_EQ(ProjectFile::projectKind(QStringLiteral("4.5\r"), "a", &why), 0);
}
