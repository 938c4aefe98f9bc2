// Spec-sheet work books: single and family exports written to a temporary folder and read back
// from the .xlsx package: sheets, selection, hidden sheets, cell texts and numbers, the chart,
// and the failure paths.

#include "LinearHand.h"
#include "MessageCapture.h"
#include "RotaryHand.h"
#include "ServoSet.h"
#include "WorkbookDump.h"

#include "sizing/MotorModelACX.h"
#include "sizing/SpecWorkbook.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

using namespace Pulvane_V4;
namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.1415927;
const std::string kSaveFailed = "A file of the same name is already open.\r\n"
                                "This is preventing Pirkanda from Saving your file.\r\n"
                                "Please close the file and try again.";

// What the sheets must show.
struct Expected {
    double stall = 0, peak = 0, contCurrent6 = 0, peakCurrent6 = 0;
    double ratedSpeed = 0, ratedTorque = 0, ratedPower = 0, ratedCurrent = 0;
    std::array<double, 40> speed{}, cont{}, peakCurve{};
};

// Worked out by hand for a motor loaded without a pretest: the grid steps by a 38th of the
// top speed (never refined here), the rated point has the largest continuous power below the
// top speed, and the motor sheet shows six-state currents (x r3 / 2).
template <class Hand>
Expected ByHand(const Hand& h, bool linear)
{
    const double Wrmax = h.p.Wrmax;
    const double toSpeed = linear ? 1 : hand::pi / 30; // rpm to rad/s
    const double step = Wrmax / 38 * toSpeed;
    Expected e;
    e.stall = h.ContPoint(0).value;
    e.peak = h.PeakPoint(0).value;
    e.contCurrent6 = h.ContPoint(0).current * 1.732050808 / 2;
    e.peakCurrent6 = h.PeakPoint(0).current * 1.732050808 / 2;
    int k = 0;
    double lastPositive = 0;
    for (int i = 0; i < 40; ++i) {
        const double w = i * step;
        e.speed[i] = w;
        e.cont[i] = h.ContPoint(w).value;
        e.peakCurve[i] = h.PeakPoint(w).value;
        const double power = w * e.cont[i] / (linear ? 1 : 141.6);
        if (power > e.ratedPower && w < Wrmax * toSpeed) {
            e.ratedPower = power;
            k = i;
        }
        if (e.peakCurve[i] > 0)
            lastPositive = w / toSpeed;
    }
    EXPECT_GE(lastPositive, 2 * Wrmax / 3) << "the grid would be refined";
    e.ratedSpeed = k * step;
    e.ratedTorque = e.cont[k];
    e.ratedCurrent = h.ContPoint(e.ratedSpeed).current;
    return e;
}

Expected ByHand(const ServoSet& set)
{
    if (set.MotorType == "Linear")
        return ByHand(LinearHand{set, false}, true);
    return ByHand(RotaryHand{set, false}, false);
}

// Units (column C) and descriptions (column D) of the rotary motor sheet, rows 5 to 43.
const std::map<int, std::pair<std::string, std::string>> kRotaryTexts = {
    {5, {"", "Motor Description"}},
    {6, {"", "Winding Number"}},
    {7, {"Volts/Rad/s", "Motor lead to lead voltage constant"}},
    {8, {"Ohms", "Cold lead to lead Resistance of the motor"}},
    {9, {"Henries", "Maxmimum Lead to lead Inductance of the motor"}},
    {10, {"Henries", "Minimum Lead to lead Inductance of the motor"}},
    {11, {"oz*in*sec^2", "Motor rotor Inertia"}},
    {12, {"Volts", "Motor maximum rated voltage"}},
    {13, {"deg C/Watt", "Thermal Resistance from Wind to Amb"}},
    {14, {"deg C/Watt", "Thermal Resistance from wind to case"}},
    {15, {"oz*in/KRPM", "Rotor Viscous Damping"}},
    {16, {"oz*in", "Rotor Dynamic Friction"}},
    {17, {"Deg C", "Max Winding Temperature"}},
    {18, {"Deg C", "Rated Winding Temperature"}},
    {19, {"Deg C", "Ambient Air Temp around motor."}},
    {20, {"RPM", "Maximum Shaft Speed Mechical Limit"}},
    {21, {"unitless", "Number of magnet poles on the rotor"}},
    {22, {"unitless", "Determines if the friction and damping derates the motor"}},
    {23, {"unitless", "The Ration of Peak to Cont Torque"}},
    {24, {"Watts", "Losses in the case due to the fail-safe Brake"}},
    {25, {"Seconds", "Motor time constant"}},
    {26, {"Seconds", "Winding time constant"}},
    {27, {"", "Motor Thermal Test Condition"}},
    {28, {"Lbs", "Motor Only Weight"}},
    {29, {"Lbs", "Additional Weight if Equipted with Brake"}},
    {30, {"oz*in*sec^2", "Additional Inertia if Equipted with Brake"}},
    {31, {"Oz*in", "Stall Torque"}},
    {32, {"Oz*in", "Peak Torque"}},
    {33, {"Amps Six State", "Cont Stall Current"}},
    {34, {"Amps Six State", "Peak Current"}},
    {35, {"RPM", "Rated Speed"}},
    {36, {"Oz*in", "Rated Torque"}},
    {37, {"Watts", "Rated Power"}},
    {38, {"Amps Sine Peak", "Rated Current"}},
    {39, {"deg C", "Temp of Winding at Rated TS"}},
    {40, {"deg C", "Temp of Case at Rated TS"}},
    {41, {"Seconds", "The Max time at 2x Rated Current Starting at 60c"}},
    {42, {"Seconds", "The Max time at 3x Rated Current Starting at 60c"}},
    {43, {"Volt Limit Type", "Servo Motor Torque-Speed and Thermal Model"}},
};

