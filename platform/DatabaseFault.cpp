#include "platform/DatabaseFault.h"

#include <QFileInfo>

namespace {

QString database(const QString& path)
{
    return QStringLiteral("The database ") + QFileInfo(path).fileName();
}

QString column(const QString& table, const QString& name)
{
    return table + QLatin1Char('.') + name;
}

} // namespace

DatabaseFault DatabaseFault::missingTable(const QString& path, const QString& table)
{
    return DatabaseFault(QStringLiteral("%1 has no table \"%2\".").arg(database(path), table));
}

DatabaseFault DatabaseFault::missingColumn(const QString& path, const QString& column)
{
    return DatabaseFault(QStringLiteral("%1 has no column \"%2\".").arg(database(path), column));
}

DatabaseFault DatabaseFault::missingRow(const QString& path, const QString& table, const QString& name,
                                        const QString& key)
{
    return DatabaseFault(
        QStringLiteral("%1 has no row for \"%2\" in column \"%3\".").arg(database(path), key, column(table, name)));
}

DatabaseFault DatabaseFault::badValue(const QString& path, const QString& table, const QString& name,
                                      const QString& key, const QString& wanted)
{
    return badValue(path, table, name, QStringList {key}, wanted);
}

DatabaseFault DatabaseFault::badValue(const QString& path, const QString& table, const QString& name,
                                      const QStringList& key, const QString& wanted)
{
    return DatabaseFault(QStringLiteral("%1 has no %2 in column \"%3\" for \"%4\".")
                             .arg(database(path), wanted, column(table, name), key.join(QStringLiteral("\", \""))));
}

DatabaseFault DatabaseFault::inUse(const QString& path)
{
    return DatabaseFault(QStringLiteral("%1 is in use by another program.").arg(database(path)));
}

DatabaseFault DatabaseFault::unreadable(const QString& path)
{
    return DatabaseFault(QStringLiteral("%1 cannot be read.").arg(database(path)));
}

DatabaseFault DatabaseFault::damaged(const QString& path)
{
    return DatabaseFault(QStringLiteral("%1 is damaged.").arg(database(path)));
}

DatabaseFault DatabaseFault::notADatabase(const QString& path)
{
    return DatabaseFault(QStringLiteral("The file %1 is not a database.").arg(QFileInfo(path).fileName()));
}

QString DatabaseFault::partNumberChanged(const QString& path, const QString& description, const QString& saved,
                                         const QString& now)
{
    if (now.isEmpty())
        return QStringLiteral("%1 no longer gives \"%2\" for \"%3\", which the project file holds.")
            .arg(database(path), saved, description);
    if (saved.isEmpty())
        return QStringLiteral("%1 now gives \"%2\" for \"%3\", which the project file does not hold.")
            .arg(database(path), now, description);
    return QStringLiteral("%1 now gives \"%2\" for \"%3\", where the project file holds \"%4\".")
        .arg(database(path), now, description, saved);
}
