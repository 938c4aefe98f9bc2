#include "ReportTexts.h"
#include "common/TestFiles.h"
#include "support/AppFixture.h"

#include "shell/Globals.h"
#include "shell/Report.h"

#include <QStringList>
#include <QTemporaryDir>

using Globals::Axis;

namespace {

class ReportTest : public AppFixture {
protected:
    static void setAccessory(AxisRecord::List21& entries, AxisRecord::List21& quantities,
                             AxisRecord::List21& descriptions, int i, const QString& entry, const QString& quantity,
                             const QString& description)
    {
        entries[static_cast<std::size_t>(i)] = entry;
        quantities[static_cast<std::size_t>(i)] = quantity;
        descriptions[static_cast<std::size_t>(i)] = description;
    }
    static void setDriveAccessory(AxisRecord& axis, int i, const QString& entry, const QString& quantity,
                                  const QString& description)
    {
        setAccessory(axis.Drive_Accessory_Entry, axis.Drive_Accessory_Quantity, axis.Drive_Accessory_Description, i,
                     entry, quantity, description);
    }

    static QStringList bomParts()
    {
        QStringList parts;
        for (int k = 1; k <= Globals::BOM_Count; ++k)
            parts << Globals::BOM_Part_Number[k];
        return parts;
    }
    static QList<int> bomQuantities()
    {
        QList<int> quantities;
        for (int k = 1; k <= Globals::BOM_Count; ++k)
            quantities << Globals::BOM_Quantity[k];
        return quantities;
    }
    // The bill-of-material lines: everything after the column heading's empty line.
    static QStringList billLines(const QString& report)
    {
        const QString heading = "Description\r\n\r\n";
        const qsizetype at = report.indexOf(heading);
        EXPECT_GE(at, 0);
        QStringList lines = report.mid(at + heading.size()).split("\r\n");
        EXPECT_EQ(lines.takeLast(), ""); // the text ends with a line end
        return lines;
    }

    static void fillDriveSystem()
    {
        Globals::System_Type = 4;
        AxisRecord& a = Axis[0];
        a.Drive_Name = "QX-205";
        a.Drive_Part_Number = "QX205-24-X0";
        a.Drive_Notes = "Logic supply 24VDC required";
        a.Drive_Voltage = "230VAC";
        a.Motor_Series = "KX";
        a.Motor_Part_Number = "KX16-2B-K-E1";
        a.Motor_Notes = "IP65 with connector";
        a.Switching_Frequency = "16 kHz";
        setDriveAccessory(a, 0, "HX25-1 = Breakout Board", "1", "Breakout Board");
        setDriveAccessory(a, 2, "MON-2 = Monitor Cable", "2", "Monitor Cable");
        a.Required_Drive_Accessory = "RDA-5";
        a.Motor_Cable_Part_Number = "MPC-KX16-10";
        a.Feedback_Cable_Part_Number = "FBC-E1-10";
    }

    QTemporaryDir dir;
};

const QString kDriveReport =
    kReportTitle +
    "DRIVE: QX205-24-X0\r\n"
    "NOTES: Logic supply 24VDC required\r\n"
    "DRIVE INPUT VOLTAGE: 230VAC\r\n"
    "MOTOR: KX16-2B-K-E1\r\n"
    "NOTES: IP65 with connector\r\n"
    "DRIVE SWITCHING FREQUENCY: 16 kHz\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    + kBillHeading +
    "1                       QX205-24-X0             QX-205 Drive\r\n"
    "1                       HX25-1                  Breakout Board\r\n"
    "2                       MON-2                   Monitor Cable\r\n"
    "1                       RDA-5                   Required Drive Accessory\r\n"
    "1                       KX16-2B-K-E1            KX Series Motor\r\n"
    "1                       MPC-KX16-10             Motor Power Cable\r\n"
    "1                       FBC-E1-10               Motor Feedback Cable\r\n";

} // namespace

TEST_F(ReportTest, DriveSystemReportAndBillOfMaterial)
{
    fillDriveSystem();
    EXPECT_EQ(Globals::Build_Report(), kDriveReport);
    EXPECT_EQ(Globals::Report_Text, kDriveReport);
    EXPECT_EQ(bomParts(),
              (QStringList{"QX205-24-X0", "HX25-1", "MON-2", "RDA-5", "KX16-2B-K-E1", "MPC-KX16-10", "FBC-E1-10"}));
    EXPECT_EQ(bomQuantities(), (QList<int>{1, 1, 2, 1, 1, 1, 1}));
}

