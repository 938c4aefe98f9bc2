#include "setup/drive/frmDrive_Setup.h"

#include "platform/ListControl.h"
#include "setup/common/AccessoryList.h"
#include "setup/common/AccessoryRequest.h"
#include "setup/common/AxisProjectBlock.h"
#include "setup/common/DriveChoiceStep.h"
#include "setup/common/DriveVoltageStep.h"
#include "setup/common/MotorOptionsStep.h"
#include "setup/common/ProjectReplay.h"
#include "setup/common/Reconciliation.h"
#include "setup/common/TextBox.h"
#include "shell/Globals.h"

#include <QLabel>

using namespace Globals;

namespace {

// What the drive accessory dialog offers for a drive.
const QString kAccessoriesSql = QStringLiteral(
    "SELECT [Drive Only Accessories].[Drive Name], [Drive Only Accessories].[Drive Only Accessory] "
    "From [Drive Only Accessories] WHERE ((([Drive Only Accessories].[Drive Name])=?) AND "
    "(Not ([Drive Only Accessories].[Drive Only Accessory])='' And "
    "Not ([Drive Only Accessories].[Drive Only Accessory])='N/A' And "
    "Not ([Drive Only Accessories].[Drive Only Accessory])='None')) "
    "ORDER BY [Drive Only Accessories].[Drive Only Accessory];");
const QString kAccessoryColumn = QStringLiteral("Drive Only Accessory");
// The first of the lines older files end before: voltage, wiring, technology.
constexpr int kVoltageLine = 128;

} // namespace

frmDrive_Setup::frmDrive_Setup()
    : SingleAxisSetupForm(SetupKinds::Drive, QStringLiteral("Drive and Motor Selection"), 13110, 9195)
{
    // These lists grow with the catalogue: each query reads only what its list needs.
    m_rules.technologyDrivesSql = QStringLiteral(
        "SELECT [Drives].[Drive Name] FROM [Drives] "
        "WHERE (([Drives].[Drive Type])=?)"
        "ORDER BY [Drives].[Drive Name];");

    const Layout layout {"cmbDrive", QStringLiteral("Drive Selection"), "picDrive", "txtDrive", "lblDrive",
                         QStringLiteral("Drive Part Number"), "cmdDriveAccessories",
                         QStringLiteral("Configure Drive Accessories"), QStringLiteral("Selected Drive Accessories"),
                         5280, 2580};
    build(layout, std::make_unique<DriveChoiceStep>(m_controls, *m_cascade, *this),
          std::make_unique<MotorOptionsStep>(m_controls, m_rules, Feedback_Key),
          std::make_unique<DriveVoltageStep>(m_controls, Feedback_Key), [this] { cmdDriveAccessories_Click(); });
}

frmDrive_Setup::~frmDrive_Setup() = default;

void frmDrive_Setup::Reset()
{
    Last_Controller.clear();
    SingleAxisSetupForm::Reset();
}

void frmDrive_Setup::Update_Accessories_Display()
{
    AccessoryList::show(m_txtAccessories, m_lblAccessories, Current_Record().Drive_Accessory_Entry,
                        resultArea());
}

QStringList frmDrive_Setup::offeredDriveAccessories(const QString& drive) const
{
    return AccessoryList::offered(kAccessoriesSql, {drive}, kAccessoryColumn);
}

void frmDrive_Setup::cmdDriveAccessories_Click()
{
    AccessoryRequest::driveAccessories(Current_Record(), m_controls.driveList->text(), kAccessoriesSql,
                                       kAccessoryColumn, SetupKinds::Drive)
        .open(true);
}

QString frmDrive_Setup::Save_String()
{
    const AxisRecord& record = Current_Record();
    QString text = AxisProjectBlock::value(QString::number(System_Type));
    AxisProjectBlock::write(record, text);
    text += AxisProjectBlock::value(record.Drive_Voltage);
    text += AxisProjectBlock::value(record.Motor_Wiring);
    text += AxisProjectBlock::value(record.Motor_Technology);
    return text;
}

void frmDrive_Setup::replayProject()
{
    const auto read = [](AxisProjectBlock::Values values) {
        AxisRecord& record = Current_Record();
        AxisProjectBlock::read(Project_Lines, record, AxisProjectBlock::FirstLine, AxisProjectBlock::SingleAxis,
                               values);
        // Files of older versions end here: voltage, wiring and technology stay empty.
        for (auto [number, field] : {std::pair {kVoltageLine, &AxisRecord::Drive_Voltage},
                                     std::pair {kVoltageLine + 1, &AxisRecord::Motor_Wiring},
                                     std::pair {kVoltageLine + 2, &AxisRecord::Motor_Technology}})
            if (number <= Project_Lines.size())
                record.*field = Project_Lines.at(number - 1);
    };
    read(AxisProjectBlock::Restored);
    AxisRecord& record = Current_Record();
    ProjectReplay::checkAccessories(record.Drive_Accessories);
    Reconciliation reconciliation;
    ProjectReplay(m_controls, ProjectReplay::Project, &reconciliation)
        .withVoltageLine(Project_Lines.size() > kVoltageLine)
        .run(record);
    reconciliation.keepOfferedDriveAccessories(
        AccessoryRequest::driveAccessories(record, m_controls.driveList->text(), kAccessoriesSql, kAccessoryColumn,
                                           SetupKinds::Drive),
        record);
    Update_Accessories_Display();
    Loading_Project = false;
    reconciliation.tell([&] { read(AxisProjectBlock::Held); }, false);
}
