#include "shell/Report.h"

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "platform/ShellOpen.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

#include <algorithm>

namespace Globals {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A written file as the user finds it again.
QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Writes the bill-of-material lines in their fixed columns and records each
// one in the bill.
class BillOfMaterial {
public:
    BillOfMaterial(QString& text, Bill& bill)
        : m_text(text), m_bill(bill)
    {
    }

    void fixedLine(const QString& partNumber, const QString& description)
    {
        line(QStringLiteral("1"), partNumber, description);
    }

    // Every chosen entry of an accessory list, in list order.
    void accessoryLines(const List21& entries, const List21& quantities, const List21& descriptions,
                        const QString& suffix = QString())
    {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].isEmpty())
                line(quantities[i], Get_Code(entries[i]), descriptions[i] + suffix);
        }
    }

    // Breakout and required accessories: none when "N/A" (however written), empty or starting with "No".
    void requiredLine(const QString& partNumber, const QString& description)
    {
        if (!Names_No_Part(partNumber))
            fixedLine(partNumber, description);
    }

    void cableLine(const QString& partNumber, const QString& description)
    {
        if (!Is_Not_Applicable(partNumber))
            fixedLine(partNumber, description);
    }

private:
    void line(const QString& quantity, const QString& partNumber, const QString& description)
    {
        m_text += quantity + QString(23, QLatin1Char(' ')) + partNumber
                  + QString(std::max<qsizetype>(0, 24 - partNumber.size()), QLatin1Char(' ')) + description + kCrLf;
        m_bill.append(BillLine {quantity, partNumber, description});
    }

    QString& m_text;
    Bill& m_bill;
};

// The BOM arrays hold the bill's lines from entry 1; they keep entries 0 to
// 200 and grow beyond when a bill needs more.
void recordBill(const Bill& bill)
{
    BOM_Count = static_cast<int>(bill.size());
    if (BOM_Count >= BOM_Quantity.size())
        BOM_Quantity.resize(BOM_Count + 1);
    if (BOM_Count >= BOM_Part_Number.size())
        BOM_Part_Number.resize(BOM_Count + 1);
    for (int i = 1; i <= BOM_Count; ++i) {
        const BillLine& line = bill.at(i - 1);
        // The quantity is written as it stands; one that is not a whole number
        // cannot be counted and is recorded as 1.
        bool whole = false;
        const int count = line.quantity.trimmed().toInt(&whole);
        BOM_Quantity[i] = whole ? count : 1;
        BOM_Part_Number[i] = line.partNumber;
    }
}

// The open project's report after the heading every kind shares, its bill
// in `bill`; empty without a project of a known kind.
QString projectReport(Bill& bill)
{
    // The open project's report, also while a dialog of it names its own context.
    const SetupKinds::Kind* kind = SetupKinds::find(SetupKinds::projectKind(System_Type));
    if (!kind)
        return {};
    if (auto* form = Forms::find<SetupForm>(kind->form))
        form->settleBill();
    QString text = QStringLiteral("Brevan Quenro Results") + kCrLf + QStringLiteral("Use Courier Font for best display")
                   + kCrLf + kCrLf;
    kind->writeReport(text, bill);
    return text;
}

void optionalLine(QString& text, const QString& label, const QString& value)
{
    if (!value.isEmpty())
        text += label + value + kCrLf;
}

// Drive and drive/controller reports: the lines after the drive's (or drive/controller's) own two.
// The gearhead notes close the header without a line end of their own.
void singleAxisHeader(QString& text, const AxisRecord& axis)
{
    text += QStringLiteral("DRIVE INPUT VOLTAGE: ") + axis.Drive_Voltage + kCrLf;
    text += QStringLiteral("MOTOR: ") + axis.Motor_Part_Number + kCrLf;
    text += QStringLiteral("NOTES: ") + axis.Motor_Notes + kCrLf;
    optionalLine(text, QStringLiteral("MOTOR WIRING: "), axis.Motor_Wiring);
    optionalLine(text, QStringLiteral("DRIVE SWITCHING FREQUENCY: "), axis.Switching_Frequency);
    if (!axis.Gearhead_Notes.isEmpty())
        text += QStringLiteral("GEARHEAD NOTES: ") + axis.Gearhead_Notes;
}