TEST_F(ReportTest, DriveControllerSystemReportRecordsItsAccessories)
{
    Globals::System_Type = 2;
    Globals::Drive_Controller_Part_Number = "DCQ20-E1";
    Globals::Drive_Controller_Option_Code = "E1";
    Globals::Drive_Controller_Notes = "Ethernet option";
    setAccessory(Globals::Drive_Controller_Accessory_Entry, Globals::Drive_Controller_Accessory_Quantity,
                 Globals::Drive_Controller_Accessory_Description, 0, "IOX-8 = IO Expansion", "1", "IO Expansion");
    AxisRecord& a = Axis[0];
    a.Drive_Name = "DCQ";
    a.Drive_Part_Number = "DCQ20";
    a.Drive_Voltage = "48VDC";
    a.Motor_Series = "ST23";
    a.Motor_Part_Number = "ST23-2S";
    a.Motor_Notes = "Stepper notes";
    a.Motor_Wiring = "PARALLEL";
    a.Gearhead_Notes = "Ratio 10:1";
    a.Motor_Cable_Part_Number = "MPC-ST-3";
    // Kind 2 reads neither the drive accessory lists nor a required drive accessory.
    setDriveAccessory(a, 0, "SHT-1 = Shunt Resistor", "1", "Shunt Resistor");
    a.Required_Drive_Accessory = "RDA-5";

    EXPECT_EQ(Globals::Build_Report(),
              QString(kReportTitle +
                      "DRIVE/CONTROLLER: DCQ20-E1\r\n"
                      "NOTES: Ethernet option\r\n"
                      "DRIVE INPUT VOLTAGE: 48VDC\r\n"
                      "MOTOR: ST23-2S\r\n"
                      "NOTES: Stepper notes\r\n"
                      "MOTOR WIRING: PARALLEL\r\n"
                      "GEARHEAD NOTES: Ratio 10:1\r\n"
                      "\r\n"
                      "\r\n"
                      + kBillHeading +
                      "1                       DCQ20-E1                DCQ Drive/Controller\r\n"
                      "1                       IOX-8                   IO Expansion\r\n"
                      "1                       ST23-2S                 ST23 Series Motor\r\n"
                      "1                       MPC-ST-3                Motor Power Cable\r\n"));
    // The accessory line is recorded too, so the price request asks about it.
    EXPECT_EQ(bomParts(), (QStringList{"DCQ20-E1", "IOX-8", "ST23-2S", "MPC-ST-3"}));

    // Options the catalogue no longer offers name no configuration: its accessories wait for one.
    Globals::Drive_Controller_Option_Code.clear();
    Globals::Build_Report();
    EXPECT_EQ(bomParts(), (QStringList{"DCQ20-E1", "ST23-2S", "MPC-ST-3"}));
}

