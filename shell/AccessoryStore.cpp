#include "shell/AccessoryStore.h"

#include "shell/Globals.h"

namespace {

// The axis count that a controller option carries in the last character of its code.
QString axisCount(const QString& optionText)
{
    if (optionText.isEmpty() || optionText == QLatin1String("N/A"))
        return QStringLiteral("0");
    return Globals::Get_Code(optionText).right(1);
}

struct Lists {
    Globals::List21* entry;
    Globals::List21* quantity;
    Globals::List21* description;
};

} // namespace

QString AccessoryStore::Breakout_Quantity(const QString& entry, const QString& controllerName,
                                          const QString& controllerOption2, const QString& controllerOption3)
{
    if (entry.left(4) != QLatin1String("HX25"))
        return QStringLiteral("1");
    QString n; // empty counts as 0
    if (controllerName.left(3) == QLatin1String("KEX"))
        n = axisCount(controllerOption3);
    if (controllerName.left(2) == QLatin1String("9Q"))
        n = axisCount(controllerOption2);
    if (n.isEmpty() || n == QLatin1String("0"))
        return QStringLiteral("1");
    if (n == QLatin1String("2") || n == QLatin1String("4"))
        return QStringLiteral("2");
    if (n == QLatin1String("6") || n == QLatin1String("8"))
        return QStringLiteral("4");
    return QString();
}

int AccessoryStore::Store(int context, const Choice& choice)
{
    Lists lists {};
    switch (context) {
    case 1:
        lists = {&Globals::Controller_Accessory_Entry, &Globals::Controller_Accessory_Quantity,
                 &Globals::Controller_Accessory_Description};
        break;
    case 2:
        lists = {&Globals::Drive_Controller_Accessory_Entry, &Globals::Drive_Controller_Accessory_Quantity,
                 &Globals::Drive_Controller_Accessory_Description};
        break;
    case 3:
    case 4: {
        AxisRecord& r = Globals::Current_Record();
        lists = {&r.Drive_Accessory_Entry, &r.Drive_Accessory_Quantity, &r.Drive_Accessory_Description};
        break;
    }
    default:
        return 0;
    }
    lists.entry->fill(QString());
    lists.quantity->fill(QString());
    lists.description->fill(QString());

    int k = 0;
    int dropped = 0;
    const auto append = [&](const QString& entry, const QString& quantity, const QString& description) {
        if (k >= Entries) {
            ++dropped;
            return;
        }
        (*lists.entry)[k] = entry;
        (*lists.quantity)[k] = quantity;
        (*lists.description)[k] = description;
        ++k;
    };

    for (const QString& text : choice.accessories) {
        const QString quantity = context == 1 ? Breakout_Quantity(text, Globals::Controller_Name,
                                                                  choice.controllerOption2, choice.controllerOption3)
                                              : QStringLiteral("1");
        append(text, quantity, Globals::Get_Description(text));
    }

    // Cards count only while the expansion option is chosen, and only rows
    // that show a card.
    if ((context == 1 || context == 2) && choice.expansion) {
        for (const CardRow& row : choice.cards) {
            if (row.card.isEmpty() || row.quantity.isEmpty() || row.quantity == QLatin1String("0"))
                continue;
            append(row.card, row.quantity, row.description);
        }
    }
    return dropped;
}