// A series whose motor is the drive's own: the drive line bills both.
bool isUnit(const AxisRecord& axis, const QString& unitSeries)
{
    return axis.Motor_Series.compare(unitSeries, Qt::CaseInsensitive) == 0;
}

void motorAndCableLines(BillOfMaterial& bom, const AxisRecord& axis, const QString& unitSeries,
                        const QString& suffix)
{
    if (!isUnit(axis, unitSeries) && !axis.Motor_Part_Number.isEmpty())
        bom.fixedLine(axis.Motor_Part_Number, axis.Motor_Series + QStringLiteral(" Series Motor") + suffix);
    bom.cableLine(axis.Motor_Cable_Part_Number, QStringLiteral("Motor Power Cable") + suffix);
    bom.cableLine(axis.Feedback_Cable_Part_Number, QStringLiteral("Motor Feedback Cable") + suffix);
}

void billHeading(QString& text)
{
    text += kCrLf + kCrLf + kCrLf;
    text += QStringLiteral("Bill of Material") + kCrLf;
    text += QString(77, QLatin1Char('*')) + kCrLf;
    text += QStringLiteral("Quantity") + QString(16, QLatin1Char(' ')) + QStringLiteral("Part Number")
            + QString(13, QLatin1Char(' ')) + QStringLiteral("Description") + kCrLf;
    text += kCrLf;
}

} // namespace

void driveReport(QString& text, Bill& bill)
{
    const AxisRecord& axis = Axis[0];
    text += QStringLiteral("DRIVE: ") + axis.Drive_Part_Number + kCrLf;
    text += QStringLiteral("NOTES: ") + axis.Drive_Notes + kCrLf;
    singleAxisHeader(text, axis);
    billHeading(text);

    BillOfMaterial bom(text, bill);
    const QString unit = QStringLiteral("ZU");
    if (!axis.Drive_Part_Number.isEmpty())
        bom.fixedLine(axis.Drive_Part_Number,
                      axis.Drive_Name
                          + (isUnit(axis, unit) ? QStringLiteral(" Drive and Motor") : QStringLiteral(" Drive")));
    bom.accessoryLines(axis.Drive_Accessory_Entry, axis.Drive_Accessory_Quantity, axis.Drive_Accessory_Description);
    bom.requiredLine(axis.Required_Drive_Accessory, QStringLiteral("Required Drive Accessory"));
    motorAndCableLines(bom, axis, unit, QString());
}

void driveControllerReport(QString& text, Bill& bill)
{
    const AxisRecord& axis = Axis[0];
    text += QStringLiteral("DRIVE/CONTROLLER: ") + Drive_Controller_Part_Number + kCrLf;
    text += QStringLiteral("NOTES: ") + Drive_Controller_Notes + kCrLf;
    singleAxisHeader(text, axis);
    billHeading(text);

    BillOfMaterial bom(text, bill);
    const QString unit = QStringLiteral("iQO");
    if (!Drive_Controller_Part_Number.isEmpty())
        bom.fixedLine(Drive_Controller_Part_Number,
                      axis.Drive_Name
                          + (isUnit(axis, unit) ? QStringLiteral(" Drive/Controller and Motor")
                                                       : QStringLiteral(" Drive/Controller")));
    // Recorded like every other line, so the price request asks about them
    // too; they belong to a configuration, which the options name.
    if (!Drive_Controller_Option_Code.isEmpty())
        bom.accessoryLines(Drive_Controller_Accessory_Entry, Drive_Controller_Accessory_Quantity,
                           Drive_Controller_Accessory_Description);
    motorAndCableLines(bom, axis, unit, QString());
}

