#pragma once

#include "platform/DatabaseError.h"

#include <QString>
#include <QStringList>

// A fault of the database file itself, told the user as what the file lacks
// or holds wrongly, so that nothing else is blamed for it: a table, a column,
// a row, a value, the file held by another program, damaged or no database at
// all. Every such text is built here, in one wording.
class DatabaseFault : public DatabaseError {
public:
    static DatabaseFault missingTable(const QString& path, const QString& table);
    // column: "Table.Column", as SQLite names it.
    static DatabaseFault missingColumn(const QString& path, const QString& column);
    // No row whose column holds the key.
    static DatabaseFault missingRow(const QString& path, const QString& table, const QString& column,
                                    const QString& key);
    // The row of the key holds no `wanted` ("value", "whole number from 1 to
    // 16") in the column.
    static DatabaseFault badValue(const QString& path, const QString& table, const QString& column,
                                  const QString& key, const QString& wanted);
    // The same for a row keyed by several columns, their values in order.
    static DatabaseFault badValue(const QString& path, const QString& table, const QString& column,
                                  const QStringList& key, const QString& wanted);
    static DatabaseFault inUse(const QString& path);
    static DatabaseFault unreadable(const QString& path);
    static DatabaseFault damaged(const QString& path);
    static DatabaseFault notADatabase(const QString& path);

    // No fault but a change, told in the same wording: the line of the bill
    // of material `description` for which the database gives the part number
    // `now` where a project file holds `saved` (either empty: a line billed
    // only by the other).
    static QString partNumberChanged(const QString& path, const QString& description, const QString& saved,
                                     const QString& now);

private:
    explicit DatabaseFault(const QString& message) : DatabaseError(message) {}
};
