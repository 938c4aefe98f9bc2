#include "CurveFixture.h"

#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <QChartView>
#include <QLineSeries>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>

namespace {

const QByteArray kNote = "Note: \xB1" "10% Torque variance due to motor tolerance.,\r\n";

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class CurveWindowTest : public CurveFixture {
protected:
    QString csvPath() const { return folder.filePath(QStringLiteral("curve.csv")); }
    // The file the Export button writes to csvPath().
    QByteArray exported(frmCurve* w)
    {
        files->queuePath(csvPath());
        w->cmdExport()->click();
        return readBytes(csvPath());
    }
};

TEST_F(CurveWindowTest, ExportOfTwoCurvesWritesEveryRowThatHoldsAValue)
{
    frmCurve* w = showDirectDrive(QStringLiteral("DD-5C3P"), QStringLiteral("BDD-X"));
    ASSERT_NE(w, nullptr);

    // The peak curve closes two rows before the continuous one; both are written whole.
    const QByteArray expected = "Performance Curve for a BDD-X & DD-5C3P\r\n"
                                "Speed Units,rpm,\r\n"
                                "Torque Units,oz-in,\r\n"
                                "Switching Frequency, kHz,\r\n"
                                "\r\n"
                                "Continuous Speed (rpm),Continuous Torque (oz-in),Peak Speed (rpm),Peak Torque (oz-in),\r\n"
                                "0, 283.2, 0, 849.6, \r\n"
                                "60, 283.2, 60, 708, \r\n"
                                "120, 254.88, 132, 424.8, \r\n"
                                "180, 212.4, 240, 0, \r\n"
                                "240, 141.6, 0, 0, \r\n"
                                "240, 0, 0, 0, \r\n"
                                "\r\n"
                                + kNote;
    EXPECT_EQ(exported(w), expected);
    EXPECT_EQ(shell->opened(), QStringList{csvPath()});
    ASSERT_EQ(files->calls().size(), 1);
    const FileDialog::Seam::Call& call = files->calls()[0];
    EXPECT_EQ(call.mode, FileDialog::Save);
    EXPECT_EQ(call.settings.filter, "All Files (*.*)|*.*|CSV (Comma Delimited) Files (*.csv)|*.csv");
    EXPECT_EQ(call.settings.filterIndex, 2);
    EXPECT_TRUE(call.settings.defaultExt.isEmpty());
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(CurveWindowTest, ExportOfAStepperCurve)
{
    frmCurve* w = showStepper(QStringLiteral("ST2"), QStringLiteral("SERIES"), QStringLiteral("SMD-A"));
    ASSERT_NE(w, nullptr);
    w->cmbSpeed_units()->choose(QStringLiteral("rps"));
    w->cmbTorque_Units()->choose(QStringLiteral("N-m"));

    const QByteArray expected =
        "Performance Curve for a SMD-A & ST2__(SER,48VDC)\r\n"
        "Speed Units,rps,\r\n"
        "Torque Units,N-m,\r\n"
        "\r\n"
        "Speed (rps),Continuous Torque (N-m),\r\n"
        "0, 1.2, \r\n"
        "10, 0.8, \r\n"
        "50, 0, \r\n"
        "\r\n"
        "Parallel connected motors are limited to 50% duty cycle when operated above 5 rps.,\r\n"
        "For greater than 50% duty cycle above 5 rps connection must be made to the motor in series.,\r\n"
        "Fan cooling the motor will increase duty cyles above 5 rps.,\r\n"
        + kNote;
    EXPECT_EQ(exported(w), expected);
}

TEST_F(CurveWindowTest, ExportOfAServoCurveKeepsThePointInAnyLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frmCurve* w = showServo();
    QString text;
    if (w) {
        w->cmbSpeed_units()->choose(QStringLiteral("rps"));
        w->cmbTorque_Units()->choose(QStringLiteral("N-m"));
        text = w->Export_Curve();
    }
    QLocale::setDefault(saved);
    ASSERT_NE(w, nullptr);

    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6 + 100 + 3);
    EXPECT_EQ(lines[0], "Performance Curve for a BSD2303 & KX232AE @230VAC");
    EXPECT_EQ(lines[3], "Switching Frequency,4 kHz,");
    EXPECT_EQ(lines[5], "Continuous Speed (rps),Continuous Torque (N-m),Peak Speed (rps),Peak Torque (N-m),");
    EXPECT_EQ(lines[6], "0, 1.881, 0, 5.681, ");
    EXPECT_EQ(lines[7], "0.85, 1.879, 0.85, 5.68, ");
    EXPECT_EQ(lines[6 + 99], "83.3333333333333, 0, 83.3333333333333, 0, ");
    EXPECT_EQ(lines[6 + 100], "");
    EXPECT_EQ(lines[6 + 101], "Note: \u00B110% Torque variance due to motor tolerance.,");
    EXPECT_EQ(lines[6 + 102], ""); // the text ends with the note's CR LF
}

TEST_F(CurveWindowTest, ExportWithoutAChart)
{
    // A window of a motor type that no builder draws shows no chart.
    axis().Part_Number_Type = QStringLiteral("Linear");
    frmCurve* w = showCurve();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Performance Curve");
    EXPECT_TRUE(w->MSChart1()->isHidden());
    EXPECT_EQ(w->Export_Curve(), "Performance Curve\r\n"
                                 "Speed Units,,\r\n"
                                 "Torque Units,,\r\n"
                                 "Switching Frequency, kHz,\r\n"
                                 "\r\n"
                                 "Continuous Speed (),Continuous Torque (),Peak Speed (),Peak Torque (),\r\n"
                                 "\r\n"
                                 "Note: \u00B110% Torque variance due to motor tolerance.,\r\n");
    // Its lists draw nothing.
    w->cmbSpeed_units()->addItems({"rpm", "rps"});
    w->cmbSpeed_units()->choose(1);
    EXPECT_TRUE(w->MSChart1()->isHidden());
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(CurveWindowTest, CancelledOrFailedExport)
{
    showDirectDrive(QStringLiteral("DD-5C3P"), QStringLiteral("BDD-X"));
    files->queueCancel();
    window()->cmdExport()->click();
    EXPECT_FALSE(QFile::exists(csvPath()));
    EXPECT_TRUE(shell->opened().isEmpty());
    EXPECT_TRUE(msg->messages().isEmpty());

    files->queuePath(folder.filePath(QStringLiteral("no/such/folder/curve.csv")));
    window()->cmdExport()->click();
    EXPECT_TRUE(shell->opened().isEmpty());
    EXPECT_EQ(msg->messages().size(), 1);

    // Written, but nothing opens it: the user is told where it is.
    msg->clear();
    shell->setOpener(ShellOpen::Seam::Missing);
    files->queuePath(csvPath());
    window()->cmdExport()->click();
    EXPECT_TRUE(QFile::exists(csvPath()));
    EXPECT_EQ(msg->prompts(), QStringList{"The file was written to " + csvPath()
                                          + ".\nNo program on this computer is set up to open it."});
}

TEST_F(CurveWindowTest, LoadAndUnloadHandCurrentFormOn)
{
    axis().Switching_Frequency = QStringLiteral("8 kHz");
    Globals::Current_Form = QStringLiteral("frmDrive_Setup");
    frmCurve* w = Forms::get<frmCurve>(QStringLiteral("frmCurve"));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Globals::Current_Form, "frmCurve");
    EXPECT_TRUE(axis().Switching_Frequency.isEmpty());
    EXPECT_EQ(w->widthTwips(), 8460);
    EXPECT_EQ(w->heightTwips(), 8940);
    EXPECT_EQ(w->topTwips(), 0);

    QList<std::pair<int, QString>> kinds;
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        kinds.append({kind.number, kind.form});
    kinds.append({SetupKinds::ControllerAxisAccessories, "frmCurve"}); // no setup form to hand back to
    for (const auto& [kind, form] : kinds) {
        Globals::System_Type = kind;
        Forms::get<frmCurve>(QStringLiteral("frmCurve"))->cmdClose()->click();
        EXPECT_FALSE(Forms::isLoaded(QStringLiteral("frmCurve")));
        EXPECT_EQ(Globals::Current_Form, form) << kind;
        processEvents();
    }
}

TEST_F(CurveWindowTest, ARepeatedRequestKeepsTheUsersChoices)
{
    frmCurve* w = showServo();
    ASSERT_NE(w, nullptr);
    w->cmbSpeed_units()->choose(QStringLiteral("rad/s"));
    w->cmbSwitching_Frequency()->choose(QStringLiteral("16"));
    EXPECT_EQ(w->cmbTorque_Units()->text(), "oz-in");

    ASSERT_EQ(showCurve(), w);
    EXPECT_EQ(w->cmbSpeed_units()->text(), "rad/s");
    EXPECT_EQ(w->cmbSwitching_Frequency()->text(), "16");
    EXPECT_EQ(w->cmbSwitching_Frequency()->listCount(), 3);
    EXPECT_EQ(axis().Switching_Frequency, "16 kHz");
    // 51 rpm (102 x 3.14159 / 60 rad/s) on the drive's current limits at 16 kHz
    EXPECT_EQ(row(1), "5.340703/225.591/5.340703/689.902");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(CurveWindowTest, EachOpenAndEachChoiceDrawsOnceIntoTheSameSeries)
{
    // Every draw replaces the points of the chart's series once.
    auto* loaded = Forms::get<frmCurve>(QStringLiteral("frmCurve"));
    ASSERT_NE(loaded, nullptr);
    const QList<QAbstractSeries*> series = loaded->MSChart1()->chart()->series();
    ASSERT_EQ(series.size(), 2);
    int draws = 0;
    QObject::connect(qobject_cast<QLineSeries*>(series.at(1)), &QLineSeries::pointsReplaced, [&draws] { ++draws; });
    frmCurve* w = showServo();
    ASSERT_EQ(w, loaded);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(w->cmbSwitching_Frequency()->text(), "4");
    EXPECT_EQ(axis().Switching_Frequency, "4 kHz");

    const std::pair<ListControl*, const char*> choices[] = {
        {w->cmbTorque_Units(), "N-m"}, {w->cmbSpeed_units(), "rps"}, {w->cmbSwitching_Frequency(), "16"}};
    for (int i = 0; i < 3; ++i) {
        choices[i].first->choose(QLatin1String(choices[i].second));
        EXPECT_EQ(draws, 2 + i) << choices[i].second;
    }
    EXPECT_EQ(w->MSChart1()->chart()->series(), series);
    EXPECT_EQ(axis().Switching_Frequency, "16 kHz");
    EXPECT_TRUE(msg->messages().isEmpty());
}
