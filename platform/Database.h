#pragma once

#include "platform/Recordset.h"

#include <QString>
#include <QVariantList>

#include <memory>

// A read-only SQLite database file. Handles are cheap to copy and share one
// connection; the connection closes when the last handle lets go.
class Database {
public:
    Database() = default;

    // Throws DatabaseError for a missing, unreadable or non-database file
    // (DatabaseFault for one another program holds); never creates a file.
    // While a connection to the same file is alive and the file has not
    // changed since it was opened, the handle shares it.
    static Database open(const QString& path);

    bool isOpen() const { return m_connection != nullptr; }
    QString path() const;
    void Close() { m_connection.reset(); }

    // Whether both handles share one connection (the same unchanged file).
    bool sharesConnectionWith(const Database& other) const
    {
        return m_connection && m_connection == other.m_connection;
    }
    // Whether the file was changed or replaced since the connection opened it.
    bool fileChanged() const;
    // The names of the file's tables.
    QStringList tableNames() const;
    // Throws DatabaseFault when the file lacks the table or one of its
    // columns; a table without rows has both.
    void requireTable(const QString& table, const QStringList& columns) const;

    // Runs a SELECT with every chosen value bound to a "?" placeholder, in order.
    // Each statement text is prepared once per connection. A failing statement
    // throws DatabaseFault with a short text naming the missing table or
    // column, or the file as in use by another program, never the statement.
    Recordset OpenRecordset(const QString& sql, const QVariantList& params = {}) const;

private:
    class Connection;
    std::shared_ptr<Connection> m_connection;
};
