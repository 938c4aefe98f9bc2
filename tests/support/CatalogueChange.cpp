#include "support/CatalogueChange.h"

#include "platform/Database.h"
#include "shell/Globals.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// Pairs of changes drawn from a fixed seed: the same pairs on every run.
constexpr unsigned kPairSeed = 40;
constexpr int kPairs = 40;

// The tables whose rows are the levels of an options dialog, by the column naming their product.
const std::pair<const char*, const char*> kLevelTables[] = {
    {"All Controllers", "Controller Name"},
    {"All DriveControllers", "DriveController Name"},
};

QString bracketed(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString literal(const QString& value)
{
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

// The columns whose values a bill line or a part number takes: part numbers,
// accessories, drive codes, prefixes and portions, shaft and motor option
// codes, gearheads and cards. Curve keys are not among them: neither the bill
// nor the project file holds one.
bool billedColumn(const Globals::Catalogue_Column& c)
{
    static const QRegularExpression billed(
        QStringLiteral("(Part ?Number|Accessory|_Drive|_Drive_Parallel|Prefix|Portion|Options|^GXX|^DUW Number)$"));
    return c.table != QLatin1String("Drive Cross Ref") && !c.column.startsWith(QLatin1String("Curve"))
        && billed.match(c.column).hasMatch();
}

// Another text for a value: its code, before " = ", gains a letter.
QString renamed(const QString& value)
{
    const qsizetype at = value.indexOf(QLatin1String(" = "));
    return at < 0 ? value + QLatin1Char('Q') : value.left(at) + QLatin1Char('Q') + value.mid(at);
}

// renamed() in SQL, for the column's text in every row it changes.
QString renamedSql(const QString& column)
{
    const QString c = bracketed(column);
    return QStringLiteral("CASE WHEN instr(%1, ' = ') > 0 THEN substr(%1, 1, instr(%1, ' = ') - 1) || 'Q' || "
                          "substr(%1, instr(%1, ' = ')) ELSE %1 || 'Q' END")
        .arg(c);
}

class Base {
public:
    explicit Base(const QString& path) : m_db(Database::open(path)) {}

    QStringList columns(const QString& table) const
    {
        QStringList names;
        for (Recordset rs = m_db.OpenRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
             !rs.eof(); rs.moveNext())
            names << rs.text(QStringLiteral("name"));
        return names;
    }

    // The distinct rows of the columns, Null kept apart from empty text.
    QList<QVariantList> rows(const QString& table, const QStringList& columns, const QString& where = {}) const
    {
        QStringList fields;
        for (const QString& c : columns)
            fields << bracketed(c);
        QList<QVariantList> out;
        for (Recordset rs = m_db.OpenRecordset(QStringLiteral("SELECT DISTINCT %1 FROM %2 %3")
                                                   .arg(fields.join(QStringLiteral(", ")), bracketed(table), where));
             !rs.eof(); rs.moveNext()) {
            QVariantList row;
            for (const QString& c : columns)
                row << rs.value(c);
            out << row;
        }
        return out;
    }

private:
    Database m_db;
};

CatalogueChange make(CatalogueChange::Kind kind, const QString& table, const QString& sql)
{
    CatalogueChange change;
    change.kind = kind;
    change.statements = {sql};
    change.tables = {table};
    if (kind == CatalogueChange::Emptied || kind == CatalogueChange::Withdrawn
        || kind == CatalogueChange::ProductRemoved)
        change.removedFrom = {table};
    return change;
}

// Each value of each level of each product withdrawn in turn, and each product's rows all at once.
void levelChanges(const Base& base, QList<CatalogueChange>& out)
{
    static const QRegularExpression level(QStringLiteral("^Option\\d+$"));
    for (const auto& [tableName, productColumn] : kLevelTables) {
        const QString table = QLatin1String(tableName);
        const QString product = QLatin1String(productColumn);
        for (const QVariantList& row : base.rows(table, {product}, QStringLiteral("WHERE %1 IS NOT NULL").arg(bracketed(product))))
            out << make(CatalogueChange::ProductRemoved, table,
                        QStringLiteral("DELETE FROM %1 WHERE %2 = %3")
                            .arg(bracketed(table), bracketed(product), literal(row.at(0).toString())));
        for (const QString& column : base.columns(table).filter(level))
            for (const QVariantList& row : base.rows(table, {product, column})) {
                if (row.at(0).isNull())
                    continue;
                const QVariant& value = row.at(1);
                out << make(CatalogueChange::Withdrawn, table,
                            QStringLiteral("DELETE FROM %1 WHERE %2 = %3 AND %4 %5")
                                .arg(bracketed(table), bracketed(product), literal(row.at(0).toString()),
                                     bracketed(column),
                                     value.isNull() ? QStringLiteral("IS NULL")
                                                    : QStringLiteral("= ") + literal(value.toString())));
            }
    }
}

// Each value a project holds changed on its own, the column's others together.
void renamedValues(const Base& base, const Globals::Catalogue_Column& c, const QString& held,
                   QList<CatalogueChange>& out)
{
    QStringList alone;
    for (const QVariantList& row :
         base.rows(c.table, {c.column}, QStringLiteral("WHERE typeof(%1) = 'text' AND %1 <> ''").arg(bracketed(c.column)))) {
        const QString value = row.at(0).toString();
        if (!held.contains(value, Qt::CaseInsensitive))
            continue;
        alone << literal(value);
        CatalogueChange change = make(CatalogueChange::Renamed, c.table,
                                      QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %2 = %4")
                                          .arg(bracketed(c.table), bracketed(c.column), literal(renamed(value)),
                                               literal(value)));
        change.written = {renamed(value)};
        out << change;
    }
    QString rest = QStringLiteral("WHERE typeof(%1) = 'text' AND %1 <> ''").arg(bracketed(c.column));
    if (!alone.isEmpty())
        rest += QStringLiteral(" AND NOT %1 IN (%2)").arg(bracketed(c.column), alone.join(QLatin1Char(',')));
    const QList<QVariantList> others = base.rows(c.table, {c.column}, rest);
    if (others.isEmpty())
        return;
    CatalogueChange change = make(CatalogueChange::Renamed, c.table,
                                  QStringLiteral("UPDATE %1 SET %2 = %3 %4")
                                      .arg(bracketed(c.table), bracketed(c.column), renamedSql(c.column), rest));
    for (const QVariantList& row : others)
        change.written << renamed(row.at(0).toString());
    out << change;
}

// A second row for the key of one row a project holds (else of the first),
// its other read columns changed: texts renamed, a flag turned, other numbers
// one more, Null a text.
void secondRow(const Base& base, const QString& table, const QList<Globals::Catalogue_Column>& read,
               const QSet<QString>& heldLines, QList<CatalogueChange>& out)
{
    QStringList keys;
    QStringList others;
    for (const Globals::Catalogue_Column& c : read)
        if (c.table == table)
            (c.needed ? keys : others) << c.column;
    if (keys.isEmpty() && !others.isEmpty())
        keys << others.takeFirst();
    if (others.isEmpty())
        return;
    const QList<QVariantList> rows = base.rows(table, {QStringLiteral("rowid"), keys.first()},
                                               QStringLiteral("ORDER BY rowid"));
    if (rows.isEmpty())
        return;
    const auto heldRow = std::ranges::find_if(rows, [&](const QVariantList& r) {
        return heldLines.contains(r.at(1).toString().toLower());
    });
    const QVariantList& row = heldRow == rows.end() ? rows.first() : *heldRow;
    QStringList fields;
    QStringList values;
    for (const QString& column : base.columns(table)) {
        fields << bracketed(column);
        const QString c = bracketed(column);
        values << (others.contains(column)
                       ? QStringLiteral("CASE WHEN typeof(%1) = 'text' THEN %2 WHEN %1 IN (0, 1) THEN 1 - %1 "
                                        "WHEN typeof(%1) IN ('integer', 'real') THEN %1 + 1 ELSE 'Q' END")
                             .arg(c, renamedSql(column))
                       : c);
    }
    CatalogueChange change = make(CatalogueChange::SecondRow, table,
                                  QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE rowid = %4")
                                      .arg(bracketed(table), fields.join(QStringLiteral(", ")),
                                           values.join(QStringLiteral(", ")), row.at(0).toString()));
    for (const QVariantList& r : base.rows(table, others, QStringLiteral("WHERE rowid = %1").arg(row.at(0).toString())))
        for (const QVariant& value : r)
            change.written << (value.isNull() ? QStringLiteral("Q") : renamed(value.toString()));
    out << change;
}

} // namespace

QString CatalogueChange::kindName(Kind kind)
{
    static const char* const names[Kinds] = {"table emptied",      "column Null",        "column empty",
                                              "rows doubled",       "option withdrawn",   "product's options removed",
                                              "value renamed",      "second row for a key", "names in lower case",
                                              "pair of changes"};
    return QLatin1String(names[kind]);
}

QList<CatalogueChange> CatalogueChange::all(const QString& path, const QStringList& held)
{
    const Base base(path);
    const QList<Globals::Catalogue_Column> read = Globals::Catalogue_Columns();
    const QString heldText = held.join(QLatin1Char('\n'));
    QSet<QString> heldLines;
    for (const QString& text : held)
        heldLines << text.toLower();
    QStringList tables;
    for (const Globals::Catalogue_Column& c : read)
        if (!tables.contains(c.table))
            tables << c.table;

    QList<CatalogueChange> out;
    for (const QString& table : tables) {
        out << make(Emptied, table, QStringLiteral("DELETE FROM %1").arg(bracketed(table)));
        out << make(Doubled, table, QStringLiteral("INSERT INTO %1 SELECT * FROM %1").arg(bracketed(table)));
        QStringList lowered;
        for (const Globals::Catalogue_Column& c : read)
            if (c.table == table)
                lowered << QStringLiteral("%1 = CASE WHEN typeof(%1) = 'text' THEN lower(%1) ELSE %1 END")
                               .arg(bracketed(c.column));
        out << make(OtherCase, table, QStringLiteral("UPDATE %1 SET %2").arg(bracketed(table), lowered.join(", ")));
        secondRow(base, table, read, heldLines, out);
    }
    for (const Globals::Catalogue_Column& c : read)
        for (const auto& [kind, value] : {std::pair {Null, "NULL"}, std::pair {EmptyText, "''"}}) {
            CatalogueChange change = make(
                kind, c.table,
                QStringLiteral("UPDATE %1 SET %2 = %3").arg(bracketed(c.table), bracketed(c.column), value));
            change.damaged = {c.table + QLatin1Char('.') + c.column};
            out << change;
        }
    levelChanges(base, out);
    for (const Globals::Catalogue_Column& c : read)
        if (billedColumn(c))
            renamedValues(base, c, heldText, out);

    const qsizetype singles = out.size();
    std::mt19937 rng(kPairSeed);
    std::uniform_int_distribution<qsizetype> any(0, singles - 1);
    for (int p = 0; p < kPairs; ++p) {
        const CatalogueChange& a = out.at(any(rng));
        const CatalogueChange& b = out.at(any(rng));
        CatalogueChange pair {Pair,          a.statements + b.statements, a.tables + b.tables,
                              a.removedFrom + b.removedFrom, a.damaged + b.damaged, a.written + b.written};
        out << pair;
    }
    return out;
}

CatalogueChange CatalogueChange::drawn(const QString& path, const QStringList& held, std::mt19937& rng)
{
    const QList<CatalogueChange> changes = all(path, held);
    return changes.at(std::uniform_int_distribution<qsizetype>(0, changes.size() - 1)(rng));
}
