#include "setup/controller/ControllerAccessoryDialog.h"

#include "platform/FlagGuard.h"
#include "platform/OptionButton.h"
#include "setup/common/AccessoryList.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"

using namespace Globals;

namespace {
const QString kDialog = frmAccessories::Name;
const QString kDriveAccessoriesSql =
    QStringLiteral("SELECT [Drive Accessories].[Drive Name], [Drive Accessories].[Drive Accessory] From "
                   "[Drive Accessories] WHERE ((([Drive Accessories].[Drive Name])=?) AND "
                   "(Not ([Drive Accessories].[Drive Accessory])='' And "
                   "Not ([Drive Accessories].[Drive Accessory])='N/A' And "
                   "Not ([Drive Accessories].[Drive Accessory])='None')) "
                   "ORDER BY [Drive Accessories].[Drive Accessory];");
const QString kDriveAccessoryColumn = QStringLiteral("Drive Accessory");
} // namespace

frmAccessories* ControllerAccessoryDialog::open(int context)
{
    if (Forms::isLoaded(kDialog) && System_Type != context)
        Forms::unload(kDialog);
    return Forms::get<frmAccessories>(kDialog);
}

void ControllerAccessoryDialog::closeDriveAccessories()
{
    if (Forms::isLoaded(kDialog) && System_Type == SetupKinds::ControllerAxisAccessories)
        Forms::unload(kDialog);
}

QStringList ControllerAccessoryDialog::offeredDriveAccessories(const QString& drive)
{
    return AccessoryList::offered(kDriveAccessoriesSql, {drive}, kDriveAccessoryColumn);
}

void ControllerAccessoryDialog::showDriveAccessories(const QString& drive)
{
    constexpr int context = SetupKinds::ControllerAxisAccessories;
    frmAccessories* dialog = open(context);
    if (!dialog)
        return;
    AxisRecord& record = Current_Record();
    {
        FlagGuard loading(Loading_Lists, true);
        AccessoryList::offer(dialog->lstAccessories(), kDriveAccessoriesSql, {drive}, kDriveAccessoryColumn,
                             record.Drive_Accessory_List_Index, record.Drive_Accessory_List_Item,
                             record.Drive_Accessory_Entry);
    }
    System_Type = context;
    dialog->optExp(0)->hide();
    dialog->optExp(1)->hide();
    dialog->setCaption(QStringLiteral("Drive Accessories"));
    dialog->Show();
    Current_Form = kDialog;
}
