#include "setup/drivecontroller/frmDriveController_Setup.h"

#include "setup/common/AccessoryList.h"
#include "setup/common/AxisProjectBlock.h"
#include "setup/common/ProjectReplay.h"
#include "setup/common/Reconciliation.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/DriveControllerChoiceStep.h"
#include "setup/drivecontroller/DriveControllerMotorOptionsStep.h"
#include "setup/drivecontroller/DriveControllerVoltageStep.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QLabel>
#include <QPushButton>

#include <stdexcept>

using namespace Globals;

namespace {

// Lines 260 to 266 may be missing in files of older versions.
constexpr int kFirstTolerantLine = 260;
// The drive/controller's part number, which the options and the voltage build.
constexpr int kPartNumberLine = AxisProjectBlock::LastLine + 2;

// The drive/controller lists of lines 134 to 259, in file order.
const std::array<List21*, 6> kConfigurationLists = {
    &Drive_Controller_Options,           &Drive_Controller_Accessory_Description,
    &Drive_Controller_Accessory_List_Index, &Drive_Controller_Accessory_Entry,
    &Drive_Controller_Accessory_Quantity, &Drive_Controller_Accessory_List_Item};

} // namespace

frmDriveController_Setup::frmDriveController_Setup()
    : SingleAxisSetupForm(SetupKinds::DriveController, QStringLiteral("Drive/Controller and Motor Selection"), 13110,
                          8400)
{
    m_rules.technologiesSql = QStringLiteral("SELECT DISTINCT [DriveControllers].[DriveController Type] "
                                             "FROM [DriveControllers]"
                                             "ORDER BY [DriveControllers].[DriveController Type];");
    m_rules.technologiesColumn = QStringLiteral("DriveController Type");
    // As on the drive form, each query reads only what its list needs.
    m_rules.technologyDrivesSql = QStringLiteral(
        "SELECT [DriveControllers].[DriveController Name] FROM [DriveControllers] "
        "WHERE (([DriveControllers].[DriveController Type])=?) ORDER BY [DriveControllers].[DriveController Name];");
    m_rules.technologyDriveColumn = QStringLiteral("DriveController Name");
    m_rules.technologySeriesSql = QStringLiteral(
        "SELECT [Motors].[Motor Name], [Motors].[Include with DriveControllers] FROM [Motors] "
        "WHERE (([Motors].[Motor Type])=?) ORDER BY [Motors].[Motor Name];");
    m_rules.includeColumn = QStringLiteral("Include with DriveControllers");
    m_rules.frameSizeNeedsPartNumberType = false;
    m_rules.seriesSelectsSingleDrive = false;
    m_rules.colbitumFeedbackCaption = QStringLiteral("Feedback");
    m_rules.gearheadOnlyWithoutGearhead = true;
    m_rules.optionsWritesDriveText = false;
    m_rules.keywayMessage = QStringLiteral("Keyway on Size 16 motors is not valid unless with a gearhead\r\n"
                                           "Please select another shaft Options");
    m_rules.driveTechnologySql = QStringLiteral(
        "SELECT DISTINCT [DriveControllers].[DriveController Type], [DriveControllers].[DriveController Name]"
        "FROM [DriveControllers] WHERE (([DriveControllers].[DriveController Name]) = ?) "
        "ORDER BY [DriveControllers].[DriveController Type];");
    m_rules.driveTechnologyColumn = QStringLiteral("DriveController Type");
    // The drive/controller's part number and notes come from the motor's row.
    m_rules.resultDropped = [this] {
        m_controls.txtDrive->setText(DriveControllerVoltageStep::driveText(Current_Record()));
    };

    const Layout layout {"cmbDriveController", QStringLiteral("Drive/Controller Selection"), "picDriveController",
                         "txtDriveController", "lblDriveController", QStringLiteral("Drive/Controller Part Number"),
                         "cmdDriveController", QStringLiteral("Configure Drive/Controller"),
                         QStringLiteral("Selected Drive/Controller Accessories"), 5160, 2160};
    build(layout, std::make_unique<DriveControllerChoiceStep>(m_controls, *m_cascade, *this),
          std::make_unique<DriveControllerMotorOptionsStep>(m_controls, m_rules, Feedback_Key),
          std::make_unique<DriveControllerVoltageStep>(m_controls, Feedback_Key), [this] { cmdDriveController_Click(); });
    // The drive/controller's part-number box is the options dialog's: the
    // choices below the drive/controller leave it as it is.
    m_controls.resultDisplay.removeOne(m_controls.txtDrive);
    m_controls.resultDisplay.removeOne(m_controls.lblDrive);
}

frmDriveController_Setup::~frmDriveController_Setup() = default;

