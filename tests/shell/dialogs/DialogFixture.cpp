#include "DialogFixture.h"

#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

QStringList& callLog()
{
    static QStringList log;
    return log;
}

namespace {

void logCall(const QString& call)
{
    callLog() << call + (Globals::Loading_Lists ? QStringLiteral("{L}") : QString());
}

} // namespace

TestSetupForm::TestSetupForm(const QString& name)
    : Form(name), shaft(new ListControl(this)), options(new ListControl(this))
{
    shaft->setObjectName(QStringLiteral("cmbShaft_options"));
    options->setObjectName(QStringLiteral("cmbOptions"));
    shaft->setClickHandler([this] { logCall(Name() + ".cmbShaft_options[" + shaft->text() + "]"); });
    options->setClickHandler([this] {
        const AxisRecord& r = Globals::Current_Record();
        logCall(Name() + ".cmbOptions[" + options->text() + "|" + r.Shaft_Option + "|" + r.Gearhead_Code + "]");
    });
}

void TestSetupForm::Update_Accessories_Display()
{
    logCall(Name() + ".Update_Accessories_Display");
}

TestOptionsForm::TestOptionsForm(const QString& name)
    : Form(name)
{
    for (int i = 0; i < 6; ++i) {
        cmb1[i] = new ListControl(this);
        cmb1[i]->setObjectName(QStringLiteral("cmb1(%1)").arg(i));
    }
}

void TestOptionsForm::Update_Accessories_Display()
{
    logCall(Name() + ".Update_Accessories_Display");
}

void DialogFixture::SetUp()
{
    AppFixture::SetUp();
    callLog().clear();
    for (const char* name : {"frmDrive_Setup", "frmDriveController_Setup", "frmController_Setup"})
        Forms::registerForm(name, [name] { return new TestSetupForm(QString::fromLatin1(name)); });
    for (const char* name : {"frmControl", "frmDriveControl"})
        Forms::registerForm(name, [name] { return new TestOptionsForm(QString::fromLatin1(name)); });
    buildDatabase({
        "CREATE TABLE Gearhead ([Motor Name] TEXT COLLATE NOCASE, Frame_Size TEXT COLLATE NOCASE, "
        "Stack_Length TEXT COLLATE NOCASE, GXX TEXT COLLATE NOCASE, Notes TEXT COLLATE NOCASE)",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-10','Ratio 10:1, backlash 8 arcmin')",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-05','Ratio 5:1')",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-10','Ratio 10:1, second row')",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-03',NULL)",
        "INSERT INTO Gearhead VALUES ('KX','16','3','GP16-20','other stack')",
        "INSERT INTO Gearhead VALUES ('KX','23','2','GP23-05','other frame')",
        "INSERT INTO Gearhead VALUES ('O''Hare','23','1','GO-07','quoted series')",
        "CREATE TABLE ExpIO ([Expansion IO Type] TEXT COLLATE NOCASE, [DUW Number] TEXT COLLATE NOCASE, "
        "[DUW Description] TEXT COLLATE NOCASE, [Required Quantity] TEXT COLLATE NOCASE)",
        "INSERT INTO ExpIO VALUES ('DUW','DUW-OUT8','8 Outputs','0')",
        "INSERT INTO ExpIO VALUES ('DUW','DUW-IN8','8 Inputs','1')",
        "INSERT INTO ExpIO VALUES ('DUW','DUW-AN4','4 Analog Inputs',NULL)",
    });
    Globals::System_Database = Database::open(dir.filePath("System Databases97.mdb"));
}

void DialogFixture::TearDown()
{
    AppFixture::TearDown();
    Globals::System_Database.Close();
    Globals::Shared_Recordset = Recordset();
}

void DialogFixture::buildDatabase(const QStringList& statements)
{
    ASSERT_TRUE(dir.isValid());
    const QString connection = QStringLiteral("dialog-fixture-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(dir.filePath("System Databases97.mdb"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        db.transaction();
        for (const QString& statement : statements)
            ASSERT_TRUE(q.exec(statement)) << statement.toStdString() << q.lastError().text().toStdString();
        ASSERT_TRUE(db.commit());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}