void controllerReport(QString& text, Bill& bill)
{
    // A count beyond the sixteen records stops at the last one.
    const int axes = std::clamp(Total_Axes, 0, static_cast<int>(Axis.size()));

    text += QStringLiteral("CONTROLLER: ") + Controller_Part_Number + kCrLf + kCrLf;
    for (int a = 1; a <= axes; ++a) {
        const AxisRecord& axis = Axis[static_cast<std::size_t>(a - 1)];
        if (axis.Motor_Part_Number.isEmpty())
            continue;
        text += QStringLiteral("AXIS ") + QString::number(a) + kCrLf;
        text += QStringLiteral("DRIVE: ") + axis.Drive_Part_Number + kCrLf;
        text += QStringLiteral("DRIVE NOTES: ") + axis.Drive_Notes + kCrLf;
        text += QStringLiteral("DRIVE INPUT VOLTAGE: ") + axis.Drive_Voltage + kCrLf;
        text += QStringLiteral("MOTOR: ") + axis.Motor_Part_Number + kCrLf;
        text += QStringLiteral("MOTOR NOTES: ") + axis.Motor_Notes + kCrLf;
        text += QStringLiteral("CONTROLLER CABLE NOTES:  ") + axis.Controller_Cable_Notes + kCrLf;
        optionalLine(text, QStringLiteral("MOTOR WIRING: "), axis.Motor_Wiring);
        optionalLine(text, QStringLiteral("DRIVE SWITCHING FREQUENCY: "), axis.Switching_Frequency);
        optionalLine(text, QStringLiteral("GEARHEAD NOTES: "), axis.Gearhead_Notes);
        text += kCrLf;
    }
    billHeading(text);

    BillOfMaterial bom(text, bill);
    // The accessories and cards belong to the configuration: none without it,
    // as when a saved option is no longer offered.
    if (!Controller_Part_Number.isEmpty()) {
        bom.fixedLine(Controller_Part_Number, QStringLiteral("Controller"));
        bom.accessoryLines(Controller_Accessory_Entry, Controller_Accessory_Quantity, Controller_Accessory_Description);
    }
    bom.requiredLine(Required_Accessory_Part_Number, QStringLiteral("Controller Breakout"));

    const QString unit = QStringLiteral("ZU");
    for (int a = 1; a <= axes; ++a) {
        const AxisRecord& axis = Axis[static_cast<std::size_t>(a - 1)];
        const QString suffix = QStringLiteral(" Axis ") + QString::number(a);
        bom.requiredLine(axis.Drive_Controller_Accessory, QStringLiteral("Drive to Controller Accessory") + suffix);
        if (!axis.Controller_Cable_Part_Number.isEmpty())
            bom.fixedLine(axis.Controller_Cable_Part_Number, QStringLiteral("Controller to Drive Command Cable") + suffix);
        if (!axis.Drive_Part_Number.isEmpty())
            bom.fixedLine(axis.Drive_Part_Number,
                          axis.Drive_Name
                              + (isUnit(axis, unit) ? QStringLiteral(" Drive/Motor") : QStringLiteral(" Drive"))
                              + suffix);
        bom.accessoryLines(axis.Drive_Accessory_Entry, axis.Drive_Accessory_Quantity, axis.Drive_Accessory_Description,
                           suffix);
        bom.requiredLine(axis.Required_Drive_Accessory, QStringLiteral("Required Drive Accessory") + suffix);
        motorAndCableLines(bom, axis, unit, suffix);
    }
}

QString Build_Report()
{
    Bill bill;
    const QString text = projectReport(bill);
    recordBill(bill);
    Report_Text = text;
    return text;
}

Bill Current_Bill()
{
    Bill bill;
    projectReport(bill);
    return bill;
}

std::optional<QString> Ask_Text_File(QWidget* parent)
{
    FileDialog::Settings settings;
    settings.filter = QStringLiteral("All Files (*.*)|*.*|Text Files (*.txt)|*.txt");
    settings.filterIndex = 2;
    return FileDialog::show(parent, FileDialog::Save, settings);
}

void Tell_Written(const QString& what, const QString& path)
{
    // Until the next message: the user still finds where the file went after a glance away.
    if (QStatusBar* bar = Status_Bar())
        bar->showMessage(QStringLiteral("%1 written to %2").arg(what, shownPath(path)));
}

void Write_And_Open(const QString& what, const QString& path, const QString& text)
{
    // Only a file that is really on disk is handed to the desktop.
    if (!Write_File(path, text, true))
        return;
    Tell_Written(what, path);
    // Without a program that opens it the export would look as if it did nothing.
    ShellOpen::open(path, [shown = shownPath(path)](bool opened) {
        if (!opened)
            MsgBox::show(
                QStringLiteral("The file was written to %1.\nNo program on this computer is set up to open it.").arg(shown),
                MsgBox::OKOnly, Product_Title, MsgBox::Information);
    });
}

void Export_Data(QWidget* parent)
{
    const std::optional<QString> path = Ask_Text_File(parent);
    if (!path)
        return;
    Report_Text = Build_Report();
    Write_And_Open(QStringLiteral("Report"), *path, Report_Text);
}

} // namespace Globals