TEST_F(ReportTest, ControllerSystemReportListsEveryAxis)
{
    Globals::System_Type = 1;
    Globals::Controller_Part_Number = "KEX4-ETH-2";
    setAccessory(Globals::Controller_Accessory_Entry, Globals::Controller_Accessory_Quantity,
                 Globals::Controller_Accessory_Description, 0, "PS-24 = Power Supply", "1", "Power Supply");
    Globals::Required_Accessory_Part_Number = "HX25-TNL-2";
    Globals::Total_Axes = 3;

    AxisRecord& a1 = Axis[0];
    a1.Drive_Controller_Accessory = "DCA-1";
    a1.Controller_Cable_Part_Number = "CMD-QX-3";
    a1.Controller_Cable_Notes = "Shielded";
    a1.Drive_Name = "QX-205";
    a1.Drive_Part_Number = "QX205-24-C0";
    a1.Drive_Notes = "dn1";
    a1.Drive_Voltage = "230VAC";
    a1.Motor_Series = "KX";
    a1.Motor_Part_Number = "KX16-2B";
    a1.Motor_Notes = "mn1";
    a1.Switching_Frequency = "8 kHz";
    a1.Motor_Cable_Part_Number = "MPC-1";
    a1.Feedback_Cable_Part_Number = "FBC-1";
    setDriveAccessory(a1, 0, "SHT-1 = Shunt Resistor", "1", "Shunt Resistor");

    // An axis without a motor: no header block, but its parts are ordered.
    AxisRecord& a2 = Axis[1];
    a2.Drive_Controller_Accessory = "No accessory";
    a2.Controller_Cable_Part_Number = "CMD-QX-5";
    a2.Drive_Name = "QX-410";
    a2.Drive_Part_Number = "QX410-48-C0";
    a2.Motor_Cable_Part_Number = "MPC-2";

    AxisRecord& a3 = Axis[2];
    a3.Drive_Name = "ZU-100";
    a3.Drive_Part_Number = "ZU100-1";
    a3.Drive_Voltage = "48VDC";
    a3.Motor_Series = "ZU";
    a3.Motor_Part_Number = "ZU100-M";
    a3.Motor_Notes = "Integrated";
    a3.Gearhead_Notes = "GH notes";
    a3.Motor_Cable_Part_Number = "N/A";

    // Beyond Total_Axes nothing is read.
    Axis[3].Drive_Part_Number = "QX205-24-C0";
    Axis[3].Motor_Part_Number = "KX16-2B";

    EXPECT_EQ(Globals::Build_Report(),
              QString(kReportTitle +
                      "CONTROLLER: KEX4-ETH-2\r\n"
                      "\r\n"
                      "AXIS 1\r\n"
                      "DRIVE: QX205-24-C0\r\n"
                      "DRIVE NOTES: dn1\r\n"
                      "DRIVE INPUT VOLTAGE: 230VAC\r\n"
                      "MOTOR: KX16-2B\r\n"
                      "MOTOR NOTES: mn1\r\n"
                      "CONTROLLER CABLE NOTES:  Shielded\r\n"
                      "DRIVE SWITCHING FREQUENCY: 8 kHz\r\n"
                      "\r\n"
                      "AXIS 3\r\n"
                      "DRIVE: ZU100-1\r\n"
                      "DRIVE NOTES: \r\n"
                      "DRIVE INPUT VOLTAGE: 48VDC\r\n"
                      "MOTOR: ZU100-M\r\n"
                      "MOTOR NOTES: Integrated\r\n"
                      "CONTROLLER CABLE NOTES:  \r\n"
                      "GEARHEAD NOTES: GH notes\r\n"
                      "\r\n"
                      "\r\n"
                      "\r\n"
                      "\r\n"
                      + kBillHeading +
                      "1                       KEX4-ETH-2              Controller\r\n"
                      "1                       PS-24                   Power Supply\r\n"
                      "1                       HX25-TNL-2              Controller Breakout\r\n"
                      "1                       DCA-1                   Drive to Controller Accessory Axis 1\r\n"
                      "1                       CMD-QX-3                Controller to Drive Command Cable Axis 1\r\n"
                      "1                       QX205-24-C0             QX-205 Drive Axis 1\r\n"
                      "1                       SHT-1                   Shunt Resistor Axis 1\r\n"
                      "1                       KX16-2B                 KX Series Motor Axis 1\r\n"
                      "1                       MPC-1                   Motor Power Cable Axis 1\r\n"
                      "1                       FBC-1                   Motor Feedback Cable Axis 1\r\n"
                      "1                       CMD-QX-5                Controller to Drive Command Cable Axis 2\r\n"
                      "1                       QX410-48-C0             QX-410 Drive Axis 2\r\n"
                      "1                       MPC-2                   Motor Power Cable Axis 2\r\n"
                      "1                       ZU100-1                 ZU-100 Drive/Motor Axis 3\r\n"));
    EXPECT_EQ(Globals::BOM_Count, 14);
    EXPECT_EQ(Globals::BOM_Part_Number[14], "ZU100-1");
}

TEST_F(ReportTest, GearheadNotesLineHasNoLineEndOfItsOwn)
{
    fillDriveSystem();
    Axis[0].Switching_Frequency.clear();
    Axis[0].Gearhead_Notes = "Planetary 5:1, keyed shaft";
    const QString report = Globals::Build_Report();
    EXPECT_TRUE(report.contains("NOTES: IP65 with connector\r\n"
                                "GEARHEAD NOTES: Planetary 5:1, keyed shaft\r\n\r\n\r\nBill of Material\r\n"));

    Axis[0].Gearhead_Notes.clear();
    EXPECT_TRUE(Globals::Build_Report().contains("NOTES: IP65 with connector\r\n\r\n\r\n\r\nBill of Material\r\n"));
}

