#include "CurveFixture.h"

#include "curves/CurveNumbers.h"
#include "curves/frmCurve.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "sizing/MotorModelACX.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

const QStringList kDirectDriveSchema = {
    "CREATE TABLE MotorData (ID INTEGER, ProductKey TEXT COLLATE NOCASE, MotorSeriesName TEXT, FrameSize TEXT, "
    "Voltage TEXT)",
    "CREATE TABLE Drives (ID INTEGER, Name TEXT COLLATE NOCASE, MotorID INTEGER, AmpFamily TEXT)",
    "CREATE TABLE MotorPerformance (MotorID INTEGER, Speed REAL, SpeedUnitID INTEGER, Torque REAL, "
    "TorqueUnitID INTEGER, PeakCurve INTEGER)",
};

const QStringList kStepperSchema = {
    "CREATE TABLE MotorData (ID INTEGER, ProductKey TEXT COLLATE NOCASE, MotorSeriesName TEXT, FrameSize TEXT, "
    "MotorStackNumber TEXT, MotorWindingLetter TEXT, MotorWiringType TEXT, MotorPartNumber TEXT, Voltage TEXT)",
    "CREATE TABLE Drives (ID INTEGER, AmpFamily TEXT, Name TEXT COLLATE NOCASE, MotorID INTEGER)",
    "CREATE TABLE MotorPerformance (MotorID INTEGER, DriveID INTEGER, Speed REAL, SpeedUnitID INTEGER, "
    "Torque REAL, TorqueUnitID INTEGER)",
};

namespace {

QStringList directDriveRows()
{
    QStringList rows = kDirectDriveSchema;
    rows << "INSERT INTO MotorData VALUES (7, 'DD-5C3P', 'CT', '06', '230VAC')"
         << "INSERT INTO MotorData VALUES (8, 'DD-EMPTY', 'CT', '06', '230VAC')"
         << "INSERT INTO MotorData VALUES (9, 'DD-NULL', 'CT', '06', '230VAC')"
         << "INSERT INTO Drives VALUES (3, 'BDD-X', 7, 'BDD')"
         << "INSERT INTO Drives VALUES (4, 'BDD-E', 8, 'BDD')"
         << "INSERT INTO Drives VALUES (5, 'BDD-E', 9, 'BDD')"
         << "INSERT INTO MotorPerformance VALUES (7, 0, 2, 2, 1, 0), (7, 0, 2, 6, 1, 1), (7, 1, 2, 2, 1, 0), "
            "(7, 1, 2, 5, 1, 1), (7, 2, 2, 1.8, 1, 0), (7, 2.25, 2, 3, 1, 1), (7, 3, 2, 1.5, 1, 0), "
            "(7, 4, 2, 1.004, 1, NULL)"
         << "INSERT INTO MotorPerformance VALUES (9, 1, 2, NULL, 1, 0)";
    return rows;
}

} // namespace

void CurveFixture::SetUp()
{
    AppFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    socx = std::make_unique<Pulvane_V4::MotorModelACX>();
    Globals::Set_SOCX(socx.get());
    Globals::System_Type = 4;
    Globals::Current_Axis = 1;
}

void CurveFixture::TearDown()
{
    AppFixture::TearDown();
    Globals::Set_SOCX(nullptr);
    socx.reset();
}

namespace {

// Runs the statements on the file (created when missing); the first failure is returned.
QString runStatements(const QString& path, const QStringList& statements)
{
    const QString connection = QStringLiteral("curve-fixture");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            db.transaction();
            QSqlQuery q(db);
            for (const QString& sql : statements)
                if (error.isEmpty() && !q.exec(sql))
                    error = q.lastError().text() + QStringLiteral(" in ") + sql;
            db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

} // namespace

void CurveFixture::makeDatabase(const QString& fileName, const QStringList& statements)
{
    QFile::remove(folder.filePath(fileName));
    ASSERT_EQ(runStatements(folder.filePath(fileName), statements), QString());
}

void CurveFixture::useTestFolder()
{
    Globals::Set_App_Folder_For_Tests(folder.path());
}

void CurveFixture::copyCatalogue(const QString& fileName, const QStringList& statements)
{
    const QString target = folder.filePath(fileName);
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName, target));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(runStatements(target, statements), QString());
    useTestFolder();
}

frmCurve* CurveFixture::showCurve()
{
    frmCurve::Show_Axis_Curve(axis());
    return window();
}

frmCurve* CurveFixture::window() const
{
    return Forms::find<frmCurve>(QStringLiteral("frmCurve"));
}

const CurveTable& CurveFixture::table() const
{
    return window()->Chart_Data();
}

QString CurveFixture::row(int r) const
{
    QStringList cells;
    for (int c = 1; c <= table().columns(); ++c)
        cells << (table().has(r, c) ? CurveNumbers::toText(table().value(r, c)) : QStringLiteral("-"));
    return cells.join(QLatin1Char('/'));
}

int CurveFixture::filledRows() const
{
    int n = 0;
    for (int r = 0; r < CurveTable::Rows; ++r)
        for (int c = 1; c <= table().columns(); ++c)
            if (table().has(r, c)) {
                ++n;
                break;
            }
    return n;
}

void CurveFixture::showDirectDrive(const QString& motor, const QString& drive)
{
    makeDatabase(QStringLiteral("BrevanDirectDrive97.mDB"), directDriveRows());
    useTestFolder();
    axis().Part_Number_Type = QStringLiteral("Colbitum");
    axis().Curve_Motor_Part_Number = motor;
    axis().Curve_Drive_Part_Number = drive;
    showCurve();
}

void CurveFixture::useServoPair()
{
    AxisRecord& r = axis();
    r.Part_Number_Type = QStringLiteral("L7_Servo");
    r.Curve_Motor_Part_Number = QStringLiteral("KX232AE");
    r.Curve_Drive_Part_Number = QStringLiteral("BSD2303");
    r.Drive_Voltage = QStringLiteral("230VAC");
    r.Bus_Voltage = 325;
}

AxisRecord& CurveFixture::axis()
{
    return Globals::Current_Record();
}
