#include "support/SqliteFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <utility>

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

QString SqliteFile::writeMakerCatalogue(const QString& folder, const QStringList& variant)
{
    const QString name = QStringLiteral("System Databases97.mdb");
    if (!copySample(name, folder))
        return QStringLiteral("The sample catalogue cannot be copied into ") + folder;
    QFile sql(QStringLiteral(QUENRO_TEST_FIXTURES "/maker_catalogue.sql"));
    if (!sql.open(QIODevice::ReadOnly | QIODevice::Text))
        return sql.fileName() + QStringLiteral(": ") + sql.errorString();
    QStringList statements;
    QString statement;
    for (const QString& line : QString::fromUtf8(sql.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("--")) || line.trimmed().isEmpty())
            continue;
        statement += line;
        if (statement.endsWith(QLatin1Char(';')))
            statements << std::exchange(statement, QString());
    }
    return run(QDir(folder).filePath(name), statements + variant);
}
