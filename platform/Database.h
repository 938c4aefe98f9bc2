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

    // Throws DatabaseError for a missing, unreadable or non-database file;
    // never creates a file.
    static Database open(const QString& path);

    bool isOpen() const { return m_connection != nullptr; }
    QString path() const;
    void Close() { m_connection.reset(); }

    // Runs a SELECT with every chosen value bound to a "?" placeholder, in order.
    Recordset OpenRecordset(const QString& sql, const QVariantList& params = {}) const;

private:
    class Connection;
    std::shared_ptr<Connection> m_connection;
};