// Where the linear sheet differs.
const std::map<int, std::pair<std::string, std::string>> kLinearTexts = {
    {7, {"Volts/M/s", "Motor lead to lead voltage constant"}},
    {11, {"Kg", "Total Mass of Forcer"}},
    {15, {"N/m/s", "Rotor Viscous Damping"}},
    {16, {"N", "Dynamic Friction"}},
    {20, {"m/s", "Maximum Forcer Speed Mechical Limit"}},
    {21, {"Magnet Pitch", "Magnet Pitch"}},
    {23, {"unitless", "The Ratio of Peak to Cont Torque"}},
    {24, {"n/s", "n/a"}},
    {25, {"Seconds", "Motor Case time constant"}},
    {28, {"lbs/ft", "Weight of Magnet Bar"}},
    {29, {"n/a", "n/a"}},
    {30, {"n/a", "n/a"}},
    {31, {"N", "Stall Force"}},
    {32, {"N", "Peak Force"}},
    {35, {"m/s", "Rated Speed"}},
    {36, {"N", "Rated Force"}},
};

// Scaling table, rows 6 to 24: value (number, or text when it starts with a letter), unit, description.
const std::vector<std::array<std::string, 3>> kScaling = {
    {"40", "unitless", "The Original Number of turns of wire per Phase"},
    {"22", "AWG", "The Original Effective Wire Guage"},
    {"KX23-A", "text", "The Original Motor Name"},
    {"0.42", "unitless", "The Original Slot Fill Calculation"},
    {"2", "unitless", "The Original number of wire insulation Layers"},
    {"3", "unitless", "The Original number of wire in hand for the winding"},
    {"2.5", "unitless", "The Original Length of the stator Stack"},
    {"0.75", "unitless", "The Original Length of the Endturn"},
    {"Wye", "unitless", "The Original Phase Orientation"},
    {"Round", "unitless", "The Original Wire Bundle Orientation"},
    {"44", "unitless", "The Scaled Number of turns of wire per Phase"},
    {"23", "AWG", "The Scaled Effective Wire Guage"},
    {"0.45", "unitLess", "The Scaled Slot Fill Calculation"},
    {"4", "unitless", "The Scaled Number of wire insulation Layers"},
    {"5", "unitless", "The Scaled number of wire in hand for the winding"},
    {"3.5", "unitless", "The Scaled Length of the stator Stack"},
    {"0.85", "unitless", "The Scaled Length of the Endturn"},
    {"Delta", "unitless", "The Scaled Phase Orientation"},
    {"Flat", "unitless", "The Scaled Wire Bundle Orientation"},
};

struct Reference {
    std::string Dname = "BSD-230 06", Mname = "KX232AE Servo Motor", WindNum = "A",
                ThermCondition = "10 x 10 x 0.25 in aluminium plate";
    double Lmax = 0.0125, Lmin = 0.0098, Weight = 4.75, BrakeWeight = 1.25,
           BrakeInertia = 0.000351234567891234, TwMax = 180;
};

class SpecSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path()
                 / ("quenro-specsheets-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    // A single export into a file of the folder, read back.
    WorkbookDump Export(const std::string& file)
    {
        EXPECT_TRUE(m.ExportExcelSpecSheet(Path(file)));
        return ReadWorkbook(Path(file));
    }

    // Ends a family run into a file of the folder; the sheet names written.
    std::vector<std::string> Close(MotorTSModel& model, const std::string& file) const
    {
        model.CloseExcelFamSpecSheet(Path(file));
        return ReadWorkbook(Path(file)).Names();
    }

    // A motor, drive and profile with the values only the sheets show.
    void Put(const ServoSet& set, const Reference& ref = {})
    {
        Load(acx, set);
        m.SetReferenceParameters(ref.Dname, ref.Mname, ref.WindNum, ref.ThermCondition, ref.Lmax,
                                 ref.Lmin, ref.Weight, ref.BrakeWeight, ref.BrakeInertia, ref.TwMax);
        m.SetRefScalingParmeters(40, 22, "KX23-A", 0.42, 2, 3, 2.5, 0.75, "Wye", "Round", 44, 23,
                                 0.45, 4, 5, 3.5, 0.85, "Delta", "Flat");
    }

    fs::path folder;
    MotorModelACX acx;
    MotorTSModel& m = acx.DLLMotor();
};

using Names = std::vector<std::string>;
const Names kOneMotor = {"Specs1", "MotorData1", "DriveData1", "TSData1", "Sheet1"};

void ExpectMotorTexts(const WorkbookDump::Sheet& s, bool linear)
{
    for (const auto& [row, texts] : kRotaryTexts) {
        const auto diff = kLinearTexts.find(row);
        const auto& [unit, description] = linear && diff != kLinearTexts.end() ? diff->second : texts;
        const std::string r = std::to_string(row);
        if (unit.empty())
            EXPECT_NE("s", s.At("C" + r).type) << "C" << r;
        else
            EXPECT_EQ(unit, s.Text("C" + r)) << "C" << r;
        EXPECT_EQ(description, s.Text("D" + r)) << "D" << r;
    }
    for (std::size_t i = 0; i < kScaling.size(); ++i) {
        const std::string r = std::to_string(i + 6);
        const auto& [value, unit, description] = kScaling[i];
        if (std::isalpha(static_cast<unsigned char>(value[0])))
            EXPECT_EQ(value, s.Text("F" + r)) << "F" << r;
        else
            EXPECT_EQ(std::stod(value), s.Number("F" + r)) << "F" << r;
        EXPECT_EQ(unit, s.Text("G" + r)) << "G" << r;
        EXPECT_EQ(description, s.Text("H" + r)) << "H" << r;
    }
}

// Stall and peak values, six-state currents and the rated point (speed in rpm or m/s).
void ExpectMotorValues(const WorkbookDump::Sheet& s, const Expected& e, bool linear)
{
    const double values[] = {e.stall, e.peak, e.contCurrent6, e.peakCurrent6,
                             linear ? e.ratedSpeed : e.ratedSpeed * 30 / kPi, e.ratedTorque,
                             e.ratedPower, e.ratedCurrent};
    for (int row = 31; row <= 38; ++row)
        hand::ExpectNear(values[row - 31], s.Number("B" + std::to_string(row)), "B" + std::to_string(row));
}

void ExpectCurve(const WorkbookDump::Sheet& s, const Expected& e, bool linear)
{
    for (int i = 0; i < 40; ++i) {
        const std::string r = std::to_string(i + 5);
        hand::ExpectNear(linear ? e.speed[i] : e.speed[i] * 30 / kPi, s.Number("B" + r), "B" + r);
        hand::ExpectNear(e.cont[i], s.Number("C" + r), "C" + r);
        hand::ExpectNear(e.peakCurve[i], s.Number("D" + r), "D" + r);
    }
    EXPECT_EQ("none", s.At("B45").type);
    EXPECT_EQ(0, s.Number("B5"));
}

