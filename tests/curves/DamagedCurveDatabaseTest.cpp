#include "CurveFixture.h"

#include "curves/frmCurve.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QFile>

namespace {

const QString kServo = QStringLiteral("BrevanServos_USA97.mDB");
const QString kDirectDrive = QStringLiteral("BrevanDirectDrive97.mDB");
const QString kStepper = QStringLiteral("BrevanSteppers97.mDB");

class DamagedCurveDatabaseTest : public CurveFixture {
protected:
    // The curve button of the catalogue's pair whose curve lives in the file.
    frmCurve* showPairOf(const QString& file)
    {
        if (file == kServo) {
            useServoPair();
        } else if (file == kDirectDrive) {
            setAxis("Colbitum", "CT06150-230", "BDD230");
        } else {
            setAxis("Stepper", "SX171A", "SMD48-3");
            axis().Motor_Wiring = "SERIES";
            axis().Drive_Voltage = "24VDC";
        }
        frmCurve* shown = showCurve();
        told << msg->prompts();
        msg->clear();
        Forms::unloadAll();
        processEvents();
        Globals::Reset_All_State();
        Globals::Current_Axis = 1;
        return shown;
    }

    QStringList told;
};

} // namespace

// A value a curve needs that is text, Null or empty is the curve database's
// damage, told below "Performance Curve Not Found" by file, table, column and row,
// and nothing is drawn; a 0 is data for the library to judge.
TEST_F(DamagedCurveDatabaseTest, AValueTheCurveNeedsIsCheckedAndItsDamageNamed)
{
    const struct {
        QString file;
        QString table;
        QString row; // the WHERE of the change
        QString named; // how the message names the row
        QStringList settings;
        QString wanted = QStringLiteral("number");
    } damages[] = {
        {kServo, "MotorData", "ProductKey='KX232AE'", "\"KX232AE\"",
         {"MaxSpeed='abc'", "WindingResistance=''", "MotorKb=NULL"}},
        {kServo, "AmplifierDataTable", "PartNumber='BSD2303'", "\"BSD2303\"", {"IpDrivePeakSine='x'"}},
        {kDirectDrive, "MotorPerformance", "MotorID=1", "\"CT06150-230\"", {"Speed='abc'"}},
        {kDirectDrive, "MotorPerformance", "MotorID=1", "\"CT06150-230\"", {"PeakCurve=NULL"}, "Yes/No value"},
        {kDirectDrive, "MotorData", "ProductKey='CT06150-230'", "\"CT06150-230\"", {"ID=NULL"}},
        {kStepper, "MotorPerformance", "MotorID=1", "\"SX171A__(SER,24VDC)\", \"SMD48-3\"", {"Torque=''"}},
    };
    for (const auto& d : damages) {
        for (const QString& setting : d.settings) {
            SCOPED_TRACE(setting.toStdString());
            copyCatalogue(d.file, {QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(d.table, setting, d.row)});
            told.clear();
            EXPECT_EQ(showPairOf(d.file), nullptr);
            EXPECT_EQ(told, QStringList({QStringLiteral("Performance Curve Not Found\nThe database %1 has no %2 in "
                                                        "column \"%3.%4\" for %5.")
                                             .arg(d.file, d.wanted, d.table, setting.section('=', 0, 0), d.named)}));
        }
    }

    // Zeros are values.
    copyCatalogue(kServo, {"UPDATE MotorData SET Damping=0, Friction=0 WHERE ProductKey='KX232AE'"});
    told.clear();
    EXPECT_NE(showPairOf(kServo), nullptr);
    copyCatalogue(kDirectDrive, {"UPDATE MotorPerformance SET Torque=0 WHERE MotorID=1"});
    EXPECT_NE(showPairOf(kDirectDrive), nullptr);
    EXPECT_EQ(told, QStringList());

    // Damage of the file itself is named on the same second line.
    copyCatalogue(kDirectDrive, {"ALTER TABLE MotorPerformance DROP COLUMN Torque"});
    EXPECT_EQ(showPairOf(kDirectDrive), nullptr);
    QFile junk(folder.filePath(kStepper));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray("no database, only text to fill the header of one ").repeated(40));
    junk.close();
    useTestFolder();
    EXPECT_EQ(showPairOf(kStepper), nullptr);
    EXPECT_EQ(told, QStringList({"Performance Curve Not Found\nThe database " + kDirectDrive
                                     + " has no column \"MotorPerformance.Torque\".",
                                 "Database not found or already opened with exclusive rights\nThe file " + kStepper
                                     + " is not a database.",
                                 "Performance Curve Not Found"}));
}
