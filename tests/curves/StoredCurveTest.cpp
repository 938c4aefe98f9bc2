#include "CurveFixture.h"

#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QValueAxis>

#include <string_view>

using namespace std::string_view_literals;

class StoredCurveTest : public CurveFixture {
protected:
    QString axisTitle(int i) const { return window()->MSChart1()->chart()->axes().value(i)->titleText(); }
};

TEST_F(StoredCurveTest, DirectDriveCurvesEachCloseAtTheHighestSpeed)
{
    frmCurve* w = showDirectDrive(QStringLiteral("DD-5C3P"), QStringLiteral("BDD-X"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(w->MotorID, 7);
    EXPECT_EQ(w->DriveID, 3);
    EXPECT_EQ(w->Caption(), "Performance Curve for a BDD-X & DD-5C3P");
    EXPECT_EQ(row(0), "0/283.2/0/849.6");
    EXPECT_EQ(row(1), "60/283.2/60/708");
    EXPECT_EQ(row(2), "120/254.88/132/424.8");
    EXPECT_EQ(row(3), "180/212.4/240/0"); // peak closing point
    EXPECT_EQ(row(4), "240/141.6/-/-");
    EXPECT_EQ(row(5), "240/0/-/-"); // continuous closing point
    EXPECT_EQ(filledRows(), 6);

    EXPECT_EQ(w->txtmsg()->toPlainText(), "Motor, Drive and Voltage passed");
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rpm");
    EXPECT_EQ(w->cmbTorque_Units()->text(), "oz-in");
    EXPECT_TRUE(w->lblSwitching_Frequency()->isHidden());
    EXPECT_TRUE(w->cmbSwitching_Frequency()->isHidden());
    EXPECT_FALSE(w->cmbSwitching_Frequency()->isEnabled());
    EXPECT_FALSE(w->MSChart1()->isHidden());
    EXPECT_EQ(w->MSChart1()->chart()->series().size(), 2);
    EXPECT_EQ(axisTitle(0), "Speed (rpm)");
    EXPECT_EQ(axisTitle(1), "Torque (oz-in)");
}

TEST_F(StoredCurveTest, DirectDriveRedrawKeepsTheOtherUnit)
{
    frmCurve* w = showDirectDrive(QStringLiteral("DD-5C3P"), QStringLiteral("BDD-X"));
    ASSERT_NE(w, nullptr);
    w->cmbTorque_Units()->choose(QStringLiteral("N-m"));
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rpm");
    EXPECT_EQ(row(2), "120/1.8/132/3");
    EXPECT_EQ(row(4), "240/1/-/-");
    EXPECT_EQ(axisTitle(1), "Torque (N-m)");
    w->cmbSpeed_units()->choose(QStringLiteral("rad/s"));
    EXPECT_EQ(w->cmbTorque_Units()->text(), "N-m");
    EXPECT_EQ(row(1), "6.28318/2/6.28318/5");
    EXPECT_EQ(axisTitle(0), "Speed (rad/s)");
}

TEST_F(StoredCurveTest, DirectDriveWithoutCurveIsNotFound)
{
    for (const auto& [motor, drive] : {std::pair{"NOSUCH", "BDD-X"}, std::pair{"DD-5C3P", "BDD-E"},
                                       std::pair{"DD-EMPTY", "BDD-E"}, std::pair{"DD-NULL", "BDD-E"},
                                       std::pair{"DD'5", "BDD-X"}, std::pair{"DD-BIG", "BDD-B"}}) {
        msg->clear();
        EXPECT_EQ(showDirectDrive(QString::fromLatin1(motor), QString::fromLatin1(drive)), nullptr) << motor;
        const QString damage = "\nThe database BrevanDirectDrive97.mDB has no number in column "
                               "\"MotorPerformance.Torque\" for \"DD-NULL\".";
        EXPECT_EQ(msg->prompts(), QStringList{"Performance Curve Not Found" + (motor == "DD-NULL"sv ? damage : "")})
            << motor;
        EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    }
}

TEST_F(StoredCurveTest, RedrawThatFailsKeepsTheWindowWithoutAChart)
{
    frmCurve* w = showDirectDrive(QStringLiteral("DD-5C3P"), QStringLiteral("BDD-X"));
    ASSERT_NE(w, nullptr);
    w->MotorID = 9; // points without torque
    w->cmbTorque_Units()->choose(QStringLiteral("N-m"));
    EXPECT_EQ(msg->prompts(), QStringList{"Performance Curve Not Found\nThe database BrevanDirectDrive97.mDB has no "
                                          "number in column \"MotorPerformance.Torque\" for \"DD-NULL\"."});
    EXPECT_EQ(window(), w);
    EXPECT_TRUE(w->MSChart1()->isHidden());
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(StoredCurveTest, DirectDriveCurveOfTheCatalogue)
{
    setAxis("Colbitum", QStringLiteral("CT06150-230"), QStringLiteral("BDD230"));
    frmCurve* w = showCurve();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(msg->messages().isEmpty());
    // 26 stored points, 13 per curve, both closing at 8 rps = 480 rpm
    EXPECT_EQ(row(0), "0/849.6/0/2548.8");
    EXPECT_EQ(row(12), "480/212.4/480/382.32");
    EXPECT_EQ(row(13), "480/0/480/0");
    EXPECT_EQ(filledRows(), 14);
}

TEST_F(StoredCurveTest, StepperCurveClosesAt50Rps)
{
    frmCurve* w = showStepper(QStringLiteral("ST1"), QStringLiteral("SERIES"), QStringLiteral("SMD-A"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Performance Curve for a SMD-A & ST1__(SER,48VDC)");
    EXPECT_EQ(w->MotorID, 1);
    EXPECT_EQ(w->DriveID, 11);
    // 1.5 rps and 2.5 rps both round to 2 (half to even); 1.005 N-m to 1
    EXPECT_EQ(row(0), "0/169.92");
    EXPECT_EQ(row(1), "120/155.76");
    EXPECT_EQ(row(2), "120/141.6");
    EXPECT_EQ(row(3), "600/113.28");
    EXPECT_EQ(row(4), "3000/0");
    EXPECT_EQ(filledRows(), 5);
    EXPECT_EQ(w->MSChart1()->chart()->series().size(), 1);
    EXPECT_EQ(w->txtmsg()->toPlainText(), "Motor, Drive and Voltage passed");

    w->cmbSpeed_units()->choose(QStringLiteral("rps"));
    w->cmbTorque_Units()->choose(QStringLiteral("N-m"));
    EXPECT_EQ(row(1), "2/1.1");
    EXPECT_EQ(row(2), "2/1");
    EXPECT_EQ(row(4), "50/0");
}

TEST_F(StoredCurveTest, StepperKeyCarriesWiringAndVoltage)
{
    ASSERT_NE(showStepper(QStringLiteral("ST1"), QStringLiteral("PARALLEL"), QStringLiteral("SMD-A")), nullptr);
    EXPECT_EQ(window()->Caption(), "Performance Curve for a SMD-A & ST1__(PAR,48VDC)");
    EXPECT_EQ(window()->MotorID, 2);
    EXPECT_EQ(window()->DriveID, 13);
    EXPECT_EQ(row(0), "0/339.84");
    EXPECT_EQ(row(1), "1200/56.64");
    EXPECT_EQ(row(2), "3000/0");
    EXPECT_EQ(msg->prompts(), QStringList());
}

TEST_F(StoredCurveTest, StepperWithoutPointsOrRowsIsNotFound)
{
    // no drive row of that name; a drive row of the series motor only; a drive row without points
    for (const auto& [wiring, drive] : {std::pair{"SERIES", "SMD-C"}, std::pair{"PARALLEL", "SMD-B"},
                                        std::pair{"SERIES", "SMD-D"}}) {
        msg->clear();
        EXPECT_EQ(showStepper(QStringLiteral("ST1"), QLatin1String(wiring), QLatin1String(drive)), nullptr) << drive;
        EXPECT_EQ(msg->prompts(), QStringList{"Performance Curve Not Found"}) << drive;
    }
}

TEST_F(StoredCurveTest, StepperCurveOfTheCatalogue)
{
    frmCurve* w = showStepperAxis(QStringLiteral("SX171A"), QStringLiteral("SERIES"), QStringLiteral("24VDC"),
                                  QStringLiteral("SMD48-3"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Performance Curve for a SMD48-3 & SX171A__(SER,24VDC)");
    EXPECT_EQ(row(0), "0/31.152");   // 0.224 N-m, stored to 0.22
    EXPECT_EQ(row(17), "2700/2.832"); // 45 rps; 0.015 N-m is a tie, to the even 0.02
    EXPECT_EQ(row(18), "3000/0");
    EXPECT_EQ(filledRows(), 19);
}

TEST_F(StoredCurveTest, MissingDatabaseFallsBackOrEndsCleanly)
{
    // A folder without curve databases: the earlier opened one serves the show.
    ASSERT_NE(showStepper(QStringLiteral("ST1"), QStringLiteral("SERIES"), QStringLiteral("SMD-A")), nullptr);
    Forms::unloadAll();
    Globals::Set_App_Folder_For_Tests(QStringLiteral("/nonexistent"));
    showCurve();
    const QString missing = "Database not found or already opened with exclusive rights\nThe database file "
                            "/nonexistent/BrevanSteppers97.mDB was not found.";
    EXPECT_EQ(msg->prompts(), QStringList{missing});
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(row(4), "3000/0");

    // A new start inherits no curve database from the earlier one.
    Forms::unloadAll();
    processEvents();
    msg->clear();
    Globals::Reset_All_State();
    Globals::Set_App_Folder_For_Tests(QStringLiteral("/nonexistent"));
    Globals::System_Type = 4;
    Globals::Current_Axis = 1;
    showStepperAxis(QStringLiteral("ST1"), QStringLiteral("SERIES"), QStringLiteral("48VDC"), QStringLiteral("SMD-A"));
    EXPECT_EQ(msg->prompts(), QStringList({missing, "Performance Curve Not Found"}));
    EXPECT_EQ(window(), nullptr);
}
