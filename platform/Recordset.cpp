#include "platform/Recordset.h"

#include "platform/DatabaseError.h"

#include <cmath>

Recordset::Recordset(QStringList fieldNames, QVector<QVariant> cells)
    : m_fields(std::move(fieldNames)), m_cells(std::move(cells)),
      m_rowCount(m_fields.isEmpty() ? 0 : m_cells.size() / m_fields.size()), m_open(true)
{
}

void Recordset::close()
{
    m_lastIndex = -1;
    m_fields.clear();
    m_cells.clear();
    m_rowCount = 0;
    m_pos = 0;
    m_open = false;
}

void Recordset::moveNext()
{
    if (eof())
        throw DatabaseError(QStringLiteral("No current record."));
    ++m_pos;
}

void Recordset::movePrevious()
{
    if (bof())
        throw DatabaseError(QStringLiteral("No current record."));
    --m_pos;
}

void Recordset::moveFirst()
{
    m_pos = 0;
}

void Recordset::moveLast()
{
    m_pos = m_rowCount == 0 ? 0 : m_rowCount - 1;
}

int Recordset::fieldIndex(const QString& name) const
{
    // Readers walk the rows asking for the same field again and again.
    if (m_lastIndex >= 0 && name == m_lastName)
        return m_lastIndex;
    // Most readers name a field as the query does: an exact match is cheap.
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i] == name) {
            m_lastName = name;
            m_lastIndex = i;
            return i;
        }
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0) {
            m_lastName = name;
            m_lastIndex = i;
            return i;
        }
    return -1;
}

const QVariant& Recordset::cell(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Item not found in this collection: %1").arg(name));
    if (m_pos < 0 || eof())
        throw DatabaseError(QStringLiteral("No current record."));
    return m_cells[m_pos * m_fields.size() + index];
}

QVariant Recordset::value(const QString& name) const
{
    return cell(name);
}

bool Recordset::isNull(const QString& name) const
{
    return cell(name).isNull();
}

QString Recordset::text(const QString& name) const
{
    const QVariant& v = cell(name);
    return v.isNull() ? QString() : v.toString();
}

int Recordset::integer(const QString& name) const
{
    const QVariant& v = cell(name);
    return v.isNull() ? 0 : v.toInt();
}

double Recordset::number(const QString& name) const
{
    const QVariant& v = cell(name);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool Recordset::boolean(const QString& name) const
{
    const QVariant& v = cell(name);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        return s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
            || s.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0
            || (s.toInt() != 0);
    }
    return v.toLongLong() != 0;
}

std::optional<qlonglong> Recordset::wholeNumber(const QString& name) const
{
    const QVariant& v = cell(name);
    if (v.isNull())
        return std::nullopt;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return v.toLongLong();
    case QMetaType::Double: {
        // Beyond 2^53 a double holds no exact whole number.
        const double d = v.toDouble();
        if (std::trunc(d) != d || std::fabs(d) > 9007199254740992.0)
            return std::nullopt;
        return static_cast<qlonglong>(d);
    }
    default: {
        bool ok = false;
        const qlonglong n = v.toString().trimmed().toLongLong(&ok);
        return ok ? std::optional<qlonglong>(n) : std::nullopt;
    }
    }
}
