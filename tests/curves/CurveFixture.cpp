#include "CurveFixture.h"

#include "curves/CurveNumbers.h"
#include "curves/frmCurve.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "sizing/MotorModelACX.h"
#include "support/SqliteFile.h"

#include <QFile>

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
            "(7, 4, 2, 1.004, 1, 0)"
         << "INSERT INTO MotorPerformance VALUES (9, 1, 2, NULL, 1, 0)"
         << "INSERT INTO MotorData VALUES (10, 'DD-BIG', 'CT', '06', '230VAC')"
         << "INSERT INTO Drives VALUES (6, 'BDD-B', 10, 'BDD')";
    for (int i = 0; i < 101; ++i)
        rows << QStringLiteral("INSERT INTO MotorPerformance VALUES (10, %1, 2, 1, 1, 0)").arg(i);
    return rows;
}

QStringList stepperRows()
{
    QStringList rows = kStepperSchema;
    rows << "INSERT INTO MotorData VALUES (1, 'ST1__(SER,48VDC)', 'SX', '17', '1', 'A', 'SERIES', 'ST1', '48VDC')"
         << "INSERT INTO MotorData VALUES (2, 'ST1__(PAR,48VDC)', 'SX', '17', '1', 'A', 'PARALLEL', 'ST1', '48VDC')"
         << "INSERT INTO MotorData (ID, ProductKey) VALUES (3, 'ST2__(SER,48VDC)')"
         << "INSERT INTO Drives VALUES (11, 'Micro', 'SMD-A', 1), (12, 'Micro', 'SMD-B', 1), (13, 'Micro', 'SMD-A', 2), "
            "(14, 'Micro', 'SMD-D', 1), (15, 'Micro', 'SMD-A', 3)";
    // Points of another drive of the same motor must stay out.
    for (const char* p : {"1, 11, 0, 1.2", "1, 11, 1.5, 1.1", "1, 11, 2.5, 1.005", "1, 11, 10, 0.8",
                          "1, 12, 5, 9.9", "2, 13, 0, 2.4", "2, 13, 20, 0.4", "3, 15, 0, 1.2", "3, 15, 10, 0.8"})
        rows << QStringLiteral("INSERT INTO MotorPerformance (MotorID, DriveID, Speed, Torque) VALUES (%1)")
                    .arg(QLatin1String(p));
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

void CurveFixture::makeDatabase(const QString& fileName, const QStringList& statements)
{
    QFile::remove(folder.filePath(fileName));
    ASSERT_EQ(SqliteFile::run(folder.filePath(fileName), statements), QString());
}

void CurveFixture::useTestFolder()
{
    Globals::Set_App_Folder_For_Tests(folder.path());
}

void CurveFixture::copyCatalogue(const QString& fileName, const QStringList& statements)
{
    ASSERT_TRUE(SqliteFile::copySample(fileName, folder.path()));
    ASSERT_EQ(SqliteFile::run(folder.filePath(fileName), statements), QString());
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

void CurveFixture::setAxis(const char* type, const QString& motor, const QString& drive)
{
    axis().Part_Number_Type = QLatin1String(type);
    axis().Curve_Motor_Part_Number = motor;
    axis().Curve_Drive_Part_Number = drive;
}

frmCurve* CurveFixture::showDirectDrive(const QString& motor, const QString& drive)
{
    makeDatabase(QStringLiteral("BrevanDirectDrive97.mDB"), directDriveRows());
    useTestFolder();
    setAxis("Colbitum", motor, drive);
    return showCurve();
}

frmCurve* CurveFixture::showStepperAxis(const QString& motor, const QString& wiring, const QString& voltage,
                                        const QString& drive)
{
    setAxis("Stepper", motor, drive);
    axis().Motor_Wiring = wiring;
    axis().Drive_Voltage = voltage;
    return showCurve();
}

frmCurve* CurveFixture::showStepper(const QString& motor, const QString& wiring, const QString& drive)
{
    makeDatabase(QStringLiteral("BrevanSteppers97.mDB"), stepperRows());
    useTestFolder();
    axis().Bus_Voltage = 48;
    return showStepperAxis(motor, wiring, QStringLiteral("48VDC"), drive);
}

void CurveFixture::useServoPair()
{
    AxisRecord& r = axis();
    setAxis("L7_Servo", QStringLiteral("KX232AE"), QStringLiteral("BSD2303"));
    r.Drive_Voltage = QStringLiteral("230VAC");
    r.Bus_Voltage = 325;
}

frmCurve* CurveFixture::showServo(const QStringList& catalogueChanges)
{
    if (!catalogueChanges.isEmpty())
        copyCatalogue(QStringLiteral("BrevanServos_USA97.mDB"), catalogueChanges);
    useServoPair();
    return showCurve();
}

AxisRecord& CurveFixture::axis()
{
    return Globals::Current_Record();
}
