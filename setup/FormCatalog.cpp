#include "setup/FormCatalog.h"

#include "curves/frmCurve.h"
#include "setup/controller/frmControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/drive/frmDrive_Setup.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/frmAbout.h"
#include "shell/frmCurveInfo.h"
#include "shell/frmLogin.h"
#include "shell/frmSelection.h"
#include "shell/frmXMLwaitdialog.h"

void FormCatalog::registerAll()
{
    Forms::registerForm<frmController_Setup>();
    Forms::registerForm<frmControl>();
    Forms::registerForm<frmDrive_Setup>();
    Forms::registerForm<frmDriveController_Setup>();
    Forms::registerForm<frmDriveControl>();
    Forms::registerForm<frmGear>();
    Forms::registerForm<frmAccessories>();
    Forms::registerForm<frmCurve>();
    Forms::registerForm<frmSelection>();
    Forms::registerForm<frmAbout>();
    Forms::registerForm<frmCurveInfo>();
    Forms::registerForm<frmLogin>();
    Forms::registerForm<frmXMLwaitdialog>();
    Globals::Add_State_Reset(&frmCurve::Reset_Module_State);
}
