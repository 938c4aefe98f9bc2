#include "CurveFixture.h"

#include "curves/ServoCurveData.h"
#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QValueAxis>

using namespace ServoCurveData;

// KX232AE on BSD2303 at 325 V: expected rows worked out from the model
// formulas: continuous torque is the thermal limit (Kb x I6 x 141.6 less
// friction, I6 from the 130 degree budget), 266.35 oz-in at rest; peak is the
// short-time thermal limit (Rptc 3) until the 2200 W peak power limit (row 75)
// and the voltage limit (from row 76) take over; the continuous curve meets
// the voltage limit at row 93; the back EMF reaches the bus at 5000 rpm (the
// top speed 325 / (2 x 3.14159 x Kb) rps), where the curve closes.

class ServoCurveTest : public CurveFixture {
protected:
    QStringList frequencies() const { return window()->cmbSwitching_Frequency()->items(); }
    QString message() const { return window()->txtmsg()->toPlainText(); }
};

TEST_F(ServoCurveTest, FirstDrawOfTheCatalogueCurve)
{
    frmCurve* w = showServo();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(w->Caption(), "Performance Curve for a BSD2303 & KX232AE @230VAC");
    EXPECT_EQ(message(), "Motor/Drive Combo Passed.\n Okay.\n");
    EXPECT_FALSE(w->txtmsg()->isHidden());
    EXPECT_FALSE(w->lblmsg()->isHidden());

    EXPECT_EQ(frequencies(), (QStringList{"4", "8", "16"}));
    EXPECT_EQ(w->cmbSwitching_Frequency()->text(), "4");
    EXPECT_EQ(axis().Switching_Frequency, "4 kHz");
    EXPECT_EQ(w->cmbSpeed_units()->items(), (QStringList{"rpm", "rps", "rad/s"}));
    EXPECT_EQ(w->cmbTorque_Units()->items(), (QStringList{"oz-in", "in-lb", "ft-lb", "N-m"}));
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rpm");
    EXPECT_EQ(w->cmbTorque_Units()->text(), "oz-in");
    EXPECT_FALSE(Globals::Loading_Lists);
    for (QWidget* c : std::initializer_list<QWidget*>{w->lblSwitching_Frequency(), w->cmbSwitching_Frequency(),
                                                      w->lblSpeed_Units(), w->cmbSpeed_units(),
                                                      w->lblTorque_Units(), w->cmbTorque_Units(), w->MSChart1()})
        EXPECT_FALSE(c->isHidden()) << qPrintable(c->objectName());

    EXPECT_EQ(row(0), "0/266.35/0/804.43");
    EXPECT_EQ(row(1), "51/266.106/51/804.303");
    EXPECT_EQ(row(2), "101/265.854/101/804.174");
    EXPECT_EQ(row(75), "3788/221.079/3788/785.346"); // peak held to 2200 W
    EXPECT_EQ(row(76), "3838/220.04/3838/767.792");  // peak on the voltage limit
    EXPECT_EQ(row(93), "4697/179.518/4697/179.518"); // both on the voltage limit
    EXPECT_EQ(row(98), "4949/21.373/4949/21.373");
    EXPECT_EQ(row(99), "5000/0/5000/0"); // closing point
    EXPECT_EQ(row(100), "-/-/-/-");
    EXPECT_EQ(filledRows(), 100);

    const auto axes = w->MSChart1()->chart()->axes();
    ASSERT_EQ(axes.size(), 2);
    EXPECT_EQ(axes[0]->titleText(), "Speed (rpm)");
    EXPECT_EQ(axes[1]->titleText(), "Torque (oz-in)");
    EXPECT_EQ(w->MSChart1()->chart()->series().size(), 2);
}

