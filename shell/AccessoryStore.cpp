#include "shell/AccessoryStore.h"

#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <algorithm>

namespace {

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

qsizetype countOf(const QStringList& list, const QString& text)
{
    return std::ranges::count_if(list, [&](const QString& item) { return same(item, text); });
}

// The dialog packs what it stores from the first entry on.
bool packed(const AccessoryStore::List21& entry)
{
    const auto end = std::ranges::find(entry, QString());
    return std::all_of(end, entry.end(), [](const QString& e) { return e.isEmpty(); });
}

// The axis count that a controller option carries in the last character of its code.
QString axisCount(const QString& optionText)
{
    if (optionText.isEmpty() || optionText.compare(QLatin1String("N/A"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("0");
    return Globals::Get_Code(optionText).right(1);
}

const QString kExpIOQuery = QStringLiteral(
    "SELECT ExpIO.[Expansion IO Type], ExpIO.[DUW Number], ExpIO.[DUW Description], ExpIO.[Required Quantity] "
    "From ExpIO WHERE (((ExpIO.[Expansion IO Type])=?)) ORDER BY ExpIO.[DUW Number];");

// A card quantity the row's list offers and the dialog keeps: 1 to 8, or the row's own.
bool cardQuantity(const QString& quantity, const QString& rowQuantity)
{
    bool whole = false;
    const int count = quantity.toInt(&whole);
    if (whole && count >= 1 && count <= 8 && quantity == QString::number(count))
        return true;
    return quantity == rowQuantity && !quantity.isEmpty() && quantity != QLatin1String("0");
}

// The dialog keeps cards only in a context that offers them, and only while its expansion option is chosen.
bool storesCards(const SetupKinds::AccessoryContext* context, bool expansionChosen)
{
    return context && context->expansion && expansionChosen;
}

// The quantity stored with a chosen accessory: one, a controller's breakout module as many as its axes need.
QString accessoryQuantity(int context, const QString& entry, const QString& option2, const QString& option3)
{
    const SetupKinds::AccessoryContext* opener = SetupKinds::accessoryContext(context);
    return opener && opener->breakoutQuantity
        ? AccessoryStore::Breakout_Quantity(entry, Globals::Controller_Name, option2, option3)
        : QStringLiteral("1");
}

} // namespace

QString AccessoryStore::Breakout_Quantity(const QString& entry, const QString& controllerName,
                                          const QString& controllerOption2, const QString& controllerOption3)
{
    if (!entry.startsWith(QLatin1String("HX25"), Qt::CaseInsensitive))
        return QStringLiteral("1");
    QString n; // empty counts as 0
    if (controllerName.startsWith(QLatin1String("KEX"), Qt::CaseInsensitive))
        n = axisCount(controllerOption3);
    if (controllerName.startsWith(QLatin1String("9Q"), Qt::CaseInsensitive))
        n = axisCount(controllerOption2);
    if (n.isEmpty() || n == QLatin1String("0"))
        return QStringLiteral("1");
    if (n == QLatin1String("2") || n == QLatin1String("4"))
        return QStringLiteral("2");
    if (n == QLatin1String("6") || n == QLatin1String("8"))
        return QStringLiteral("4");
    return QString();
}

bool AccessoryStore::Storable(int context, const Offer& offer, const AccessoryChoice& choice)
{
    const List21& entry = choice.Entry;
    const List21& quantity = choice.Quantity;
    const List21& description = choice.Description;
    const SetupKinds::AccessoryContext* target = SetupKinds::accessoryContext(context);
    // Whatever the expansion flag: the dialog stores it when the option is
    // chosen and the cards only when it closes, so a project saved in between
    // holds the cards of the last closing with the option off.
    const bool cards = target && target->expansion;
    if (!packed(entry))
        return false;
    for (std::size_t i = 0; i < entry.size() && !entry[i].isEmpty(); ++i) {
        // As the dialog spells them: a name in another case is stored again in the catalogue's.
        const bool accessory = offer.accessories.contains(entry[i])
            && quantity[i] == accessoryQuantity(context, entry[i], offer.controllerOption2, offer.controllerOption3)
            && description[i] == Globals::Get_Description(entry[i]);
        const bool card = cards && std::ranges::any_of(offer.cards, [&](const CardRow& row) {
            return row.card == entry[i] && row.description == description[i]
                && cardQuantity(quantity[i], row.quantity);
        });
        if (!accessory && !card)
            return false;
        // The dialog stores each of its rows once: an entry no more often than
        // it is offered, so that no card is billed past its row's quantities.
        const auto offered = offer.accessories.count(entry[i])
            + (cards ? std::ranges::count(offer.cards, entry[i], &CardRow::card) : 0);
        if (std::ranges::count(entry, entry[i]) > offered)
            return false;
    }
    return true;
}

AccessoryChoice AccessoryStore::Offered_Part(int context, const Offer& offer, const AccessoryChoice& choice)
{
    const SetupKinds::AccessoryContext* target = SetupKinds::accessoryContext(context);
    const bool cards = target && target->expansion;
    AccessoryChoice kept = choice;
    kept.Entry.fill(QString());
    kept.Quantity.fill(QString());
    kept.Description.fill(QString());
    std::size_t k = 0;
    for (std::size_t i = 0; i < choice.Entry.size(); ++i) {
        const QString& entry = choice.Entry[i];
        if (entry.isEmpty() || std::any_of(kept.Entry.begin(), kept.Entry.begin() + k,
                                           [&](const QString& e) { return same(e, entry); }))
            continue;
        const bool offered = countOf(offer.accessories, entry) > 0
            || (cards && std::ranges::any_of(offer.cards, [&](const CardRow& row) {
                    return same(row.card, entry) && cardQuantity(choice.Quantity[i], row.quantity);
                }));
        if (!offered)
            continue;
        kept.Entry[k] = entry;
        kept.Quantity[k] = choice.Quantity[i];
        kept.Description[k] = choice.Description[i];
        ++k;
    }
    return kept;
}

bool AccessoryStore::Could_Be_Stored(const AccessoryChoice& choice)
{
    const List21& entry = choice.Entry;
    if (!packed(entry))
        return false;
    for (std::size_t i = 0; i < entry.size() && !entry[i].isEmpty(); ++i) {
        int rows = 0;
        for (std::size_t j = 0; j < i; ++j)
            if (same(entry[j], entry[i])) {
                if (!same(choice.Quantity[j], choice.Quantity[i]) || !same(choice.Description[j], choice.Description[i]))
                    return false;
                ++rows;
            }
        if (rows > 1)
            return false;
    }
    return true;
}

bool AccessoryStore::Offers(const QStringList& offered, const QString& required)
{
    return required.isEmpty()
        || std::ranges::any_of(offered, [&](const QString& accessory) { return same(required, Globals::Get_Code(accessory)); });
}

QString AccessoryStore::Expansion_Caption(bool jtr, bool duw, bool lumio)
{
    if (lumio)
        return QStringLiteral("LUMIO Expansion IO");
    if (duw)
        return QStringLiteral("DUW Expansion IO");
    if (jtr)
        return QStringLiteral("JTR32 Expansion IO");
    return QString();
}

QString AccessoryStore::Expansion_Type(const QString& caption)
{
    const QString type = caption.left(3);
    if (type == QLatin1String("JTR") || type == QLatin1String("DUW"))
        return type;
    if (type == QLatin1String("LUM"))
        return QStringLiteral("LUMIO");
    return QString();
}

QVector<AccessoryStore::CardRow> AccessoryStore::Cards(const QString& type)
{
    QVector<CardRow> rows;
    if (type.isEmpty())
        return rows;
    Recordset& rs = Globals::Run_Query(kExpIOQuery, {type});
    const QString quantity = QStringLiteral("Required Quantity");
    const QString description = QStringLiteral("DUW Description");
    for (; !rs.eof() && rows.size() < Card_Rows; rs.moveNext()) {
        const QString card = rs.text(QStringLiteral("DUW Number"));
        // A card the catalogue holds twice has one row, and so one quantity.
        if (std::ranges::any_of(rows, [&](const CardRow& row) { return row.card == card; }))
            continue;
        // The card's description is shown and billed as it stands, empty too.
        rows.append({card, rs.text(description), rs.isNull(quantity) ? QStringLiteral("0") : rs.text(quantity)});
    }
    return rows;
}

int AccessoryStore::Store(int context, const Choice& choice)
{
    const SetupKinds::AccessoryContext* target = SetupKinds::accessoryContext(context);
    if (!target)
        return 0;
    // The offer the entries were chosen from stays.
    AccessoryChoice& stored = target->choice();
    stored.Entry.fill(QString());
    stored.Quantity.fill(QString());
    stored.Description.fill(QString());

    int k = 0;
    int dropped = 0;
    const auto append = [&](const QString& entry, const QString& quantity, const QString& description) {
        if (k >= Entries) {
            ++dropped;
            return;
        }
        stored.Entry[k] = entry;
        stored.Quantity[k] = quantity;
        stored.Description[k] = description;
        ++k;
    };

    for (const QString& text : choice.accessories)
        append(text, accessoryQuantity(context, text, choice.controllerOption2, choice.controllerOption3),
               Globals::Get_Description(text));

    // Only rows that show a card.
    if (storesCards(target, choice.expansion)) {
        for (const CardRow& row : choice.cards) {
            if (row.card.isEmpty() || row.quantity.isEmpty() || row.quantity == QLatin1String("0"))
                continue;
            append(row.card, row.quantity, row.description);
        }
    }
    return dropped;
}
