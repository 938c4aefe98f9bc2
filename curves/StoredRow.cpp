#include "curves/StoredRow.h"

#include "curves/CurveNotFound.h"
#include "platform/Database.h"
#include "platform/DatabaseFault.h"
#include "platform/Recordset.h"

#include <cmath>
#include <optional>

namespace {

// A stored number, or none for Null, text that is no number and other kinds.
std::optional<double> numberIn(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        number = value.toDouble(&ok);
        break;
    case QMetaType::QString:
        number = value.toString().trimmed().toDouble(&ok);
        break;
    default:
        break;
    }
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

StoredRow::StoredRow(const Recordset& rs, const Database& db, QString table, Key key)
    : m_rs(rs), m_db(db), m_table(std::move(table)), m_key(std::move(key))
{
}

double StoredRow::number(const QString& column) const
{
    const std::optional<double> value = numberIn(m_rs.value(column));
    if (!value)
        damaged(column, QStringLiteral("number"));
    return *value;
}

int StoredRow::id(const QString& column) const
{
    const double id = number(column);
    if (id < -32768 || id > 32767)
        throw CurveNotFound();
    return static_cast<int>(id);
}

bool StoredRow::yes(const QString& column) const
{
    const QVariant value = m_rs.value(column);
    if (value.typeId() == QMetaType::QString && !value.isNull()) {
        const QString text = value.toString().trimmed();
        for (const char* word : {"yes", "true"})
            if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                return true;
        for (const char* word : {"no", "false"})
            if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                return false;
    }
    const std::optional<double> number = numberIn(value);
    if (!number)
        damaged(column, QStringLiteral("Yes/No value"));
    return *number != 0;
}

void StoredRow::damaged(const QString& column, const QString& wanted) const
{
    throw DatabaseFault::badValue(m_db.path(), m_table, column, m_key(), wanted);
}
