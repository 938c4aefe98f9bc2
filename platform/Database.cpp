#include "platform/Database.h"

#include "platform/DatabaseError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdlib>

class Database::Connection {
public:
    explicit Connection(const QString& path)
        : m_path(path), m_name(QStringLiteral("quenro-db-%1").arg(++s_counter))
    {
        live().insert(this);
        // Connections still open when the application object goes (the global
        // database handles outlive main) are closed while the SQL driver exists.
        static const bool registered = [] {
            qAddPostRoutine(&Connection::closeAll);
            return true;
        }();
        (void)registered;
    }
    ~Connection()
    {
        live().remove(this);
        release();
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString m_path;
    QString m_name;

    // Closes what is still open while the SQL module's own state exists.
    static void closeAll()
    {
        for (Connection* c : live())
            c->release();
    }

private:
    void release()
    {
        if (m_released)
            return;
        m_released = true;
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }

    static QSet<Connection*>& live()
    {
        // Never destroyed: a handle held by a global may let go after every
        // other static is gone.
        static auto* set = new QSet<Connection*>;
        return *set;
    }

    bool m_released = false;
    static inline quint64 s_counter = 0;
};

Database Database::open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw DatabaseError(QStringLiteral("Database file not found: %1").arg(path));
    if (!info.isReadable())
        throw DatabaseError(QStringLiteral("Database file cannot be read: %1").arg(path));

    Database result;
    result.m_connection = std::make_shared<Connection>(info.absoluteFilePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), result.m_connection->m_name);
    // Registered after the SQL module set up its connection list, so that an
    // exit with the application object alive closes ours before that list goes.
    static const bool closedAtExit = [] {
        std::atexit(&Connection::closeAll);
        return true;
    }();
    (void)closedAtExit;
    db.setDatabaseName(info.absoluteFilePath());
    // Read-only: SQLite then never creates or changes the file.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        throw DatabaseError(QStringLiteral("Database cannot be opened: %1: %2")
                                .arg(path, db.lastError().text()));
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        throw DatabaseError(QStringLiteral("Not a database: %1: %2").arg(path, probe.lastError().text()));
    return result;
}

QString Database::path() const
{
    return m_connection ? m_connection->m_path : QString();
}

Recordset Database::OpenRecordset(const QString& sql, const QVariantList& params) const
{
    if (!m_connection)
        throw DatabaseError(QStringLiteral("Object invalid or no longer set."));
    QSqlDatabase db = QSqlDatabase::database(m_connection->m_name, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DatabaseError(QStringLiteral("%1\n%2").arg(query.lastError().text(), sql));
    for (const QVariant& p : params)
        query.addBindValue(p);
    if (!query.exec())
        throw DatabaseError(QStringLiteral("%1\n%2").arg(query.lastError().text(), sql));

    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    QVector<QVector<QVariant>> rows;
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int i = 0; i < record.count(); ++i)
            row[i] = query.value(i);
        rows.append(std::move(row));
    }
    return Recordset(std::move(fields), std::move(rows));
}
