#include "DriveFormTest.h"

#include "platform/DatabaseError.h"
#include "platform/ListControl.h"
#include "setup/drive/frmDrive_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"
#include "support/SqliteFile.h"

#include <QAction>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QString kCatalogue = QStringLiteral("System Databases97.mdb");
const QString kNotFound = QStringLiteral("Database not found or opened with exclusive rights");
const QString kNoBsd460 = QStringLiteral(
    "The database System Databases97.mdb has no row for \"BSD-460\" in column \"Drive Construction.Drive Name\".");

const QString kVoltageLeft = QStringLiteral("The project file and the database System Databases97.mdb differ; the "
                                            "project now holds what the database offers:\r\n")
    + kNoBsd460
    + QStringLiteral("\r\nDrive input voltage: \"460VAC\" in the project file, none now.\r\n"
                     "Drive part number: \"BSD4604-A0\" in the project file, none now.");

class BrokenCatalogueTest : public DriveFormTest {};

} // namespace

TEST_F(BrokenCatalogueTest, FileWithoutTheCatalogueIsRefusedLikeAMissingOne)
{
    const struct {
        const char* what;
        QStringList statements; // empty: a file of 0 bytes
    } cases[] = {
        {"0 bytes", {}},
        {"an empty database", {"CREATE TABLE t (x)", "DROP TABLE t"}},
        {"another program's database", {"CREATE TABLE Invoices (Number INTEGER, Customer TEXT)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(kCatalogue);
        if (c.statements.isEmpty()) {
            QFile empty(path);
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        } else {
            ASSERT_EQ(SqliteFile::run(path, c.statements), QString());
        }
        Globals::Set_App_Folder_For_Tests(folder.path());
        EXPECT_THROW(Globals::Open_Database(), DatabaseError);
        EXPECT_EQ(msg->prompts(), QStringList{kNotFound});
        EXPECT_FALSE(Globals::System_Database.isOpen());
        msg->clear();
    }
}

TEST_F(BrokenCatalogueTest, MissingTableOrColumnIsNamedAndTheFormStaysUsable)
{
    const struct {
        const char* statement;
        QString message;
    } cases[] = {
        {"DROP TABLE [Shaft Options]", "The database System Databases97.mdb has no table \"Shaft Options\"."},
        {"ALTER TABLE [Shaft Options] DROP COLUMN Shaft_Options",
         "The database System Databases97.mdb has no column \"Shaft Options.Shaft_Options\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        useCatalogueWith({c.statement});
        configure({"Servo", "BSD-460", "LM", "80", "2", ""});
        msg->clear();
        pick("cmbFeedback", "R = Resolver");
        expectOnlyMessage(c.message, MsgBox::OKOnly);
        EXPECT_FALSE(Globals::Loading_Lists);
        EXPECT_FALSE(form()->findChild<QWidget*>(QStringLiteral("ResultArea"))->isHidden());
        // The lists above still answer: another series refills the frame sizes.
        msg->clear();
        pick("cmbMotor_Series", "KX");
        EXPECT_TRUE(msg->messages().isEmpty());
        EXPECT_FALSE(items("cmbFrame_size").isEmpty());
        Forms::unloadAll();
        processEvents();
        Globals::Reset_All_State();
    }
}

TEST_F(BrokenCatalogueTest, ReplacedCatalogueIsReadAtTheNextReset)
{
    useCatalogueWith({});
    frmDrive_Setup* f = form();
    pick("cmbMotor_Tech", "Servo");
    ASSERT_TRUE(items("cmbDrive").contains("BSD-48"));
    // A new file renamed over the open one, as an installer would.
    QTemporaryDir staging;
    ASSERT_TRUE(SqliteFile::copySample(kCatalogue, staging.path()));
    ASSERT_EQ(SqliteFile::run(staging.filePath(kCatalogue), {"DELETE FROM Drives WHERE [Drive Name] = 'BSD-48'"}),
              QString());
    const QString path = Globals::App_Path + kCatalogue;
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(staging.filePath(kCatalogue), path));
    f->Reset();
    pick("cmbMotor_Tech", "Servo");
    EXPECT_FALSE(items("cmbDrive").contains("BSD-48"));
    EXPECT_TRUE(msg->messages().isEmpty());

    // A kept connection skips the catalogue check; a foreign file put in its
    // place is checked again.
    const QString foreign = staging.filePath(QStringLiteral("foreign.db"));
    ASSERT_EQ(SqliteFile::run(foreign, {"CREATE TABLE Invoices (Number INTEGER)"}), QString());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(foreign, path));
    EXPECT_THROW(f->Reset(), DatabaseError);
    EXPECT_EQ(msg->prompts(), QStringList{kNotFound});
}

// Open names the catalogue's fault, never the project file's: a renamed
// column, a drive without its construction row (the voltage that needs it is
// left for the user, the project opens). An emptied table is a valid
// catalogue: a project that uses none of its rows opens as saved, one that
// names a product gone is refused as no longer available.
TEST_F(BrokenCatalogueTest, OpenNamesTheCataloguesFaultNotTheFiles)
{
    useCatalogueWith({});
    configure(kLmServo);
    pick("cmbDriveVoltage", "460VAC");
    const AxisRecord saved = record();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lm.dat"));
    ASSERT_TRUE(Globals::Write_File(path, form()->Save_String(), true));
    const struct {
        const char* statement;
        QString message; // empty: opens as saved
    } cases[] = {
        {"ALTER TABLE [Controller Accessories] RENAME COLUMN [Controller Accessory] TO Accessory",
         "The database System Databases97.mdb has no column \"Controller Accessories.Controller Accessory\"."},
        {"DELETE FROM Drives", kLoadError},
        {"DELETE FROM [Drive Construction]", kVoltageLeft},
        {"DELETE FROM [Drive Construction] WHERE [Drive Name] = 'BSD-460'", kVoltageLeft},
        // A series without a name is not listed: no damage to name, the motor is no longer offered.
        {"UPDATE Motors SET [Motor Name] = NULL WHERE [Motor Name] = 'LM'", kLoadError},
        {"DELETE FROM [Drive Accessories]", {}},
        {"DELETE FROM [Drive Only Accessories]", {}},
        {"DELETE FROM Gearhead", {}},
        {"DELETE FROM ExpIO", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        useCatalogueWith({c.statement});
        msg->clear();
        files->queuePath(path);
        mainWindow().mnuOpen()->trigger();
        EXPECT_FALSE(Globals::Loading_Project || Globals::Loading_Lists);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(msg->prompts().isEmpty()) << msg->prompts().join('|').toStdString();
            EXPECT_EQ(Globals::Project_Path, path);
            EXPECT_EQ(record(), saved);
            continue;
        }
        if (c.message == kVoltageLeft) {
            EXPECT_EQ(msg->prompts(), QStringList {kVoltageLeft});
            EXPECT_EQ(Globals::Project_Path, path);
            EXPECT_EQ(record().Drive_Voltage, QString());
            EXPECT_EQ(record().Motor_Part_Number, saved.Motor_Part_Number);
            continue;
        }
        EXPECT_EQ(msg->prompts(), QStringList {c.message});
        EXPECT_EQ(mainWindow().windowTitle(), kTitle);
        EXPECT_TRUE(Globals::Project_Path.isEmpty());
        EXPECT_EQ(record(), AxisRecord {});
    }
}

// A choice the catalogue cannot bill is not taken: the fault is named, the
// list shows its former entry again and the record is as before. A voltage
// without the drive's construction row, a cable length without its part
// number, a motor whose cable has a row without its length.
TEST_F(BrokenCatalogueTest, AChoiceTheCatalogueCannotBillIsNotTaken)
{
    const QString database = "The database System Databases97.mdb ";
    const struct {
        const char* statement;
        const char* list;
        const char* entry;
        QString message;
    } cases[] = {
        {"DELETE FROM [Drive Construction] WHERE [Drive Name] = 'BSD-460'", "cmbDriveVoltage", "460VAC", kNoBsd460},
        {"UPDATE Cables SET [Cable Part Number] = NULL WHERE Cable = 'MPC-S3' AND Length = '10'",
         "cmbMotor_Cable_Length", "10",
         database + "has no value in column \"Cables.Cable Part Number\" for \"MPC-S3\", \"10\"."},
        {"UPDATE Cables SET [Cable Part Number] = '' WHERE Cable = 'FBC-R'", "cmbFeedback_Cable_Length", "5",
         database + "has no value in column \"Cables.Cable Part Number\" for \"FBC-R\", \"5\"."},
        {"UPDATE Cables SET Length = NULL WHERE Cable = 'MPC-S3' AND Length = '10'", "cmbOptions", "0 = Standard",
         database + "has no value in column \"Cables.Length\" for \"MPC-S3\"."},
    };
    const QStringList path = kLmServo + QStringList {"460VAC", ""};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        useCatalogueWith({c.statement});
        configure(path.mid(0, kCascadeLists.indexOf(c.list)));
        const AxisRecord before = record();
        const int former = list(c.list)->listIndex();
        msg->clear();
        pick(c.list, c.entry);
        expectOnlyMessage(c.message, MsgBox::OKOnly);
        EXPECT_EQ(list(c.list)->listIndex(), former);
        EXPECT_EQ(record(), before);
        EXPECT_FALSE(Globals::Loading_Lists);
        Forms::unloadAll();
        processEvents();
        Globals::Reset_All_State();
    }
}

// Another program's exclusive lock is named as such, at the start and in a session.
TEST_F(BrokenCatalogueTest, ACatalogueHeldByAnotherProgramIsNamedInUse)
{
    const QString inUse = QStringLiteral("The database System Databases97.mdb is in use by another program.");
    useCatalogueWith({});
    const QString path = Globals::Application_Folder() + kCatalogue;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        const auto hold = [&] {
            ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            ASSERT_TRUE(lock.exec(QStringLiteral("SELECT count(*) FROM Drives")));
        };
        hold();
        try {
            form();
            ADD_FAILURE() << "the form opened a catalogue held by another program";
        } catch (const DatabaseError& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), inUse);
        }
        EXPECT_EQ(msg->prompts(), QStringList {kNotFound});
        ASSERT_TRUE(lock.exec(QStringLiteral("COMMIT")));

        msg->clear();
        pick("cmbMotor_Tech", "Servo");
        hold();
        pick("cmbDrive", "BSD-460");
        expectOnlyMessage(inUse, MsgBox::OKOnly);
        EXPECT_FALSE(Globals::Loading_Lists);
        ASSERT_TRUE(lock.exec(QStringLiteral("COMMIT")));
        lock.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other program"));
}
