#include "setup/drivecontroller/DriveControllerChoiceStep.h"

#include "platform/ListControl.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

using namespace Globals;

void DriveControllerChoiceStep::emptyOwn(bool seriesChosen, AxisRecord& record)
{
    // The part-number box is the options dialog's and stays outside the result display.
    m_c.txtDrive->hide();
    m_c.lblDrive->hide();
    if (!Loading_Project && !seriesChosen)
        record.Motor_Series.clear();
}

AccessoryChoice& DriveControllerChoiceStep::accessories() const
{
    return Drive_Controller_Accessories;
}

void DriveControllerChoiceStep::closeDialogs() const
{
    // Its accessory dialog goes with it.
    Forms::unload<frmDriveControl>();
}

void DriveControllerChoiceStep::recorded(const QString& driveController, AxisRecord& record)
{
    // A new drive/controller has to be configured again.
    if (!Loading_Project)
        sharedState.driveController = DriveControllerSystem();
    Drive_Controller_Name = driveController;
    m_c.cmbMotor_Series->setEnabled(true);
    record.Motor_Part_Number.clear();
    record.Motor_Cable.clear();
    record.Feedback_Cable.clear();
}

void DriveControllerChoiceStep::selectSingle(bool) const
{
    LoneEntry::choose(m_c.cmbMotor_Series);
}

void DriveControllerChoiceStep::chosenAgain(const QString& driveController)
{
    finish(driveController, m_c.cmbMotor_Series->listIndex() != -1, Current_Record());
}
