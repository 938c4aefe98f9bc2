#include "setup/common/AccessoryRequest.h"

#include "platform/FlagGuard.h"
#include "platform/OptionButton.h"
#include "setup/common/AccessoryList.h"
#include "shell/AccessoryStore.h"
#include "shell/Dependents.h"
#include "shell/SetupKinds.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

using namespace Globals;

AccessoryRequest AccessoryRequest::driveAccessories(AxisRecord& record, const QString& drive, const QString& sql,
                                                    const QString& column, int context)
{
    return {drive,
            sql,
            column,
            QStringLiteral("Drive Accessories"),
            context,
            &record.Drive_Accessories,
            std::nullopt};
}

QStringList AccessoryRequest::offered() const
{
    return AccessoryList::offered(sql, {key}, column);
}

frmAccessories* AccessoryRequest::open(bool show) const
{
    if (const auto* open = Forms::find<frmAccessories>(); open && open->Context() != context)
        Forms::unload<frmAccessories>();
    auto* dialog = Forms::get<frmAccessories>();
    if (!dialog)
        return nullptr;
    {
        FlagGuard loading(Loading_Lists, true);
        AccessoryList::offer(dialog->lstAccessories(), sql, {key}, column, choice->List_Index, choice->List_Item,
                             choice->Entry);
    }
    // Set before an expansion option is chosen: the option stores its flag by the context.
    System_Type = context;
    dialog->Set_Context(context);
    if (const SetupKinds::AccessoryContext* row = SetupKinds::accessoryContext(context))
        dialog->setSubject(row->stage, Dependents::ofAxis(row->stage) ? Current_Axis : 0);

    OptionButton* none = dialog->optExp(0);
    OptionButton* cards = dialog->optExp(1);
    if (!expansion) {
        none->hide();
        cards->hide();
    } else {
        const QString kind = AccessoryStore::Expansion_Caption(expansion->jtr, expansion->duw, expansion->lumio);
        if (!kind.isEmpty())
            cards->setText(kind);
        cards->setVisible(!kind.isEmpty());
        // Cards only where this configuration takes them; their quantities come back on every card row.
        if (expansion->chosen && !kind.isEmpty()) {
            cards->setValue(true);
            dialog->Restore_Card_Quantities(choice->Entry, choice->Quantity);
        } else {
            none->setValue(true);
        }
    }
    dialog->setCaption(caption);
    if (show) {
        dialog->Show();
        Current_Form = frmAccessories::Name;
    }
    return dialog;
}
