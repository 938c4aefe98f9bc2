#include "HttpTestServer.h"
#include "WindowsFixture.h"
#include "common/TestFiles.h"

#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "setup/FormCatalog.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"
#include "support/SqliteFile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTimer>

#include <functional>
#include <tuple>

// The real drive setup form on the sample catalogue, driven from the main
// window the way a user goes: start dialog, choices, save, close, reopen,
// export and the price request.
class DriveProject : public WindowsFixture {
protected:
    void SetUp() override
    {
        WindowsFixture::SetUp();
        // The program's own forms in place of the stand-ins.
        FormCatalog::registerAll();
        showMain();
    }

    static ListControl* list(const char* name)
    {
        return Forms::find(QStringLiteral("frmDrive_Setup"))->findChild<ListControl*>(QString::fromLatin1(name));
    }

    static void pick(const char* name, const QString& entry)
    {
        ListControl* control = list(name);
        ASSERT_NE(control, nullptr) << name;
        ASSERT_TRUE(control->choose(entry)) << name << " lacks " << entry.toStdString();
    }
};

TEST_F(DriveProject, SaveReopenExportAndPriceADriveSystem)
{
    start(2);
    ASSERT_TRUE(Forms::isLoaded("frmDrive_Setup"));

    pick("cmbMotor_Tech", "Stepper");
    const QList<QPair<const char*, QString>> choices = {
        {"cmbDrive", "SMD-48"},   {"cmbMotor_Series", "SX"},
        {"cmbFrame_size", "23"},  {"cmbStack_length", "1"},
        {"cmbWinding", "B"},      {"cmbFeedback", "S = Single Shaft"},
        {"cmbShaft_options", "F = Flatted Shaft"}, {"cmbCable_Option", "C = Connector"},
        {"cmbOptions", "None"},
    };
    for (const auto& [name, entry] : choices)
        pick(name, entry);
    ASSERT_EQ(Globals::Axis[0].Drive_Part_Number, "SMD48-3");
    ASSERT_EQ(Globals::Axis[0].Motor_Part_Number, "SX231B-SFC");

    const QString file = path(QStringLiteral("stepper.dat"));
    files->queuePath(file);
    main->mnuSave_As()->trigger();
    const QByteArray saved = fileBytes(file);
    ASSERT_TRUE(saved.startsWith("4\r")) << saved.left(20).toStdString();
    EXPECT_TRUE(saved.endsWith('\r'));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - stepper.dat");

    main->mnuClose()->trigger();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");

    files->queuePath(file);
    main->mnuOpen()->trigger();
    EXPECT_TRUE(msg->messages().isEmpty()) << msg->prompts().join('\n').toStdString();
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - stepper.dat");
    EXPECT_EQ(list("cmbDrive")->currentText(), "SMD-48");
    EXPECT_EQ(list("cmbWinding")->currentText(), "B");
    EXPECT_EQ(Globals::Axis[0].Motor_Part_Number, "SX231B-SFC");

    // Saved again without a dialog, the replayed project gives the same file.
    main->mnuSave()->trigger();
    EXPECT_EQ(files->calls().size(), 2);
    EXPECT_EQ(fileBytes(file), saved);

    const QString report = path(QStringLiteral("report.txt"));
    files->queuePath(report);
    main->mnuExport_Data()->trigger();
    EXPECT_TRUE(fileBytes(report).contains("DRIVE: SMD48-3\r\n"));
    EXPECT_EQ(shell->opened(), QStringList({report}));

    HttpTestServer server;
    server.setResponder([](const HttpTestServer::Request& request) {
        return HttpTestServer::Reply{200, "OK", HttpTestServer::answerFor(request.body, "20240915", "EA"), false};
    });
    const QString prices = path(QStringLiteral("prices.txt"));
    files->queuePath(prices);
    main->createXMLfor_Extranet();

    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray table = fileBytes(prices);
    EXPECT_TRUE(table.startsWith("SMD48-3\t\t09/15/2024\t\tEA\t\t\r\nSX231B-SFC\t\t09/15/2024\t\tEA\t\t\r\n"))
        << table.toStdString();
    EXPECT_EQ(table.count("\r\n"), Globals::BOM_Count);
    EXPECT_EQ(shell->opened().last(), prices);
}

