#include "setup/common/OptionsTable.h"

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
