#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Database;
class Recordset;

// The current row of a curve database query, read as a curve needs its
// values: one that is Null, empty or no number is the database's damage
// (DatabaseFault), named by file, table, column and the row's key, so that
// nothing is drawn from it. A 0 is a value like any other.
class StoredRow {
public:
    // The key names the row (the motor, and the drive where the row is the
    // pair's); it is asked for only when a value is damaged.
    using Key = std::function<QStringList()>;

    StoredRow(const Recordset& rs, const Database& db, QString table, Key key);

    double number(const QString& column) const;
    // A record number: a number beyond 16 bits finds no curve.
    int id(const QString& column) const;
    // A Yes/No column.
    bool yes(const QString& column) const;

private:
    [[noreturn]] void damaged(const QString& column, const QString& wanted) const;

    const Recordset& m_rs;
    const Database& m_db;
    QString m_table;
    Key m_key;
};
