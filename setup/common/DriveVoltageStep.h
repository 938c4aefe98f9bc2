#pragma once

#include "setup/common/CascadeControls.h"

#include <QString>

struct AxisRecord;
class ListControl;

// The input-voltage and wiring lists' choices, which finish the drive half of
// a configuration: the drive code of the chosen voltage (and, for steppers,
// wiring) from the [Drive to Motor] row, the drive part number, the bus
// voltage and the drive's curve key. They run whatever Loading_Lists says.
class DriveVoltageStep {
public:
    // feedbackKey: the feedback the motor-options step copied for the row query.
    DriveVoltageStep(const CascadeControls& controls, const QString& feedbackKey);
    virtual ~DriveVoltageStep() = default;
    DriveVoltageStep(const DriveVoltageStep&) = delete;
    DriveVoltageStep& operator=(const DriveVoltageStep&) = delete;

    void voltageClick();
    void wiringClick();

    // Curve_Drive_Part_Number := the curve-database key of Drive_Part_Number
    // ([Drive Cross Ref]); empty when there is none.
    static void lookUpCurveDriveKey(AxisRecord& record);

protected:
    // Shows the drive part number (txtDrive on the drive and controller forms).
    virtual void showDriveResult(AxisRecord& record, bool voltageStep);
    virtual void showCurveButton(const AxisRecord& record, bool voltageStep);

    const CascadeControls& m_c;

private:
    // A choice whose drive part number the catalogue cannot build (no
    // construction row for the drive) is not taken: the list shows its former
    // choice again and the DatabaseFault is thrown on.
    static void refuseWithoutPartNumber(ListControl* list);
    // Drive_Code, Drive_Part_Number and Bus_Voltage from one drive-code column.
    static void takeDriveCode(AxisRecord& record, const QString& code, bool found, double busVoltage);

    const QString& m_feedbackKey;
};