TEST_F(ReportTest, PartNumberColumnWidthAndQuantityText)
{
    Globals::System_Type = 4;
    AxisRecord& a = Axis[0];
    setDriveAccessory(a, 0, "ABCDEFGHIJKLMNOPQRSTUVW = Twenty-three", "1", "d23");
    setDriveAccessory(a, 1, "ABCDEFGHIJKLMNOPQRSTUVWX = Twenty-four", "1", "d24");
    setDriveAccessory(a, 2, "ABCDEFGHIJKLMNOPQRSTUVWXY = Twenty-five", "1", "d25");
    setDriveAccessory(a, 3, "= Nameless", "1", "none");
    setDriveAccessory(a, 5, "CBL-7 = Cable", "12", "two digits");
    setDriveAccessory(a, 6, "CBL-8 = Cable", "2.5", "part of a reel");
    setDriveAccessory(a, 7, "CBL-9 = Cable", "", "no quantity");

    EXPECT_EQ(billLines(Globals::Build_Report()),
              (QStringList{
                  "1                       ABCDEFGHIJKLMNOPQRSTUVW d23",
                  "1                       ABCDEFGHIJKLMNOPQRSTUVWXd24",
                  "1                       ABCDEFGHIJKLMNOPQRSTUVWXYd25",
                  "1                                               none",
                  "12                       CBL-7                   two digits",
                  "2.5                       CBL-8                   part of a reel",
                  "                       CBL-9                   no quantity",
              }));
    EXPECT_EQ(bomParts(), (QStringList{"ABCDEFGHIJKLMNOPQRSTUVW", "ABCDEFGHIJKLMNOPQRSTUVWX",
                                       "ABCDEFGHIJKLMNOPQRSTUVWXY", "", "CBL-7", "CBL-8", "CBL-9"}));
    // A quantity that is no whole number is counted once.
    EXPECT_EQ(bomQuantities(), (QList<int>{1, 1, 1, 1, 12, 1, 1}));
}

TEST_F(ReportTest, RequiredAccessoriesSkipNoNaAndEmpty)
{
    Globals::System_Type = 1;
    Globals::Total_Axes = 4;
    const QStringList values{"No breakout", "N/A", "", "NO-BRK-1"};
    for (int i = 0; i < 4; ++i) {
        Axis[static_cast<std::size_t>(i)].Drive_Controller_Accessory = values[i];
        Axis[static_cast<std::size_t>(i)].Required_Drive_Accessory = values[i];
    }
    Globals::Required_Accessory_Part_Number = "Not required";
    Globals::Build_Report();
    EXPECT_EQ(bomParts(), (QStringList{"NO-BRK-1", "NO-BRK-1"}));

    Globals::Required_Accessory_Part_Number = "NOTCH-9";
    EXPECT_EQ(billLines(Globals::Build_Report()),
              (QStringList{"1                       NOTCH-9                 Controller Breakout",
                           "1                       NO-BRK-1                Drive to Controller Accessory Axis 4",
                           "1                       NO-BRK-1                Required Drive Accessory Axis 4"}));

    Globals::System_Type = 4;
    Axis[0].Required_Drive_Accessory = "NO-BRK-1";
    EXPECT_EQ(billLines(Globals::Build_Report()),
              QStringList{"1                       NO-BRK-1                Required Drive Accessory"});
    Axis[0].Required_Drive_Accessory = "No";
    EXPECT_EQ(billLines(Globals::Build_Report()), QStringList{});
    EXPECT_EQ(Globals::BOM_Count, 0);
}

TEST_F(ReportTest, IntegratedUnitsNameTheMotorOnTheDriveLine)
{
    fillDriveSystem();
    Axis[0].Motor_Series = "ZU";
    QStringList lines = billLines(Globals::Build_Report());
    EXPECT_EQ(lines[0], "1                       QX205-24-X0             QX-205 Drive and Motor");
    EXPECT_FALSE(bomParts().contains("KX16-2B-K-E1"));
    EXPECT_EQ(Globals::BOM_Count, 6);

    // A series name in another case is the same series, as the catalogue compares names.
    Axis[0].Motor_Series = "zu";
    lines = billLines(Globals::Build_Report());
    EXPECT_EQ(lines[0], "1                       QX205-24-X0             QX-205 Drive and Motor");
    EXPECT_FALSE(bomParts().contains("KX16-2B-K-E1"));

    Globals::System_Type = 2;
    Globals::Drive_Controller_Part_Number = "IQO-50-E1";
    Axis[0].Drive_Name = "iQO-50";
    Axis[0].Motor_Series = "iQO";
    lines = billLines(Globals::Build_Report());
    EXPECT_EQ(lines[0], "1                       IQO-50-E1               iQO-50 Drive/Controller and Motor");
    EXPECT_EQ(bomParts(), (QStringList{"IQO-50-E1", "MPC-KX16-10", "FBC-E1-10"}));
}