TEST_F(SpecSheetTest, RotaryMotorSheets)
{
    const ServoSet set;
    const Expected e = ByHand(set);
    Put(set);
    const WorkbookDump book = Export("rotary.xlsx");

    EXPECT_EQ("Motor Spec Sheets", book.title);
    EXPECT_EQ(kOneMotor, book.Names());
    EXPECT_EQ(Names{}, book.Hidden());
    EXPECT_EQ(0, book.activeTab);
    EXPECT_TRUE(book["Specs1"].selected);
    EXPECT_FALSE(book["MotorData1"].selected);

    const auto& md = book["MotorData1"];
    ExpectMotorTexts(md, false);
    EXPECT_EQ("KX232AE Servo Motor", md.Text("B5"));
    EXPECT_EQ("A", md.Text("B6"));
    const std::map<int, double> parameters = {
        {7, 1.0},  {8, 2.0},  {9, 0.0125}, {10, 0.0098}, {11, 0.02}, {12, 340}, {13, 1.5},
        {14, 0.5}, {15, 2.0}, {16, 3.0},   {17, 180},    {18, 155},  {19, 40},  {20, 3000},
        {21, 8},   {22, 1},   {23, 3},     {24, 0.5},    {25, 1800}, {26, 600}, {28, 4.75},
        {29, 1.25}, {30, 0.000351234567891234}}; // unrounded, to the last digit
    for (const auto& [row, value] : parameters)
        EXPECT_EQ(value, md.Number("B" + std::to_string(row))) << "B" << row;
    EXPECT_EQ("10 x 10 x 0.25 in aluminium plate", md.Text("B27"));
    ExpectMotorValues(md, e, false);
    // The thermal limit decides the rated point: the winding sits at its rated temperature and
    // the case between it and ambient by the thermal resistances.
    const double Tw = md.Number("B39");
    const double Tc = md.Number("B40");
    EXPECT_NEAR(155, Tw, 1e-6);
    // Before any pretest the working friction is 0, so the only mechanical loss is the brake's.
    EXPECT_NEAR((1.5 - 0.5) / 0.5 * (Tw - Tc) + (1.5 - 0.5) * 0.5, Tc - 40, 1e-9);
    EXPECT_EQ("Not Implemented", md.Text("B41"));
    EXPECT_EQ("Not Implemented", md.Text("B42"));
    EXPECT_EQ("Analog", md.Text("B43"));

    const auto& dd = book["DriveData1"];
    const std::vector<std::array<std::string, 2>> drive = {
        {" ", "Amplifier Model Number"},       {"Volts DC", "Amplifier Bus Voltage"},
        {"Volts DC", "Amplifier Max Bus Voltage"}, {"Volts DC", "Amplifier Min Bus Voltage"},
        {"Hz", "Amplifier Switching Freqency"}, {"Amps Peak of Sine", "Continous Amplifier Current"},
        {"Amps Peak of Sine", "Peak Amplifier Current"}};
    for (std::size_t i = 0; i < drive.size(); ++i) {
        const std::string r = std::to_string(i + 5);
        EXPECT_EQ(drive[i][0], dd.Text("C" + r)) << "C" << r;
        EXPECT_EQ(drive[i][1], dd.Text("D" + r)) << "D" << r;
    }
    EXPECT_EQ("BSD-230 06", dd.Text("B5"));
    const std::array<double, 6> driveValues{320, 400, 100, 8000, 8, 16};
    for (std::size_t i = 0; i < driveValues.size(); ++i)
        EXPECT_EQ(driveValues[i], dd.Number("B" + std::to_string(i + 6)));

    const auto& ts = book["TSData1"];
    ExpectCurve(ts, e, false);
    hand::ExpectNear(3000.0 / 38, ts.Number("B6"), "one grid step in rpm");
    EXPECT_EQ("Speed (RPM)", ts.Text("B4"));

    const auto& specs = book["Specs1"];
    EXPECT_EQ("TSData1", specs.Text("J7"));
    EXPECT_EQ("Servo Motor Data Sheet", specs.Text("A1"));
    EXPECT_EQ((std::vector<std::string>{"scatterChart", "Speed/Torque Curve", "Speed (RPM)", "Torque (oz*in)"}),
              specs.chart);
    ASSERT_EQ(2u, specs.series.size());
    EXPECT_EQ("Continuous", specs.series[0].name);
    EXPECT_EQ("TSData1!$B$5:$B$44", specs.series[0].x);
    EXPECT_EQ("TSData1!$C$5:$C$44", specs.series[0].y);
    EXPECT_EQ("Peak", specs.series[1].name);
    EXPECT_EQ("TSData1!$D$5:$D$44", specs.series[1].y);
    // The Specs sheet shows the data sheets' values through references, with their values now.
    const auto stall = specs.At("B7");
    EXPECT_EQ("MotorData1!B31", stall.formula);
    hand::ExpectNear(e.stall, std::stod(stall.value), "Specs stall torque");
    EXPECT_EQ((WorkbookDump::Cell{"str", "KX232AE Servo Motor", "T(MotorData1!B5)"}), specs.At("A2"));
    EXPECT_EQ((WorkbookDump::Cell{"str", "BSD-230 06", "T(DriveData1!B5)"}), specs.At("F20"));

    // A second export replaces the file.
    m.SetReferenceParameters("BSD-230 12", "Second", "B", "", 0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(m.ExportExcelSpecSheet(Path("rotary.xlsx")));
    EXPECT_EQ("Second", ReadWorkbook(Path("rotary.xlsx"))["MotorData1"].Text("B5"));
    EXPECT_EQ(Names{"rotary.xlsx"}, Entries());
}

TEST_F(SpecSheetTest, LinearMotorSheets)
{
    const ServoSet set = LinearSet();
    const Expected e = ByHand(set);
    Put(set);
    const WorkbookDump book = Export("linear.xlsx");

    EXPECT_EQ("Linear Motor Spec Sheets", book.title);
    EXPECT_EQ(kOneMotor, book.Names());
    const auto& md = book["MotorData1"];
    ExpectMotorTexts(md, true);
    EXPECT_EQ(50, md.Number("B7"));
    EXPECT_EQ(5, md.Number("B11")); // the forcer mass
    EXPECT_EQ(3, md.Number("B20")); // m/s
    EXPECT_EQ(30, md.Number("B21")); // the magnet pitch
    ExpectMotorValues(md, e, true);
    EXPECT_EQ("Digital", md.Text("B43"));
    ExpectCurve(book["TSData1"], e, true);
    EXPECT_EQ("Speed (m/s)", book["TSData1"].Text("B4"));
    EXPECT_EQ("Linear Servo Motor Data Sheet", book["Specs1"].Text("A1"));
    EXPECT_EQ("Speed (m/s)", book["Specs1"].chart.at(2));

    // A type that is neither takes the linear template and work book and the rotary writer.
    MessageCapture capture;
    m.SetMotorTypeInt(5);
    const WorkbookDump neither = Export("neither.xlsx");
    EXPECT_EQ("Linear Motor Spec Sheets", neither.title);
    EXPECT_EQ("Linear Servo Motor Data Sheet", neither["Specs1"].Text("A1"));
    EXPECT_EQ("Volts/Rad/s", neither["MotorData1"].Text("C7"));
    EXPECT_EQ("Stall Torque", neither["MotorData1"].Text("D31"));
}

TEST_F(SpecSheetTest, TextCellsStayText)
{
    Reference ref;
    ref.Mname = "=SUM(1,2)";
    ref.WindNum = "007";
    ref.Dname = "=HYPERLINK(\"http://x\")";
    ref.ThermCondition = "+1";
    ref.Lmax = std::numeric_limits<double>::quiet_NaN();
    Put(ServoSet{}, ref);
    const WorkbookDump book = Export("text.xlsx");
    const auto& md = book["MotorData1"];
    EXPECT_EQ((WorkbookDump::Cell{"s", "=SUM(1,2)", ""}), md.At("B5"));
    EXPECT_EQ((WorkbookDump::Cell{"s", "007", ""}), md.At("B6"));
    EXPECT_EQ((WorkbookDump::Cell{"s", "+1", ""}), md.At("B27"));
    EXPECT_EQ((WorkbookDump::Cell{"s", "=HYPERLINK(\"http://x\")", ""}), book["DriveData1"].At("B5"));
    EXPECT_EQ((WorkbookDump::Cell{"str", "=SUM(1,2)", "T(MotorData1!B5)"}), book["Specs1"].At("A2"));
    // A number without a value cannot be stored as one; the file stays readable.
    EXPECT_EQ((WorkbookDump::Cell{"s", "#NUM!", ""}), md.At("B9"));
    EXPECT_EQ((WorkbookDump::Cell{"str", "#NUM!", "MotorData1!B9"}), book["Specs1"].At("F9"));
}

TEST_F(SpecSheetTest, HiddenDataSheetsLeaveTheSpecsSheetSelected)
{
    Put(ServoSet{});
    m.mbolHideSheets = true;
    const WorkbookDump book = Export("hidden.xlsx");
    EXPECT_EQ(kOneMotor, book.Names());
    EXPECT_EQ((Names{"MotorData1", "DriveData1", "TSData1"}), book.Hidden());
    EXPECT_EQ(0, book.activeTab);
    EXPECT_TRUE(book["Specs1"].selected);
}

TEST_F(SpecSheetTest, FamilyOfThreeMotors)
{
    const Expected linear = ByHand(LinearSet());
    m.OpenExcelFamSpecSheet();
    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    Put(LinearSet(), Reference{"BSD-48 10", "LM602 Linear", "B", "", 0, 0, 2.5, 0, 0, 155});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    Put(SetB(), Reference{"BSD-230 03", "KX232AE on a small drive", "A", "", 0, 0, 0, 0, 0, 180});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    m.CloseExcelFamSpecSheet(Path("family.xlsx"));

    const WorkbookDump book = ReadWorkbook(Path("family.xlsx"));
    // The first motor chose the work book; later linear motors still use the linear template.
    EXPECT_EQ("Motor Spec Sheets", book.title);
    EXPECT_EQ((Names{"Specs1", "MotorData1", "DriveData1", "TSData1", "Specs2", "MotorData2",
                     "DriveData2", "TSData2", "Specs3", "MotorData3", "DriveData3", "TSData3", "Sheet1"}),
              book.Names());
    EXPECT_EQ(Names{}, book.Hidden());
    // Saved as the last motor left it: its Specs sheet selected.
    EXPECT_EQ(8, book.activeTab);
    for (const auto& sheet : book.sheets)
        EXPECT_EQ(sheet.name == "Specs3", sheet.selected) << sheet.name;

    for (const char* k : {"1", "2", "3"})
        EXPECT_EQ(std::string("TSData") + k, book[std::string("Specs") + k].Text("J7"));
    EXPECT_EQ("KX232AE Servo Motor", book["MotorData1"].Text("B5"));
    EXPECT_EQ("LM602 Linear", book["MotorData2"].Text("B5"));
    ExpectMotorTexts(book["MotorData2"], true);
    ExpectCurve(book["TSData2"], linear, true);
    EXPECT_EQ("Linear Servo Motor Data Sheet", book["Specs2"].Text("A1"));
    EXPECT_EQ("Digital", book["MotorData3"].Text("B43"));
    EXPECT_EQ(300, book["DriveData3"].Number("B6"));
    EXPECT_EQ("BSD-230 03", book["DriveData3"].Text("B5"));
    const auto& specs2 = book["Specs2"];
    EXPECT_EQ("TSData2!$D$5:$D$44", specs2.series.at(1).y);
    EXPECT_EQ("MotorData2!B31", specs2.At("B7").formula);
    EXPECT_EQ("T(DriveData3!B5)", book["Specs3"].At("F20").formula);

    // Hidden data sheets: every motor's three, never a Specs sheet; the first sheet selected.
    m.mbolHideSheets = true;
    m.OpenExcelFamSpecSheet();
    Put(LinearSet());
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    m.CloseExcelFamSpecSheet(Path("hidden.xlsx"));
    const WorkbookDump hidden = ReadWorkbook(Path("hidden.xlsx"));
    EXPECT_EQ("Linear Motor Spec Sheets", hidden.title);
    EXPECT_EQ((Names{"MotorData1", "DriveData1", "TSData1", "MotorData2", "DriveData2", "TSData2"}),
              hidden.Hidden());
    EXPECT_EQ(0, hidden.activeTab);
    EXPECT_TRUE(hidden["Specs1"].selected);
    EXPECT_FALSE(hidden["Specs2"].selected);
}

TEST_F(SpecSheetTest, SingleExportLeavesTheFamilyRunAlone)
{
    m.OpenExcelFamSpecSheet();
    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    // A single export in the middle of the run, hiding its data sheets.
    m.mbolHideSheets = true;
    Put(LinearSet(), Reference{"BSD-48 10", "Single", "C", "", 0, 0, 0, 0, 0, 0});
    ASSERT_TRUE(m.ExportExcelSpecSheet(Path("single.xlsx")));
    m.mbolHideSheets = false;
    Put(SetB());
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    m.CloseExcelFamSpecSheet(Path("family.xlsx"));

    const WorkbookDump family = ReadWorkbook(Path("family.xlsx"));
    EXPECT_EQ((Names{"Specs1", "MotorData1", "DriveData1", "TSData1", "Specs2", "MotorData2",
                     "DriveData2", "TSData2", "Sheet1"}),
              family.Names());
    EXPECT_EQ(320, family["DriveData1"].Number("B6"));
    EXPECT_EQ(300, family["DriveData2"].Number("B6"));
    const WorkbookDump single = ReadWorkbook(Path("single.xlsx"));
    EXPECT_EQ(kOneMotor, single.Names());
    EXPECT_EQ((Names{"MotorData1", "DriveData1", "TSData1"}), single.Hidden());
    EXPECT_EQ("Single", single["MotorData1"].Text("B5"));

    // After a single export that hid its sheets, a family needs no fresh open to start at 1.
    MotorModelACX other;
    MotorTSModel& o = other.DLLMotor();
    Load(other, ServoSet{});
    o.mbolHideSheets = true;
    ASSERT_TRUE(o.ExportExcelSpecSheet(Path("first.xlsx")));
    ASSERT_TRUE(o.ExportExcelFamSpecSheet());
    EXPECT_EQ(kOneMotor, Close(o, "next.xlsx"));
}

TEST_F(SpecSheetTest, UnwritableFileLeavesNothingBehind)
{
    Put(ServoSet{});
    MessageCapture capture;
    EXPECT_FALSE(m.ExportExcelSpecSheet(Path("missing/spec.xlsx")));
    fs::create_directory(folder / "taken.xlsx");
    EXPECT_FALSE(m.ExportExcelSpecSheet(Path("taken.xlsx")));
    EXPECT_FALSE(m.ExportExcelSpecSheet(""));
    const std::pair<std::string, std::string> message{kSaveFailed, "Error"};
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>(3, message)), capture.messages);
    EXPECT_EQ(Names{"taken.xlsx"}, Entries());
    EXPECT_TRUE(fs::is_empty(folder / "taken.xlsx"));

    // A family whose file cannot be written: the message, no file, and the run is over.
    capture.messages.clear();
    m.OpenExcelFamSpecSheet();
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    m.CloseExcelFamSpecSheet(Path("missing/family.xlsx"));
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{message}), capture.messages);
    EXPECT_EQ(Names{"taken.xlsx"}, Entries());
    EXPECT_FALSE(m.ExportExcelFamSpecSheet()); // the numbering stays without its book
    m.OpenExcelFamSpecSheet();
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    EXPECT_EQ(kOneMotor, Close(m, "family.xlsx"));
}

