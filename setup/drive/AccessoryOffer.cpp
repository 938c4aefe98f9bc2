#include "setup/drive/AccessoryOffer.h"

#include "platform/FlagGuard.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "shell/AxisRecord.h"
#include "shell/Forms.h"
#include "shell/frmAccessories.h"

#include <algorithm>

using namespace Globals;

namespace {
const QString kDialog = QStringLiteral("frmAccessories");
} // namespace

frmAccessories* AccessoryOffer::dialogFor(int context)
{
    if (Forms::isLoaded(kDialog) && System_Type != context)
        Forms::unload(kDialog);
    return Forms::get<frmAccessories>(kDialog);
}

void AccessoryOffer::offer(frmAccessories& dialog, const QString& sql, const QVariantList& params,
                           const QString& column, List21& listIndex, List21& listItem, const List21& entries)
{
    MultiList* list = dialog.lstAccessories();
    {
        FlagGuard loading(Loading_Lists, true);
        list->clear();
        const int limit = static_cast<int>(listItem.size());
        int i = 0;
        for (Recordset& rs = Run_Query(sql, params); !rs.eof() && i < limit; rs.moveNext(), ++i) {
            const QString accessory = rs.text(column);
            list->addItem(accessory);
            listIndex[static_cast<std::size_t>(i)] = QString::number(i);
            listItem[static_cast<std::size_t>(i)] = accessory;
        }
    }
    for (int p = 0; p < list->listCount(); ++p) {
        const QString& offered = listItem[static_cast<std::size_t>(p)];
        // An empty slot of the entries chose nothing.
        if (!offered.isEmpty() && std::ranges::find(entries, offered) != entries.end())
            list->setSelected(p, true);
    }
}

void AccessoryOffer::showDriveAccessories(const QString& sql, const QString& column, const QString& drive,
                                          AxisRecord& record, int context)
{
    frmAccessories* dialog = dialogFor(context);
    if (!dialog)
        return;
    offer(*dialog, sql, {drive}, column, record.Drive_Accessory_List_Index, record.Drive_Accessory_List_Item,
          record.Drive_Accessory_Entry);
    System_Type = context;
    dialog->optExp(0)->hide();
    dialog->optExp(1)->hide();
    dialog->setCaption(QStringLiteral("Drive Accessories"));
    dialog->Show();
    Current_Form = kDialog;
}
