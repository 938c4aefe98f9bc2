#include "FixtureDatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

FixtureDatabase::FixtureDatabase(const QStringList& statements)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    exec(statements);
}

void FixtureDatabase::exec(const QStringList& statements)
{
    const QString connection = QStringLiteral("fixture-writer-%1").arg(reinterpret_cast<quintptr>(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path());
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery query(db);
        db.transaction();
        for (const QString& statement : statements) {
            if (!query.exec(statement))
                throw std::runtime_error((query.lastError().text() + "\n" + statement).toStdString());
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

QString FixtureDatabase::path() const
{
    return m_dir.filePath(QStringLiteral("System Databases97.mdb"));
}
