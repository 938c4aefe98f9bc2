#include "LargeCatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <stdexcept>

namespace LargeCatalogue {

namespace {

// Each multiplied table with the column whose copies get the "~k" mark. A form
// that reads another table adds a line here.
const struct {
    const char* table;
    const char* key;
} kTables[] = {
    {"Drives", "Drive Name"},
    {"DriveControllers", "DriveController Name"},
    {"Controllers", "Controller Name"},
    {"Motors", "Motor Name"},
    {"Drive to Motor", "Drive Name"},
    {"Shaft Options", "Motor Name"},
    {"Options", "Motor Name"},
    {"Gearhead", "Motor Name"},
    {"Cables", "Cable"},
    {"Drive Cross Ref", "Drive Part Number"},
    {"Drive Construction", "Drive Name"},
    {"DriveController Construction", "DriveController Name"},
    {"Drive Only Accessories", "Drive Name"},
    {"Drive Accessories", "Drive Name"},
    {"DriveController Accessories", "DriveController Name"},
    {"DriveController Option Names", "DriveController Name"},
    {"All DriveControllers", "DriveController Name"},
    {"Controller Option Names", "Controller Name"},
    {"Controller Accessories", "Controller Name"},
    {"All Controllers", "Controller Name"},
    {"Controller to Drive", "Controller Name"},
    {"ExpIO", "Expansion IO Type"},
};

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

void build(const QString& folder, int copies)
{
    // The curve databases come along unchanged.
    for (const char* file : {"System Databases97.mdb", "BrevanServos_USA97.mDB", "BrevanDirectDrive97.mDB",
                             "BrevanSteppers97.mDB"}) {
        const QString name = QLatin1Char('/') + QLatin1String(file);
        QFile::remove(folder + name);
        if (!QFile::copy(QCoreApplication::applicationDirPath() + name, folder + name))
            throw std::runtime_error(std::string("cannot copy ") + file);
    }
    const QString target = folder + QStringLiteral("/System Databases97.mdb");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    const QString connection = QStringLiteral("large-catalogue");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(target);
        if (!db.open())
            throw std::runtime_error("cannot open the large catalogue");
        QSqlQuery q(db);
        const auto run = [&q](const QString& sql) {
            if (!q.exec(sql))
                throw std::runtime_error((q.lastError().text() + QStringLiteral(": ") + sql).toStdString());
        };
        run(QStringLiteral("BEGIN"));
        run(QStringLiteral("CREATE TEMP TABLE copy_numbers (k INTEGER)"));
        run(QStringLiteral("WITH RECURSIVE n(k) AS (SELECT 2 UNION ALL SELECT k + 1 FROM n WHERE k < %1) "
                           "INSERT INTO copy_numbers SELECT k FROM n")
                .arg(copies));
        for (const auto& [table, key] : kTables) {
            run(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(QLatin1String(table))));
            QStringList columns;
            while (q.next()) {
                const QString column = q.value(1).toString();
                columns << (column == QLatin1String(key)
                                ? QStringLiteral("%1 || '~' || k").arg(quoted(column))
                                : quoted(column));
            }
            if (columns.isEmpty())
                throw std::runtime_error(std::string("no table ") + table);
            // Copies in copy order, each copy in the sample's row order.
            run(QStringLiteral("INSERT INTO %1 SELECT %2 FROM copy_numbers, %1 ORDER BY k, %1.rowid")
                    .arg(quoted(QLatin1String(table)), columns.join(QStringLiteral(", "))));
        }
        run(QStringLiteral("COMMIT"));
        run(QStringLiteral("ANALYZE"));
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace LargeCatalogue
