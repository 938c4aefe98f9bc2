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

namespace {

template <class... FormClass>
void registerForms()
{
    (Forms::registerForm<FormClass>(), ...);
}

} // namespace

void FormCatalog::registerAll()
{
    registerForms<frmController_Setup, frmControl, frmDrive_Setup, frmDriveController_Setup, frmDriveControl, frmGear,
                  frmAccessories, frmCurve, frmSelection, frmAbout, frmCurveInfo, frmLogin, frmXMLwaitdialog>();
    Globals::Add_State_Reset(&frmCurve::Reset_Module_State);
}