TEST_F(SpecSheetTest, ModelFailureEndsTheExportWithoutFileOrMessage)
{
    ServoSet broken;
    broken.Rthwa = 0; // the thermal limit divides by it
    Put(broken);
    MessageCapture capture;
    EXPECT_FALSE(m.ExportExcelSpecSheet(Path("broken.xlsx")));

    m.OpenExcelFamSpecSheet();
    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    Put(broken);
    EXPECT_FALSE(m.ExportExcelFamSpecSheet());
    // The failed run lost its book: closing writes nothing and starts the numbering again.
    m.CloseExcelFamSpecSheet(Path("family.xlsx"));
    EXPECT_TRUE(capture.messages.empty());
    EXPECT_EQ(Names{}, Entries());

    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    EXPECT_EQ(kOneMotor, Close(m, "family.xlsx"));
}

TEST_F(SpecSheetTest, CloseWithoutANameWritesNothingAndEndsTheRun)
{
    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    m.CloseExcelFamSpecSheet("");
    EXPECT_EQ(Names{}, Entries());
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    EXPECT_EQ(kOneMotor, Close(m, "family.xlsx"));
    std::unique_ptr<SpecWorkbook> app;
    EXPECT_TRUE(m.Load_Excel_App(app));
    EXPECT_NE(nullptr, app);
}

} // namespace

