#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

#include <optional>

// The rows of one query, loaded whole. Navigation and field access by name
// (case-insensitive) as the program's readers expect; a Null field reads as
// empty text, false or 0 and stays distinguishable through isNull().
class Recordset {
public:
    Recordset() = default;
    // The cells row by row, fieldNames.size() to a row.
    Recordset(QStringList fieldNames, QVector<QVariant> cells);

    bool isOpen() const { return m_open; }
    void close();

    bool eof() const { return m_pos >= m_rowCount; }
    bool bof() const { return m_pos < 0 || m_rowCount == 0; }
    void moveNext();
    void movePrevious();
    void moveFirst();
    void moveLast();
    int recordCount() const { return static_cast<int>(m_rowCount); }

    QStringList fieldNames() const { return m_fields; }

    // These throw DatabaseError for an unknown field or when there is no current row.
    QVariant value(const QString& name) const;
    bool isNull(const QString& name) const;
    QString text(const QString& name) const;
    int integer(const QString& name) const;
    double number(const QString& name) const;
    bool boolean(const QString& name) const;
    // The field as a whole number; none for Null, a fraction or text that is no number.
    std::optional<qlonglong> wholeNumber(const QString& name) const;

private:
    int fieldIndex(const QString& name) const;
    const QVariant& cell(const QString& name) const;

    QStringList m_fields;
    // One block for all rows: a large list costs no allocation per row.
    QVector<QVariant> m_cells;
    qsizetype m_rowCount = 0;
    qsizetype m_pos = 0;
    bool m_open = false;
    // The field found last, by the name it was asked for.
    mutable QString m_lastName;
    mutable int m_lastIndex = -1;
};
