#include "sizing/SpecTemplate.h"

#include "sizing/SizingError.h"

#include <initializer_list>
#include <vector>

namespace Pulvane_V4 {

namespace {

using Style = SpecSheet::Style;

enum class Source { Motor, Drive };

// One line of the Specs sheet: a label, the data-sheet row it shows (value in B, unit in C),
// and how the value is shown.
struct SpecLine {
    const char* rotaryLabel;
    const char* linearLabel; // nullptr: as rotary
    Source source;
    int row;
    const char* numberFormat; // nullptr: a text value
    bool unit = true;
};

struct SpecBlock {
    const char* column; // label column; value and unit follow
    int firstRow;
    const char* heading;
    std::vector<SpecLine> lines;
};

const SpecBlock kPerformance{"A", 6, "Performance", {
    {"Continuous Stall Torque", "Continuous Stall Force", Source::Motor, 31, "0.00"},
    {"Peak Torque", "Peak Force", Source::Motor, 32, "0.00"},
    {"Continuous Stall Current", nullptr, Source::Motor, 33, "0.00"},
    {"Peak Current", nullptr, Source::Motor, 34, "0.00"},
    {"Rated Speed", nullptr, Source::Motor, 35, "0.00"},
    {"Rated Torque", "Rated Force", Source::Motor, 36, "0.00"},
    {"Rated Power", nullptr, Source::Motor, 37, "0"},
    {"Rated Current", nullptr, Source::Motor, 38, "0.00"},
    {"Winding Temperature at Rated Point", nullptr, Source::Motor, 39, "0.0"},
    {"Case Temperature at Rated Point", nullptr, Source::Motor, 40, "0.0"},
    {"Maximum Speed", nullptr, Source::Motor, 20, "0.00"},
}};

const SpecBlock kConstants{"E", 6, "Motor Constants", {
    {"Voltage Constant (line-line)", nullptr, Source::Motor, 7, "0.0000"},
    {"Resistance (line-line, cold)", nullptr, Source::Motor, 8, "0.000"},
    {"Inductance (line-line, max)", nullptr, Source::Motor, 9, "0.00000"},
    {"Inductance (line-line, min)", nullptr, Source::Motor, 10, "0.00000"},
    {"Rotor Inertia", "Forcer Mass", Source::Motor, 11, "0.000E+00"},
    {"Poles", "Magnet Pitch", Source::Motor, 21, "General", false},
    {"Maximum Voltage", nullptr, Source::Motor, 12, "0"},
    {"Viscous Damping", nullptr, Source::Motor, 15, "0.0000"},
    {"Dynamic Friction", nullptr, Source::Motor, 16, "0.0000"},
    {"Weight", "Magnet Bar Weight", Source::Motor, 28, "0.00"},
    {"Peak to Continuous Ratio", nullptr, Source::Motor, 23, "0.00", false},
}};

const SpecBlock kThermal{"A", 19, "Thermal", {
    {"Thermal Resistance (winding-ambient)", nullptr, Source::Motor, 13, "0.000"},
    {"Thermal Resistance (winding-case)", nullptr, Source::Motor, 14, "0.000"},
    {"Motor Time Constant", "Case Time Constant", Source::Motor, 25, "0"},
    {"Winding Time Constant", nullptr, Source::Motor, 26, "0"},
    {"Rated Winding Temperature", nullptr, Source::Motor, 18, "0"},
    {"Maximum Winding Temperature", nullptr, Source::Motor, 17, "0"},
    {"Ambient Temperature", nullptr, Source::Motor, 19, "0"},
}};

const SpecBlock kAmplifier{"E", 19, "Amplifier", {
    {"Model", nullptr, Source::Drive, 5, nullptr, false},
    {"Bus Voltage", nullptr, Source::Drive, 6, "0"},
    {"Switching Frequency", nullptr, Source::Drive, 9, "0"},
    {"Continuous Current", nullptr, Source::Drive, 10, "0.00"},
    {"Peak Current", nullptr, Source::Drive, 11, "0.00"},
    {"Voltage Limit Model", nullptr, Source::Motor, 43, nullptr, false},
}};

constexpr int kCurveFirstRow = 5;
constexpr int kCurveLastRow = 44;

std::string NextColumn(const char* column, int step)
{
    return std::string(1, static_cast<char>(column[0] + step));
}

void AddBlock(SpecSheet& specs, const SpecBlock& block, bool linear, const SpecSheet& motor,
              const SpecSheet& drive)
{
    const std::string label = block.column;
    const std::string value = NextColumn(block.column, 1);
    const std::string unit = NextColumn(block.column, 2);
    const std::string head = std::to_string(block.firstRow);
    specs.SetText(label + head, block.heading, Style::Heading);
    specs.SetFormat(value + head, Style::Heading);
    specs.SetFormat(unit + head, Style::Heading);
    int row = block.firstRow + 1;
    for (const SpecLine& line : block.lines) {
        const std::string r = std::to_string(row++);
        const SpecSheet& source = line.source == Source::Motor ? motor : drive;
        const std::string from = std::to_string(line.row);
        specs.SetText(label + r, linear && line.linearLabel ? line.linearLabel : line.rotaryLabel,
                      Style::Label);
        if (line.numberFormat)
            specs.SetReference(value + r, source, "B" + from, Style::Value, line.numberFormat);
        else
            specs.SetTextReference(value + r, source, "B" + from, Style::Value);
        if (line.unit)
            specs.SetTextReference(unit + r, source, "C" + from, Style::Unit);
    }
}

void Headings(SpecSheet& sheet, std::initializer_list<const char*> columns, const char* firstColumn,
              int row)
{
    char column = firstColumn[0];
    for (const char* text : columns)
        sheet.SetText(std::string(1, column++) + std::to_string(row), text, Style::Heading);
}

void FormatUnits(SpecSheet& sheet, const char* column, int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row)
        sheet.SetFormat(column + std::to_string(row), Style::Unit);
}

std::unique_ptr<SpecSheet> MotorDataLayout()
{
    auto sheet = std::make_unique<SpecSheet>("MotorData");
    sheet->SetText("A1", "Motor Data", Style::Title);
    Headings(*sheet, {"Value", "Units", "Description"}, "B", 4);
    Headings(*sheet, {"Value", "Units", "Description"}, "F", 4);
    sheet->SetText("B3", "Motor Parameters", Style::Subtitle);
    sheet->SetText("F3", "Winding Scaling", Style::Subtitle);
    FormatUnits(*sheet, "C", 5, 43);
    FormatUnits(*sheet, "G", 6, 24);
    for (auto [column, width] : {std::pair{"A", 2.0}, {"B", 24.0}, {"C", 16.0}, {"D", 54.0},
                                 {"E", 2.0}, {"F", 16.0}, {"G", 10.0}, {"H", 50.0}})
        sheet->SetColumnWidth(column, width);
    sheet->page.landscape = true;
    sheet->page.footer = "&L&A";
    return sheet;
}

std::unique_ptr<SpecSheet> DriveDataLayout()
{
    auto sheet = std::make_unique<SpecSheet>("DriveData");
    sheet->SetText("A1", "Drive Data", Style::Title);
    Headings(*sheet, {"Value", "Units", "Description"}, "B", 4);
    FormatUnits(*sheet, "C", 5, 11);
    for (auto [column, width] : {std::pair{"A", 2.0}, {"B", 18.0}, {"C", 18.0}, {"D", 36.0}})
        sheet->SetColumnWidth(column, width);
    sheet->page.footer = "&L&A";
    return sheet;
}

std::unique_ptr<SpecSheet> CurveDataLayout(bool linear)
{
    auto sheet = std::make_unique<SpecSheet>("TSData");
    sheet->SetText("A1", linear ? "Force-Speed Curve" : "Torque-Speed Curve", Style::Title);
    if (linear)
        Headings(*sheet, {"Speed (m/s)", "Cont Force (N)", "Peak Force (N)"}, "B", 4);
    else
        Headings(*sheet, {"Speed (RPM)", "Cont Torque (oz*in)", "Peak Torque (oz*in)"}, "B", 4);
    for (auto [column, width] : {std::pair{"A", 2.0}, {"B", 18.0}, {"C", 22.0}, {"D", 22.0}})
        sheet->SetColumnWidth(column, width);
    sheet->page.footer = "&L&A";
    return sheet;
}

std::unique_ptr<SpecSheet> SpecsLayout(bool linear, const SpecSheet& motor, const SpecSheet& drive,
                                      const SpecSheet& curve)
{
    auto specs = std::make_unique<SpecSheet>("Specs");
    SpecSheet& s = *specs;
    s.SetText("A1", linear ? "Linear Servo Motor Data Sheet" : "Servo Motor Data Sheet", Style::Title);
    s.SetTextReference("A2", motor, "B5", Style::Subtitle);
    // Texts left-aligned, so that a long one runs on into the empty cells beside it.
    s.SetText("A3", "Winding", Style::Label);
    s.SetTextReference("B3", motor, "B6", Style::Label);
    s.SetText("A4", "Thermal Test Condition", Style::Label);
    s.SetTextReference("B4", motor, "B27", Style::Label);

    AddBlock(s, kPerformance, linear, motor, drive);
    AddBlock(s, kConstants, linear, motor, drive);
    AddBlock(s, kThermal, linear, motor, drive);
    AddBlock(s, kAmplifier, linear, motor, drive);

    s.SetText("A28", linear ? "Force-Speed Curve" : "Torque-Speed Curve", Style::Heading);
    for (const char* column : {"B", "C", "D", "E", "F", "G"})
        s.SetFormat(std::string(column) + "28", Style::Heading);
    SpecSheet::Chart chart;
    chart.data = &curve;
    chart.title = linear ? "Speed/Force Curve" : "Speed/Torque Curve";
    chart.xTitle = linear ? "Speed (m/s)" : "Speed (RPM)";
    chart.yTitle = linear ? "Force (N)" : "Torque (oz*in)";
    chart.series = {{"Continuous", "B", "C", kCurveFirstRow, kCurveLastRow},
                    {"Peak", "B", "D", kCurveFirstRow, kCurveLastRow}};
    chart.anchor = "A29";
    chart.xScale = 1.95;
    chart.yScale = 1.45;
    s.SetChart(std::move(chart));

    // The export writes the name of the motor's curve sheet into J7, beside the print area.
    s.SetText("I7", "Curve Data", Style::Note);
    s.SetFormat("J7", Style::Note);

    for (auto [column, width] : {std::pair{"A", 34.0}, {"B", 14.0}, {"C", 16.0}, {"D", 3.0},
                                 {"E", 30.0}, {"F", 14.0}, {"G", 18.0}, {"I", 12.0}, {"J", 12.0}})
        s.SetColumnWidth(column, width);
    s.page.printArea = "A1:G51";
    s.page.footer = "&L&A&RBrevan";
    return specs;
}

} // namespace

