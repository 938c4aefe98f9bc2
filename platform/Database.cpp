#include "platform/Database.h"

#include "platform/DatabaseError.h"
#include "platform/DatabaseFault.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdlib>

namespace {

// What tells a changed or replaced file from the one a connection opened.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed;

    static FileStamp of(const QString& path)
    {
        const QFileInfo info(path);
        return {info.size(), info.lastModified(), info.metadataChangeTime()};
    }
    bool operator==(const FileStamp& other) const
    {
        return size == other.size && modified == other.modified && changed == other.changed;
    }
};

// How long a statement waits for a lock another connection holds.
constexpr int kBusyWaitMs = 1000;

// SQLite's primary result code of an error (an extended code carries it in its low byte).
int sqliteCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// SQLITE_BUSY or SQLITE_LOCKED: another connection holds the file.
bool isLock(const QSqlError& error)
{
    const int code = sqliteCode(error);
    return code == 5 || code == 6;
}

// What the file itself is wrong with, by SQLite's code: held by another
// program, damaged (SQLITE_CORRUPT), no database at all (SQLITE_NOTADB).
DatabaseFault fileFault(const QString& path, const QSqlError& error)
{
    if (isLock(error))
        return DatabaseFault::inUse(path);
    switch (sqliteCode(error)) {
    case 11:
        return DatabaseFault::damaged(path);
    case 26:
        return DatabaseFault::notADatabase(path);
    default:
        return DatabaseFault::unreadable(path);
    }
}

} // namespace

class Database::Connection {
public:
    explicit Connection(const QString& path)
        : m_path(path), m_name(QStringLiteral("quenro-db-%1").arg(++s_counter)), m_stamp(FileStamp::of(path))
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
    FileStamp m_stamp;
    // Prepared statements by their text.
    QHash<QString, QSqlQuery> m_statements;

    // A live connection to the file, for a new handle to share.
    static std::shared_ptr<Connection> shared(const QString& path)
    {
        auto it = opened().find(path);
        if (it == opened().end())
            return nullptr;
        std::shared_ptr<Connection> c = it->lock();
        if (!c || c->m_released || !(c->m_stamp == FileStamp::of(path)))
            return nullptr;
        return c;
    }
    static void remember(const std::shared_ptr<Connection>& c) { opened().insert(c->m_path, c); }

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
        if (auto it = opened().find(m_path); it != opened().end() && it->expired())
            opened().erase(it);
        m_statements.clear();
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

    static QHash<QString, std::weak_ptr<Connection>>& opened()
    {
        static auto* map = new QHash<QString, std::weak_ptr<Connection>>;
        return *map;
    }

    bool m_released = false;
    static inline quint64 s_counter = 0;
};

Database Database::open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw DatabaseError(QStringLiteral("The database file %1 was not found.").arg(path));
    if (info.isDir())
        throw DatabaseError(QStringLiteral("The database file %1 is a folder.").arg(path));
    if (!info.isFile())
        throw DatabaseError(QStringLiteral("The database file %1 is not a regular file.").arg(path));
    if (!info.isReadable())
        throw DatabaseError(QStringLiteral("The database file %1 may not be read.").arg(path));

    Database result;
    result.m_connection = Connection::shared(info.absoluteFilePath());
    if (result.m_connection)
        return result;
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
    // Read-only: SQLite then never creates or changes the file. A writer's
    // commit holds the file for moments; a lock held longer is another
    // program's use of the file, told after this wait.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyWaitMs));
    if (!db.open())
        throw fileFault(path, db.lastError());
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        throw fileFault(path, probe.lastError());
    Connection::remember(result.m_connection);
    return result;
}

bool Database::fileChanged() const
{
    return m_connection && !(m_connection->m_stamp == FileStamp::of(m_connection->m_path));
}

QStringList Database::tableNames() const
{
    QStringList names;
    for (Recordset rs = OpenRecordset(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
         !rs.eof(); rs.moveNext())
        names << rs.text(QStringLiteral("name"));
    return names;
}

namespace {

// The failed statement's fault, never its text: the missing table or column by name.
DatabaseFault failure(const QString& path, const QSqlError& error)
{
    static const QRegularExpression missing(QStringLiteral("no such (table|column): (.+)$"));
    const QRegularExpressionMatch m = missing.match(error.databaseText().trimmed());
    if (!m.hasMatch())
        return fileFault(path, error);
    return m.captured(1) == QLatin1String("table") ? DatabaseFault::missingTable(path, m.captured(2))
                                                   : DatabaseFault::missingColumn(path, m.captured(2));
}

QString bracketed(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

} // namespace

void Database::requireTable(const QString& table, const QStringList& columns) const
{
    // Each column named with its table, so that a missing one is named so too.
    QStringList fields;
    for (const QString& column : columns)
        fields << bracketed(table) + QLatin1Char('.') + bracketed(column);
    if (fields.isEmpty())
        fields << QStringLiteral("*");
    OpenRecordset(QStringLiteral("SELECT %1 FROM %2 LIMIT 1").arg(fields.join(QStringLiteral(", ")), bracketed(table)));
}

QString Database::path() const
{
    return m_connection ? m_connection->m_path : QString();
}

Recordset Database::OpenRecordset(const QString& sql, const QVariantList& params) const
{
    if (!m_connection)
        throw DatabaseError(QStringLiteral("Object invalid or no longer set."));
    auto cached = m_connection->m_statements.find(sql);
    if (cached == m_connection->m_statements.end()) {
        QSqlQuery prepared(QSqlDatabase::database(m_connection->m_name, false));
        prepared.setForwardOnly(true);
        if (!prepared.prepare(sql))
            throw failure(m_connection->m_path, prepared.lastError());
        cached = m_connection->m_statements.insert(sql, prepared);
    }
    QSqlQuery& query = *cached;
    for (int i = 0; i < params.size(); ++i)
        query.bindValue(i, params.at(i));
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        m_connection->m_statements.erase(cached);
        throw failure(m_connection->m_path, error);
    }

    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    const int width = record.count();
    QVector<QVariant> cells;
    while (query.next())
        for (int i = 0; i < width; ++i)
            cells.append(query.value(i));
    // Lets the statement go back to its prepared state for the next use.
    query.finish();
    return Recordset(std::move(fields), std::move(cells));
}
