#include "support/SqliteFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

QString SqliteFile::run(const QString& path, const QStringList& statements)
{
    const QString connection = QStringLiteral("sqlite-file-writer");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            db.transaction();
            QSqlQuery query(db);
            for (const QString& statement : statements) {
                if (!query.exec(statement)) {
                    error = query.lastError().text() + QStringLiteral("\n") + statement;
                    break;
                }
            }
            db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

bool SqliteFile::copySample(const QString& fileName, const QString& folder)
{
    const QString target = QDir(folder).filePath(fileName);
    QFile::remove(target);
    if (!QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName, target))
        return false;
    return QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}