TEST_F(ServoCurveTest, RedrawInOtherUnitsAndAtAnotherFrequency)
{
    frmCurve* w = showServo();
    ASSERT_NE(w, nullptr);

    w->cmbSpeed_units()->choose(QStringLiteral("rps"));
    w->cmbTorque_Units()->choose(QStringLiteral("N-m"));
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rps");
    EXPECT_EQ(row(0), "0/1.881/0/5.681");
    EXPECT_EQ(row(1), "0.85/1.879/0.85/5.68");
    EXPECT_EQ(row(93), "78.2833333333333/1.268/78.2833333333333/1.268");
    EXPECT_EQ(row(99), "83.3333333333333/0/83.3333333333333/0");
    const auto axes = w->MSChart1()->chart()->axes();
    EXPECT_EQ(axes[0]->titleText(), "Speed (rps)");
    EXPECT_EQ(axes[1]->titleText(), "Torque (N-m)");

    // 8 kHz derates the drive to 3.9 A / 11.7 A, still more than the motor's thermal limits
    // allow: the same curve.
    w->cmbSwitching_Frequency()->choose(QStringLiteral("8"));
    EXPECT_EQ(axis().Switching_Frequency, "8 kHz");
    EXPECT_EQ(Servo_Drive.SwitchFreq, 8.0);
    EXPECT_EQ(message(), "Motor/Drive Combo Passed.\n Okay.\n");
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rps");
    EXPECT_EQ(w->cmbTorque_Units()->text(), "N-m");
    EXPECT_EQ(frequencies(), (QStringList{"4", "8", "16"}));
    EXPECT_EQ(row(1), "0.85/1.879/0.85/5.68");

    // At 16 kHz the drive's 3.0 A / 9.1 A decide both curves up to where the voltage limit takes over.
    w->cmbSwitching_Frequency()->choose(QStringLiteral("16"));
    w->cmbSpeed_units()->choose(QStringLiteral("rpm"));
    w->cmbTorque_Units()->choose(QStringLiteral("oz-in"));
    EXPECT_EQ(Servo_Drive.IrDrivePeakSine, 3.0);
    EXPECT_EQ(row(0), "0/225.659/0/689.969");
    EXPECT_EQ(row(1), "51/225.591/51/689.902");
    EXPECT_EQ(row(75), "3788/220.564/3788/684.874"); // 785.346 at 4 kHz: below the 2200 W peak power now
    EXPECT_EQ(row(93), "4697/179.518/4697/179.518");
    EXPECT_EQ(row(99), "5000/0/5000/0");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(ServoCurveTest, TopSpeedAndStandstillEdges)
{
    // MaxSpeed 50 rps lies below the 83.3 rps of the back EMF: row 99 at 3000 rpm, and the model has no
    // torque one step above its top speed. A continuous torque of -0.002 oz-in at rest rounds to 0:
    // the curve closes at once; -0.01 oz-in hides the chart.
    struct Case {
        const char* change;
        int rows;
        const char* row0;
        const char* row99;
        const char* row100;
    };
    for (const Case& c : {Case{"MaxSpeed=50", 101, "0/266.35/0/804.43", "3000/235.548/3000/791.871", "3030/0/3030/0"},
                          Case{"Friction=269.042", 1, "0/0/0/0", "-/-/-/-", "-/-/-/-"}}) {
        frmCurve* w = showServo({QStringLiteral("UPDATE MotorData SET %1 WHERE ProductKey='KX232AE'")
                                     .arg(QLatin1String(c.change))});
        ASSERT_NE(w, nullptr) << c.change;
        EXPECT_FALSE(w->MSChart1()->isHidden()) << c.change;
        EXPECT_EQ(filledRows(), c.rows) << c.change;
        EXPECT_EQ(row(0), c.row0) << c.change;
        EXPECT_EQ(row(99), c.row99) << c.change;
        EXPECT_EQ(row(100), c.row100) << c.change;
        Forms::unloadAll();
    }

    frmCurve* w = showServo({"UPDATE MotorData SET Friction=269.05 WHERE ProductKey='KX232AE'"});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(message(), "Motor/Drive Combo Passed.\n Okay.\n");
    EXPECT_TRUE(w->MSChart1()->isHidden());
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(ServoCurveTest, FyiLineOfASmallDrive)
{
    setAxis("QD_Servo", QStringLiteral("KX344BE"), QStringLiteral("BSD4604"));
    axis().Drive_Voltage = QStringLiteral("460VAC");
    axis().Bus_Voltage = 650;
    frmCurve* w = showCurve();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(message(), "Motor/Drive Combo Passed.\n (FYI: The amplifier continuous current is lower than the motor "
                         "rated current.)\n Okay.\n");
    EXPECT_EQ(frequencies(), (QStringList{"4", "8"}));
    EXPECT_EQ(w->Caption(), "Performance Curve for a BSD4604 & KX344BE @460VAC");
}

TEST_F(ServoCurveTest, VerdictFollowsTheFrequencyDrawn)
{
    // Half the inductance of KX232AE: the ripple test asks 6000 Hz (325 / 3.5346 A / 5.473 mH / 2.8).
    copyCatalogue(QStringLiteral("BrevanServos_USA97.mDB"),
                  {"INSERT INTO MotorData SELECT * FROM MotorData WHERE ProductKey='KX232AE'",
                   "UPDATE MotorData SET ProductKey='KX232AL', MaxInductance=6.0, MinInductance=4.946 "
                   "WHERE rowid = last_insert_rowid()"});
    useServoPair();
    axis().Curve_Motor_Part_Number = QStringLiteral("KX232AL");
    frmCurve* w = showCurve();
    ASSERT_NE(w, nullptr);
    const QString failed = "Motor/Drive Combo Pretest Failed.\n Fatal - The amplifier switching frequency is too low.\n";
    EXPECT_EQ(message(), failed);
    EXPECT_TRUE(w->MSChart1()->isHidden());
    EXPECT_TRUE(w->cmbSpeed_units()->isHidden());
    EXPECT_TRUE(w->lblTorque_Units()->isHidden());
    EXPECT_FALSE(w->cmbSwitching_Frequency()->isHidden());
    EXPECT_EQ(frequencies(), (QStringList{"4", "8", "16"}));
    EXPECT_EQ(w->cmbSwitching_Frequency()->text(), "4");

    w->cmbSwitching_Frequency()->choose(QStringLiteral("8"));
    EXPECT_EQ(message(), "Motor/Drive Combo Passed.\n Okay.\n");
    EXPECT_FALSE(w->MSChart1()->isHidden());
    EXPECT_FALSE(w->cmbSpeed_units()->isHidden());
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rpm");
    EXPECT_EQ(row(0), "0/266.35/0/804.43");

    w->cmbSwitching_Frequency()->choose(QStringLiteral("4"));
    EXPECT_EQ(message(), failed);
    EXPECT_TRUE(w->MSChart1()->isHidden());
    EXPECT_EQ(axis().Switching_Frequency, "4 kHz");
}

TEST_F(ServoCurveTest, MissingKeysEndInNotFound)
{
    // A motor row found before the amplifier is missed stays read; an apostrophe is only a character of the key.
    struct Case {
        const char* motor;
        const char* drive;
        const char* motorRead;
    };
    Servo_Motor = ServoMotorRecord();
    for (const Case& c : {Case{"NOSUCH", "BSD2303", ""}, Case{"KX232AE", "NOSUCH", "KX232AE"},
                          Case{"KX'232", "BSD2303", "KX232AE"}}) {
        msg->clear();
        useServoPair();
        setAxis("L7_Servo", QLatin1String(c.motor), QLatin1String(c.drive));
        EXPECT_EQ(showCurve(), nullptr) << c.motor;
        EXPECT_EQ(msg->prompts(), QStringList{"Performance Curve Not Found"}) << c.motor;
        EXPECT_EQ(msg->messages().value(0).title, "Brevan Quenro");
        EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
        EXPECT_EQ(Servo_Motor.ProductKey, QLatin1String(c.motorRead)) << c.motor;
    }

    // Class 0 admits every amplifier row: the 460 V drive (VsDefault 480) is read for a 230 V bus.
    msg->clear();
    useServoPair();
    axis().Curve_Drive_Part_Number = QStringLiteral("BSD4604");
    ASSERT_NE(showCurve(), nullptr);
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(ServoCurveTest, MissingDatabaseAndLibraryFailure)
{
    Servo_Curve_Database = Database();
    useTestFolder();
    useServoPair();
    EXPECT_EQ(showCurve(), nullptr);
    EXPECT_EQ(msg->prompts(), (QStringList{"Database not found or already opened with exclusive rights\nThe "
                                           "database file " + folder.filePath("BrevanServos_USA97.mDB")
                                               + " was not found.",
                                           "Performance Curve Not Found"}));

    // No thermal resistance: the pretest has no finite answer. A Null model value is a gap in the data.
    const std::pair<const char*, const char*> failures[] = {
        {"UPDATE MotorData SET WindingThermalResistance=0, MotorThermalResistance=0 WHERE ProductKey='KX232AE'",
         "MotorTSModel::PretestLimits: division by zero"},
        {"UPDATE MotorData SET MotorKb=NULL WHERE ProductKey='KX232AE'",
         "Performance Curve Not Found\nThe database BrevanServos_USA97.mDB has no number in column "
         "\"MotorData.MotorKb\" for \"KX232AE\"."},
    };
    for (const auto& [change, message] : failures) {
        msg->clear();
        EXPECT_EQ(showServo({QLatin1String(change)}), nullptr) << change;
        EXPECT_EQ(msg->prompts(), QStringList{QLatin1String(message)}) << change;
    }
}

TEST_F(ServoCurveTest, FrequencyMissingOnARepeatedRequest)
{
    frmCurve* w = showServo();
    ASSERT_NE(w, nullptr);
    w->cmbSwitching_Frequency()->choose(QStringLiteral("16"));
    // The window stays open; the next request reads its amplifier at 16 kHz, which this one lacks.
    axis().Curve_Drive_Part_Number = QStringLiteral("BSD4604");
    axis().Bus_Voltage = 650;
    axis().Drive_Voltage = QStringLiteral("460VAC");
    EXPECT_EQ(showCurve(), nullptr);
    EXPECT_EQ(msg->prompts(), QStringList{"Performance Curve Not Found"});
}

TEST(ServoCurveData, LineVoltageClass)
{
    const std::pair<double, int> cases[] = {{24, 0}, {325, 0}, {325.5, 460}, {565, 400},
                                            {564.9, 460}, {566, 460}, {650, 460}};
    for (const auto& [voltage, expected] : cases) {
        Set_Line_Voltage_Class(voltage);
        EXPECT_EQ(Line_Voltage_Class, expected) << voltage;
    }
}

TEST_F(ServoCurveTest, AmplifierRowsByClassAndTeldunRule)
{
    const QString columns = "INSERT INTO AmplifierDataTable (Dname, PartNumber, AmpFamily, UnitsofVoltage, VsDefault, "
                            "VsMaxAmplifier, VsMinAmplifier, IrDrivePeakSine, IpDrivePeakSine, SwitchFreq, "
                            "SwitchFreqEnable, IncEncFeedback, ResFeedback, Rendat, Endat, SinCos, HallOnly, "
                            "MaxContPower, MaxPeakPower) VALUES ";
    QStringList rows;
    for (const char* family : {"Teldun", "teldun"})
        for (const char* values : {"48, 60, 18, 20, 40, 10", "480, 528, 320, 20, 40, 2.5", "500, 528, 320, 20, 40, 30"})
            rows << columns + QStringLiteral("('T', 'T-%1', '%2', 'VDC', %3, 1, 0, 0, 0, 0, 0, 0, 0, 0)")
                                  .arg(family[0] == 'T' ? "UPPER" : "LOWER", QLatin1String(family),
                                       QLatin1String(values));
    copyCatalogue(QStringLiteral("BrevanServos_USA97.mDB"), rows);
    Open_Servo_Database();

    Set_Line_Voltage_Class(325);
    ASSERT_TRUE(Read_Drive(QStringLiteral("T-UPPER")));
    EXPECT_EQ(Servo_Drive.SwitchFreq, 2.5); // lowest frequency first
    EXPECT_EQ(Switching_Frequencies(QStringLiteral("T-UPPER")), QStringList{"10"}); // VsDefault < 480
    ASSERT_TRUE(Read_Drive(QStringLiteral("T-LOWER")));
    EXPECT_EQ(Switching_Frequencies(QStringLiteral("T-LOWER")), (QStringList{"2.5", "10", "30"})); // any case but Teldun: > 0

    Set_Line_Voltage_Class(650);
    ASSERT_TRUE(Read_Drive(QStringLiteral("T-UPPER")));
    EXPECT_EQ(Servo_Drive.VsDefault, 480.0);
    EXPECT_EQ(Switching_Frequencies(QStringLiteral("T-UPPER")), (QStringList{"2.5", "30"})); // VsDefault > 400
    Read_Drive_At(QStringLiteral("T-UPPER"), QStringLiteral("30"), axis());
    EXPECT_EQ(Servo_Drive.VsDefault, 500.0);
    EXPECT_EQ(axis().Switching_Frequency, "30 kHz");
    EXPECT_THROW(Read_Drive_At(QStringLiteral("T-UPPER"), QStringLiteral("10"), axis()), std::exception);

    Set_Line_Voltage_Class(565);
    ASSERT_TRUE(Read_Drive(QStringLiteral("T-UPPER")));
    EXPECT_EQ(Servo_Drive.VsDefault, 480.0); // the drive query keeps the normal rule: VsDefault > 400
    EXPECT_EQ(Switching_Frequencies(QStringLiteral("T-UPPER")), QStringList{"10"});
    EXPECT_FALSE(Read_Drive(QStringLiteral("BSD2303")));
}

TEST_F(ServoCurveTest, AmplifierVoltagesReachTheModelAsDc)
{
    // BSD amplifiers give AC limits: 85 V AC x 1.414 = 120.19 V; a bus of 100 V is below it.
    useServoPair();
    axis().Bus_Voltage = 100;
    ASSERT_NE(showCurve(), nullptr);
    EXPECT_EQ(message(), "Motor/Drive Combo Pretest Failed.\n Fatal - Bus voltage too low for the amplifier.\n");

    // The same limits as VDC admit it.
    Forms::unloadAll();
    copyCatalogue(QStringLiteral("BrevanServos_USA97.mDB"),
                  {"UPDATE AmplifierDataTable SET UnitsofVoltage='VDC' WHERE PartNumber='BSD2303'"});
    ASSERT_NE(showCurve(), nullptr);
    EXPECT_EQ(message(), "Motor/Drive Combo Passed.\n Okay.\n");
}
