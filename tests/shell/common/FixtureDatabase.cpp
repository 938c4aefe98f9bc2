#include "FixtureDatabase.h"

#include "support/SqliteFile.h"

#include <stdexcept>

FixtureDatabase::FixtureDatabase(const QStringList& statements)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    exec(statements);
}

void FixtureDatabase::exec(const QStringList& statements)
{
    const QString error = SqliteFile::run(path(), statements);
    if (!error.isEmpty())
        throw std::runtime_error(error.toStdString());
}

QString FixtureDatabase::path() const
{
    return m_dir.filePath(QStringLiteral("System Databases97.mdb"));
}