// An Open that meets a catalogue that cannot be opened leaves the start screen
// with nothing to save or export, whatever project was open before.
TEST_F(DriveProject, AnOpenOnACatalogueThatCannotBeOpenedEndsAtTheStartScreen)
{
    const QString seed = QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file/kx-servo.dat");
    const QString name = QStringLiteral("System Databases97.mdb");
    const QString catalogue = path(name);
    const struct {
        const char* what;
        std::function<void()> make;
        QString cause;
        bool locked = false;
    } cases[] = {
        {"random bytes", [&] { writeFileBytes(catalogue, QByteArray("not a catalogue at all ").repeated(200)); },
         "The file " + name + " is not a database."},
        {"0 bytes", [&] { writeFileBytes(catalogue, {}); }, "The file holds no table of the product catalogue."},
        {"cut", [&] {
             ASSERT_TRUE(SqliteFile::copySample(name, tmp.path()));
             ASSERT_TRUE(QFile::resize(catalogue, QFileInfo(catalogue).size() / 2));
         }, "The database " + name + " is damaged."},
        {"missing", [] {}, "The database file " + catalogue + " was not found."},
        {"a folder", [&] { ASSERT_TRUE(QDir(tmp.path()).mkdir(name)); },
         "The database file " + catalogue + " is a folder."},
        {"locked", [&] { ASSERT_TRUE(SqliteFile::copySample(name, tmp.path())); },
         "The database " + name + " is in use by another program.", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Globals::Set_App_Folder_For_Tests(QString());
        files->queuePath(seed);
        main->mnuOpen()->trigger();
        ASSERT_EQ(buttonStates(), "011101");
        QFile::remove(catalogue);
        QDir(catalogue).removeRecursively();
        c.make();
        Globals::Set_App_Folder_For_Tests(tmp.path());
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        QSqlQuery lock;
        if (c.locked) {
            other.setDatabaseName(catalogue);
            ASSERT_TRUE(other.open());
            lock = QSqlQuery(other);
            ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            ASSERT_TRUE(lock.exec(QStringLiteral("SELECT count(*) FROM Drives")));
        }
        msg->clear();
        files->queuePath(seed);
        main->mnuOpen()->trigger();
        processEvents();
        EXPECT_EQ(msg->prompts(), QStringList({"Database not found or opened with exclusive rights", c.cause}));
        EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
        EXPECT_TRUE(shown("frmSelection"));
        EXPECT_EQ(buttonStates(), "110000");
        EXPECT_EQ(main->windowTitle(), "Brevan Quenro");
        EXPECT_FALSE(Globals::Loading_Project || Globals::Loading_Lists);
        lock = QSqlQuery();
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other program"));
    }
}

// Every file the program writes is named in the status bar until the next message, also when no
// program opens it; an opener missing or failing is told in a message box. A price run that writes
// nothing, an Open and a Close leave no older line. Every file dialog starts where the one before
// it returned a path, never in the program's folder.
TEST_F(DriveProject, EveryWrittenFileIsNamedInTheStatusBar)
{
    QString folder = FileDialog::startFolder();
    EXPECT_NE(QDir(folder), QDir(Globals::Application_Folder()));
    const QString seed = QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file/kx-servo.dat");
    files->queuePath(seed);
    main->mnuOpen()->trigger();
    EXPECT_EQ(files->calls().last().startFolder, folder);
    folder = QFileInfo(seed).absolutePath();
    ASSERT_TRUE(QDir(tmp.path()).mkdir(QStringLiteral("other")));
    ASSERT_TRUE(QFile::copy(seed, path("kx-servo.dat")));
    HttpTestServer server;
    server.setResponder([](const HttpTestServer::Request& request) {
        return HttpTestServer::Reply{200, "OK", HttpTestServer::answerFor(request.body, "20240915", "EA"), false};
    });
    const QList<std::tuple<QString, QString, std::function<void()>>> writes = {
        {"axis.dat", "Project", [this] { main->mnuSave_As()->trigger(); }},
        {"", "Project", [this] { main->mnuSave()->trigger(); }}, // to the same file, without asking
        {"other/report.txt", "Report", [this] { main->mnuExport_Data()->trigger(); }},
        {"prices.txt", "Price table", [this] { main->createXMLfor_Extranet(); }},
        {"other/curve.csv", "Curve", [] {
             Forms::find("frmDrive_Setup")->findChild<QPushButton*>("cmdCurve")->click();
             Forms::find<frmCurve>("frmCurve")->cmdExport()->click();
         }},
        {"report.txt", "Report",
         [this] { shell->setOpener(ShellOpen::Seam::Missing); main->mnuExport_Data()->trigger(); }},
        {"prices.txt", "Price table",
         [this] { shell->setOpener(ShellOpen::Seam::Fails); main->createXMLfor_Extranet(); }},
        {"", "", [this] { files->queueCancel(); main->createXMLfor_Extranet(); }},
        {"report.txt", "Report", [this] { shell->setOpener(ShellOpen::Seam::Opens); main->mnuExport_Data()->trigger(); }},
        {"", "", [this] { files->queuePath(path("kx-servo.dat")); main->mnuOpen()->trigger(); }},
        {"report.txt", "Report", [this] { main->mnuExport_Data()->trigger(); }},
        {"", "", [this] { main->mnuClose()->trigger(); }},
    };
    QString written;
    for (const auto& [file, what, command] : writes) {
        if (!file.isEmpty())
            files->queuePath(written = path(file));
        // A command that writes says so itself; one that writes nothing takes the line before it away.
        if (!what.isEmpty())
            main->statusBar()->clearMessage();
        command();
        processEvents();
        const QString line = what.isEmpty() ? QString() : what + " written to " + written;
        EXPECT_EQ(main->statusBar()->currentMessage(), line) << what.toStdString();
        // It stays until the next message: no time-out, and no menu opened and moved over (Escape closes it).
        const QTimer* timeout = main->statusBar()->findChild<QTimer*>();
        EXPECT_FALSE(timeout && timeout->isActive()) << what.toStdString();
        main->menuBar()->setActiveAction(main->menuBar()->actions().constFirst());
        QMenu* menu = main->menuBar()->actions().constFirst()->menu();
        for (QAction* item : menu->actions())
            menu->setActiveAction(item);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(menu, &escape);
        processEvents();
        EXPECT_FALSE(menu->isVisible());
        EXPECT_EQ(main->statusBar()->currentMessage(), line);
        if (!file.isEmpty()) {
            EXPECT_EQ(files->calls().last().startFolder, folder) << file.toStdString();
            folder = QFileInfo(written).absolutePath();
        }
    }
    EXPECT_EQ(files->calls().size(), 11);
    // An opener missing or failing keeps its own message.
    const QString unopened = QStringLiteral("The file was written to %1.\nNo program on this computer is set up to open it.");
    EXPECT_EQ(msg->prompts(), QStringList({unopened.arg(path("report.txt")), unopened.arg(path("prices.txt"))}));
}