void frmDriveController_Setup::cmdDriveController_Click()
{
    if (Form* dialog = Forms::get(frmDriveControl::Name))
        dialog->Show();
    Current_Form = frmDriveControl::Name;
}

void frmDriveController_Setup::hideAccessories()
{
    m_txtAccessories->hide();
    m_lblAccessories->hide();
}

void frmDriveController_Setup::Update_Accessories_Display()
{
    AccessoryList::show(m_txtAccessories, m_lblAccessories, Drive_Controller_Accessory_Entry, resultArea());
}

QString frmDriveController_Setup::Save_String()
{
    const AxisRecord& record = Current_Record();
    QString text = AxisProjectBlock::value(QString::number(System_Type));
    AxisProjectBlock::write(record, text);
    for (const QString* single : {&Drive_Controller_Notes, &Drive_Controller_Part_Number, &Drive_Controller_Extra,
                                  &Drive_Controller_Name})
        text += AxisProjectBlock::value(*single);
    text += AxisProjectBlock::value(QString::number(Drive_Controller_Expansion_IO ? -1 : 0));
    text += AxisProjectBlock::value(Drive_Controller_Extra_2);
    for (const List21* list : kConfigurationLists)
        for (const QString& entry : *list)
            text += AxisProjectBlock::value(entry);
    text += AxisProjectBlock::value(record.Drive_Voltage);
    text += AxisProjectBlock::value(record.Motor_Wiring);
    for (int level = 1; level <= 4; ++level)
        text += AxisProjectBlock::value(Drive_Controller_Options[level]);
    text += AxisProjectBlock::value(record.Motor_Technology);
    return text;
}

void frmDriveController_Setup::readProject(AxisProjectBlock::Values values)
{
    AxisRecord& record = Current_Record();
    const QStringList& lines = Project_Lines;
    AxisProjectBlock::read(lines, record, AxisProjectBlock::FirstLine, AxisProjectBlock::SingleAxis, values);
    int number = AxisProjectBlock::LastLine + 1;
    Drive_Controller_Notes = AxisProjectBlock::line(lines, number++);
    // The part number is rebuilt and its extra text only ever emptied.
    const QString partNumber = AxisProjectBlock::line(lines, kPartNumberLine);
    ++number;
    if (values == AxisProjectBlock::Held)
        Drive_Controller_Part_Number = partNumber;
    ++number;
    Drive_Controller_Name = AxisProjectBlock::line(lines, number++);
    bool isNumber = false;
    const int expansion = AxisProjectBlock::line(lines, number++).trimmed().toInt(&isNumber);
    if (!isNumber)
        throw std::runtime_error("The expansion I/O line is no number.");
    // Held, the number the file wrote, which its message names.
    Drive_Controller_Expansion_IO = values == AxisProjectBlock::Held ? expansion : int(expansion != 0);
    Drive_Controller_Extra_2 = AxisProjectBlock::line(lines, number++);
    for (List21* list : kConfigurationLists)
        for (QString& entry : *list)
            entry = AxisProjectBlock::line(lines, number++);

    // Files of older versions end earlier: what they lack stays empty.
    const auto tolerant = [&lines](int line, QString& slot) {
        if (line <= lines.size())
            slot = lines.at(line - 1);
    };
    tolerant(kFirstTolerantLine, record.Drive_Voltage);
    tolerant(kFirstTolerantLine + 1, record.Motor_Wiring);
    for (int level = 1; level <= 4; ++level)
        tolerant(kFirstTolerantLine + 1 + level, Drive_Controller_Options[level]);
    tolerant(kFirstTolerantLine + 6, record.Motor_Technology);
}

void frmDriveController_Setup::replayProject()
{
    readProject(AxisProjectBlock::Restored);
    ProjectReplay::checkAccessories(Drive_Controller_Accessories);
    Reconciliation reconciliation;
    ProjectReplay(m_controls, ProjectReplay::Project, &reconciliation)
        .withRules(m_rules)
        .withVoltageLine(Project_Lines.size() > kFirstTolerantLine)
        .run(Current_Record());
    // Options the catalogue cannot build a part number for open no dialog, as
    // for the user: the file opens and the fault is told.
    if (!reconciliation.attemptDerived([this] { cmdDriveController_Click(); }))
        Forms::unload<frmDriveControl>();
    if (auto* options = Forms::find<frmDriveControl>()) {
        if (!AxisProjectBlock::line(Project_Lines, kPartNumberLine).isEmpty())
            options->restoreEmptyLastLevel();
        options->keepOfferedAccessories(reconciliation);
    }
    Update_Accessories_Display();
    Loading_Project = false;
    reconciliation.tell([this] { readProject(AxisProjectBlock::Held); }, false);
}
