#include "setup/common/OptionsTable.h"

#include "shell/Globals.h"

#include <utility>

OptionsTable::OptionsTable(QString table, QString nameColumn)
    : m_table(std::move(table)), m_nameColumn(std::move(nameColumn))
{
}

QString OptionsTable::column(const QString& name) const
{
    return QStringLiteral("[%1].[%2]").arg(m_table, name);
}

QString OptionsTable::option(int level) const
{
    return column(QStringLiteral("Option%1").arg(level));
}

QString OptionsTable::select(int levels, int boundLevels, const QStringList& columns) const
{
    QStringList selected {column(m_nameColumn)};
    for (int level = 1; level <= levels; ++level)
        selected << option(level);
    for (const QString& name : columns)
        selected << column(name);
    QString where = QStringLiteral("%1=?").arg(column(m_nameColumn));
    for (int level = 1; level <= boundLevels; ++level)
        where += QStringLiteral(" AND %1=?").arg(option(level));
    return QStringLiteral("%1 FROM [%2] WHERE %3").arg(selected.join(QStringLiteral(", ")), m_table, where);
}

QString OptionsTable::levelSql(int level) const
{
    return QStringLiteral("SELECT DISTINCT %1 ORDER BY %2;").arg(select(level, level - 1, {}), option(level));
}

QString OptionsTable::rowSql(int levels, const QStringList& columns) const
{
    return QStringLiteral("SELECT %1;").arg(select(levels, levels, columns));
}

QVariantList OptionsTable::bound(const QString& product, const QStringList& chosen)
{
    QVariantList values {product};
    for (const QString& value : chosen)
        values << value;
    return values;
}

QVector<AccessoryStore::CardRow> OptionsTable::cards(const QString& product, const QStringList& chosen,
                                                     bool lumio) const
{
    const QString jtr = QStringLiteral("JTR Ready");
    const QString duw = QStringLiteral("DUW Ready");
    const QString lumioReady = QStringLiteral("LUMIO Ready");
    QStringList ready {jtr, duw};
    if (lumio)
        ready << lumioReady;
    QStringList types;
    const auto collect = [&](int levels, const QVariantList& params) {
        bool found = false;
        for (Recordset& rs = Globals::Run_Query(rowSql(levels, ready), params); !rs.eof(); rs.moveNext()) {
            found = true;
            const QString type = AccessoryStore::Expansion_Type(AccessoryStore::Expansion_Caption(
                rs.boolean(jtr), rs.boolean(duw), lumio && rs.boolean(lumioReady)));
            if (!types.contains(type))
                types << type;
        }
        return found;
    };
    // Levels never chosen name no configuration: they keep no cards.
    if (!collect(static_cast<int>(chosen.size()), bound(product, chosen)) && !chosen.value(0).isEmpty())
        collect(0, {product});
    QVector<AccessoryStore::CardRow> rows;
    for (const QString& type : types)
        rows += AccessoryStore::Cards(type);
    return rows;
}