namespace {

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST_F(SpecSheetTest, TextsTheBookCannotHoldAreConvertedOrEscaped)
{
    // Each text as passed and as read back, on its data sheet and in the Specs sheet's copy.
    struct Case {
        std::string passed, shown;
        const char* sheet;
        const char* cell;
        const char* specsCell;
    };
    const Case cases[] = {
        {"KX232AE 90\xB0" "C, \xC2\xB5m", "KX232AE 90\xC2\xB0" "C, \xC2\xB5m", "MotorData1", "B5", "A2"}, // Windows-1252 and UTF-8
        {"A\x01" "B\x1F", "A\x01" "B\x1F", "MotorData1", "B6", "B3"},
        {std::string("plate\0 line\r\nnext \xEF\xBF\xBF", 21), std::string("plate\0 line\r\nnext \xEF\xBF\xBF", 21),
         "MotorData1", "B27", "B4"},
        {"BSD \x93" "06\x94 <&> _x0041_", "BSD \xE2\x80\x9C" "06\xE2\x80\x9D <&> _x0041_", "DriveData1", "B5", "F20"},
    };
    Reference ref;
    ref.Mname = cases[0].passed;
    ref.WindNum = cases[1].passed;
    ref.ThermCondition = cases[2].passed;
    ref.Dname = cases[3].passed;
    Put(ServoSet{}, ref);
    const WorkbookDump book = Export("texts.xlsx");
    for (const Case& c : cases) {
        EXPECT_EQ(c.shown, book[c.sheet].Text(c.cell)) << c.cell;
        EXPECT_EQ(c.shown, book["Specs1"].At(c.specsCell).value) << c.specsCell;
    }
}

TEST_F(SpecSheetTest, ReadOnlyTargetsAndLinksAreRefused)
{
    Put(ServoSet{});
    MessageCapture capture;
    std::ofstream(folder / "locked.xlsx") << "old";
    fs::permissions(folder / "locked.xlsx", fs::perms::owner_read | fs::perms::group_read);
    std::ofstream(folder / "real.xlsx") << "real";
    fs::create_symlink("real.xlsx", folder / "link.xlsx");
    fs::create_symlink("nowhere.xlsx", folder / "dangling.xlsx");
    for (const char* target : {"locked.xlsx", "link.xlsx", "dangling.xlsx"})
        EXPECT_FALSE(m.ExportExcelSpecSheet(Path(target))) << target;
    EXPECT_EQ((std::vector<std::pair<std::string, std::string>>(3, {kSaveFailed, "Error"})), capture.messages);
    EXPECT_EQ("old", FileText(folder / "locked.xlsx"));
    EXPECT_EQ("real", FileText(folder / "link.xlsx"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.xlsx"));
    EXPECT_EQ(4u, Entries().size()); // no temporary file, no "nowhere.xlsx"

    // A file that may be written is replaced and keeps its permissions.
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(folder / "real.xlsx", mode);
    EXPECT_TRUE(m.ExportExcelSpecSheet(Path("real.xlsx")));
    EXPECT_EQ(mode, fs::status(folder / "real.xlsx").permissions());
    EXPECT_EQ(kOneMotor, ReadWorkbook(Path("real.xlsx")).Names());
}

TEST_F(SpecSheetTest, TextLongerThanACellFailsTheExport)
{
    // Counted in characters as the book stores them: a control character takes its 7-character escape.
    const std::pair<std::string, bool> cases[] = {
        {std::string(32767, 'x'), true},   {std::string(32768, 'x'), false},
        {std::string(32767, '\xB0'), true}, {std::string(4681, '\x01'), true},
        {std::string(4682, '\x01'), false},
    };
    MessageCapture capture;
    for (const auto& [name, fits] : cases) {
        Reference ref;
        ref.Mname = name;
        Put(ServoSet{}, ref);
        const std::string file = std::to_string(name.size()) + "-" + std::to_string(name[0]) + ".xlsx";
        EXPECT_EQ(fits, m.ExportExcelSpecSheet(Path(file))) << file;
        EXPECT_EQ(fits, fs::exists(folder / file)) << file;
        if (fits) {
            EXPECT_EQ(name[0] == '\xB0' ? Repeated("\xC2\xB0", name.size()) : name,
                      ReadWorkbook(Path(file))["MotorData1"].Text("B5"))
                << file;
        }
    }

    // In a family the export of that motor fails, not the close of the whole family later.
    m.OpenExcelFamSpecSheet();
    Put(ServoSet{});
    ASSERT_TRUE(m.ExportExcelFamSpecSheet());
    Reference ref;
    ref.Dname = std::string(40000, 'd');
    Put(SetB(), ref);
    EXPECT_FALSE(m.ExportExcelFamSpecSheet());
    EXPECT_TRUE(capture.messages.empty());
}