TEST_F(ReportTest, OtherKindsGiveAnEmptyReportAndAnAxisAccessoryDialogTheController)
{
    fillDriveSystem();
    Globals::Build_Report();
    ASSERT_EQ(Globals::BOM_Count, 7);
    // While an axis' drive accessories are edited the project is the controller's.
    Globals::System_Type = 1;
    const QString controller = Globals::Build_Report();
    Globals::System_Type = 3;
    EXPECT_EQ(Globals::Build_Report(), controller);
    Globals::System_Type = 0;
    EXPECT_EQ(Globals::Build_Report(), "");
    EXPECT_EQ(Globals::Report_Text, "");
    EXPECT_EQ(Globals::BOM_Count, 0);
}

TEST_F(ReportTest, EmptyKindFourReportEndsAfterTheHeading)
{
    Globals::System_Type = 4;
    EXPECT_EQ(Globals::Build_Report(),
              QString(kReportTitle +
                      "DRIVE: \r\n"
                      "NOTES: \r\n"
                      "DRIVE INPUT VOLTAGE: \r\n"
                      "MOTOR: \r\n"
                      "NOTES: \r\n"
                      "\r\n"
                      "\r\n"
                      "\r\n"
                      + kBillHeading));
    EXPECT_EQ(Globals::BOM_Count, 0);
}

TEST_F(ReportTest, ManyAxesStopAtTheLastRecordAndEveryLineIsRecorded)
{
    Globals::System_Type = 1;
    Globals::Total_Axes = 20;
    for (std::size_t i = 0; i < Axis.size(); ++i) {
        for (int k = 0; k < 21; ++k)
            setDriveAccessory(Axis[i], k, QString("ACC-%1-%2 = Accessory").arg(i + 1).arg(k), "1", "Accessory");
    }
    const QString report = Globals::Build_Report();
    EXPECT_EQ(Globals::BOM_Count, 16 * 21);
    ASSERT_GT(Globals::BOM_Part_Number.size(), 16 * 21);
    EXPECT_EQ(Globals::BOM_Part_Number[201], "ACC-10-11");
    EXPECT_EQ(Globals::BOM_Part_Number[336], "ACC-16-20");
    EXPECT_EQ(Globals::BOM_Quantity[336], 1);
    EXPECT_TRUE(report.endsWith("ACC-16-20               Accessory Axis 16\r\n"));
    EXPECT_FALSE(report.contains("Axis 17"));
}

TEST_F(ReportTest, ExportWritesTheReportAndOpensIt)
{
    fillDriveSystem();
    Axis[0].Motor_Notes = "Caf\u00e9 rated \u00b110%";
    const QString path = dir.filePath("system report.txt");
    files->queuePath(path);
    Globals::Export_Data(nullptr);

    ASSERT_EQ(files->calls().size(), 1);
    const FileDialog::Settings& s = files->calls()[0].settings;
    EXPECT_EQ(files->calls()[0].mode, FileDialog::Save);
    EXPECT_EQ(s.filter, "All Files (*.*)|*.*|Text Files (*.txt)|*.txt");
    EXPECT_EQ(s.filterIndex, 2);
    EXPECT_EQ(s.defaultExt, "");

    const QByteArray bytes = fileBytes(path);
    EXPECT_TRUE(bytes.contains("NOTES: Caf\xe9 rated \xb1" "10%\r\n"));
    EXPECT_TRUE(bytes.endsWith("Motor Feedback Cable\r\n"));
    EXPECT_EQ(Globals::Report_Text, Globals::Build_Report());
    EXPECT_EQ(shell->opened(), QStringList{path});
    EXPECT_TRUE(msg->messages().isEmpty());

    // Without a desktop opener, or with one that fails after it started, the user learns where the report went.
    for (const ShellOpen::Seam::Opener opener : {ShellOpen::Seam::Missing, ShellOpen::Seam::Fails}) {
        msg->clear();
        shell->setOpener(opener);
        files->queuePath(path);
        Globals::Export_Data(nullptr);
        processEvents();
        ASSERT_EQ(msg->messages().size(), 1) << opener;
        EXPECT_EQ(msg->messages()[0].prompt,
                  "The file was written to " + path + ".\nNo program on this computer is set up to open it.");
        EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
        EXPECT_EQ(msg->messages()[0].icon, MsgBox::Information);
        EXPECT_EQ(fileBytes(path), bytes);
    }
}

TEST_F(ReportTest, ExportCancelledOrUnwritableOpensNothing)
{
    fillDriveSystem();
    files->queueCancel();
    Globals::Export_Data(nullptr);
    EXPECT_EQ(Globals::Report_Text, "");
    EXPECT_TRUE(shell->opened().isEmpty());
    EXPECT_TRUE(msg->messages().isEmpty());

    files->queuePath(dir.filePath("missing folder/report.txt"));
    Globals::Export_Data(nullptr);
    EXPECT_TRUE(shell->opened().isEmpty());
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
}
