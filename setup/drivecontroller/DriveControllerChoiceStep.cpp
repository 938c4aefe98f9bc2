#include "setup/drivecontroller/DriveControllerChoiceStep.h"

#include "platform/ListControl.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"

using namespace Globals;

void DriveControllerChoiceStep::emptyOwn()
{
    // The part-number box is the options dialog's and stays outside the result display.
    m_c.txtDrive->hide();
    m_c.lblDrive->hide();
}

void DriveControllerChoiceStep::recorded(const QString& driveController, AxisRecord&)
{
    // A new drive/controller has to be configured again: its drop emptied the configuration.
    Drive_Controller_Name = driveController;
    m_c.cmbMotor_Series->setEnabled(true);
}

void DriveControllerChoiceStep::selectSingle(bool) const
{
    LoneEntry::choose(m_c.cmbMotor_Series);
}

void DriveControllerChoiceStep::chosenAgain(const QString& driveController)
{
    Dependents::drop(Stage::DriveConfiguration);
    finish(driveController, m_c.cmbMotor_Series->listIndex() != -1, Current_Record());
}