std::vector<std::unique_ptr<SpecSheet>> SpecTemplate::OpenTemplate(const std::string& fileName)
{
    bool linear;
    if (fileName == kRotaryTemplate)
        linear = false;
    else if (fileName == kLinearTemplate)
        linear = true;
    else
        throw SizingError("Spec sheet: no template " + fileName);
    std::unique_ptr<SpecSheet> motor = MotorDataLayout();
    std::unique_ptr<SpecSheet> drive = DriveDataLayout();
    std::unique_ptr<SpecSheet> curve = CurveDataLayout(linear);
    std::unique_ptr<SpecSheet> specs = SpecsLayout(linear, *motor, *drive, *curve);
    std::vector<std::unique_ptr<SpecSheet>> sheets;
    sheets.push_back(std::move(specs));
    sheets.push_back(std::move(motor));
    sheets.push_back(std::move(drive));
    sheets.push_back(std::move(curve));
    return sheets;
}

SpecTemplate::WorkBook SpecTemplate::OpenWorkBook(const std::string& fileName)
{
    WorkBook book;
    if (fileName == kRotaryWorkBook)
        book.title = "Motor Spec Sheets";
    else if (fileName == kLinearWorkBook)
        book.title = "Linear Motor Spec Sheets";
    else
        throw SizingError("Spec sheet: no work book " + fileName);
    book.sheets.push_back(std::make_unique<SpecSheet>("Sheet1"));
    return book;
}

} // namespace Pulvane_V4
