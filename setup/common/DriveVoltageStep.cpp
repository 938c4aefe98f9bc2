#include "setup/common/DriveVoltageStep.h"

#include "platform/DatabaseFault.h"
#include "platform/ListControl.h"
#include "setup/common/DriveToMotorRow.h"
#include "setup/common/InputVoltage.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"

using namespace Globals;

DriveVoltageStep::DriveVoltageStep(const CascadeControls& controls, const QString& feedbackKey)
    : m_c(controls), m_feedbackKey(feedbackKey)
{
}

void DriveVoltageStep::lookUpCurveDriveKey(AxisRecord& record)
{
    const Recordset& rs = Run_Query(
        QStringLiteral("SELECT [Drive Cross Ref].[Drive Part Number], "
                       "[Drive Cross Ref].[Database Part Number] From [Drive Cross Ref] WHERE "
                       "((([Drive Cross Ref].[Drive Part Number])=?));"),
        {record.Drive_Part_Number});
    record.Curve_Drive_Part_Number = rs.eof() ? QString() : rs.text(QStringLiteral("Database Part Number"));
}

void DriveVoltageStep::takeDriveCode(AxisRecord& record, const QString& code, bool found, double busVoltage)
{
    record.Drive_Code = code;
    // Without a row or a code there is no drive part number to build.
    record.Drive_Part_Number = found ? Build_Drive_Part_Number(record.Drive_Name, code) : QString();
    record.Bus_Voltage = busVoltage;
}

void DriveVoltageStep::showDriveResult(AxisRecord& record, bool)
{
    if (m_c.txtDrive)
        m_c.txtDrive->setText(QStringLiteral("Drive: ") + record.Drive_Part_Number + QStringLiteral("\r\nNotes: ")
                              + record.Drive_Notes);
}

void DriveVoltageStep::showCurveButton(const AxisRecord&, bool)
{
    m_c.show(m_c.cmdCurve);
}

void DriveVoltageStep::refuseWithoutPartNumber(ListControl* list)
{
    if (list->listIndex() < 0)
        return;
    try {
        Require_Drive_Construction(Current_Record().Drive_Name);
    } catch (const DatabaseFault&) {
        list->restore(list->items(), list->formerIndex());
        throw;
    }
}

void DriveVoltageStep::voltageClick()
{
    if (m_c.cmbDriveVoltage->listIndex() == -1)
        return;
    refuseWithoutPartNumber(m_c.cmbDriveVoltage);
    // The wiring, the drive code and the curve of the former voltage go.
    Dependents::drop(Stage::Wiring);
    AxisRecord& record = Current_Record();
    const DriveToMotorRow row = DriveToMotorRow::read(record, m_feedbackKey, DriveToMotorRow::VoltagesOnly);
    const QString voltage = m_c.cmbDriveVoltage->text();

    if (record.Part_Number_Type != QLatin1String("Stepper")) {
        if (const InputVoltage::Item* item = InputVoltage::find(voltage)) {
            const bool found = !row.isNull(item->plainColumn);
            takeDriveCode(record, row.text(item->plainColumn), found, item->busVoltage);
        }
        record.Drive_Voltage = voltage;
        // A servo chosen after a stepper has no wiring.
        record.Motor_Wiring.clear();
        showDriveResult(record, true);
        showCurveButton(record, true);
        lookUpCurveDriveKey(record);
        return;
    }

    m_c.cmbWiring->clear();
    if (const InputVoltage::Item* item = InputVoltage::find(voltage))
        m_c.cmbWiring->addItems(InputVoltage::wirings(row, *item));
    m_c.show(m_c.lblwiring);
    m_c.show(m_c.cmbWiring);
    if (!Loading_Project && m_c.cmbWiring->listCount() > 0) {
        m_c.cmbWiring->setListIndex(0);
        lookUpCurveDriveKey(record);
    }
}

void DriveVoltageStep::wiringClick()
{
    refuseWithoutPartNumber(m_c.cmbWiring);
    Dependents::drop(Stage::DriveCode);
    AxisRecord& record = Current_Record();
    const DriveToMotorRow row = DriveToMotorRow::read(record, m_feedbackKey, DriveToMotorRow::VoltagesOnly);
    const bool series = m_c.cmbWiring->text() == QLatin1String("SERIES");
    if (const InputVoltage::Item* item = InputVoltage::find(m_c.cmbDriveVoltage->text())) {
        const QString& column = series ? item->plainColumn : item->parallelColumn;
        takeDriveCode(record, row.text(column), !row.isNull(column), item->busVoltage);
    }
    lookUpCurveDriveKey(record);
    record.Drive_Voltage = m_c.cmbDriveVoltage->text();
    showDriveResult(record, false);
    record.Motor_Wiring = m_c.cmbWiring->text();
    showCurveButton(record, false);
}
