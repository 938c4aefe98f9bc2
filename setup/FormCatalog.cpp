#include "setup/FormCatalog.h"

#include "curves/frmCurve.h"
#include "setup/controller/frmControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/drive/frmDrive_Setup.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/frmAbout.h"
#include "shell/frmCurveInfo.h"
#include "shell/frmLogin.h"
#include "shell/frmSelection.h"
#include "shell/frmXMLwaitdialog.h"

void FormCatalog::registerAll()
{
    Forms::registerForm(SetupKinds::formName(SetupKinds::Controller), [] { return new frmController_Setup; });
    Forms::registerForm(SetupKinds::find(SetupKinds::Controller)->optionsDialog, [] { return new frmControl; });
    Forms::registerForm(SetupKinds::formName(SetupKinds::Drive), [] { return new frmDrive_Setup; });
    Forms::registerForm(SetupKinds::formName(SetupKinds::DriveController), [] { return new frmDriveController_Setup; });
    Forms::registerForm(SetupKinds::find(SetupKinds::DriveController)->optionsDialog, [] { return new frmDriveControl; });
    Forms::registerForm("frmGear", [] { return new frmGear; });
    Forms::registerForm("frmAccessories", [] { return new frmAccessories; });
    Forms::registerForm("frmCurve", [] { return new frmCurve; });
    Forms::registerForm("frmSelection", [] { return new frmSelection; });
    Forms::registerForm("frmAbout", [] { return new frmAbout; });
    Forms::registerForm("frmCurveInfo", [] { return new frmCurveInfo; });
    Forms::registerForm("frmLogin", [] { return new frmLogin; });
    Forms::registerForm("frmXMLwaitdialog", [] { return new frmXMLwaitdialog; });
    Globals::Add_State_Reset(&frmCurve::Reset_Module_State);
}
