#include "setup/controller/ControllerAccessoryDialog.h"

#include "setup/common/AccessoryList.h"
#include "setup/common/AccessoryRequest.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

using namespace Globals;

namespace {
const QString kDriveAccessoriesSql =
    QStringLiteral("SELECT [Drive Accessories].[Drive Name], [Drive Accessories].[Drive Accessory] From "
                   "[Drive Accessories] WHERE ((([Drive Accessories].[Drive Name])=?) AND "
                   "(Not ([Drive Accessories].[Drive Accessory])='' And "
                   "Not ([Drive Accessories].[Drive Accessory])='N/A' And "
                   "Not ([Drive Accessories].[Drive Accessory])='None')) "
                   "ORDER BY [Drive Accessories].[Drive Accessory];");
const QString kDriveAccessoryColumn = QStringLiteral("Drive Accessory");
} // namespace

QStringList ControllerAccessoryDialog::offeredDriveAccessories(const QString& drive)
{
    return AccessoryList::offered(kDriveAccessoriesSql, {drive}, kDriveAccessoryColumn);
}

AccessoryRequest ControllerAccessoryDialog::request(const QString& drive)
{
    return AccessoryRequest::driveAccessories(Current_Record(), drive, kDriveAccessoriesSql, kDriveAccessoryColumn,
                                              SetupKinds::ControllerAxisAccessories);
}

void ControllerAccessoryDialog::showDriveAccessories(const QString& drive)
{
    request(drive).open(true);
}
