#include "CatalogueDatabases.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <map>

namespace {

// Each file is opened once and kept for the whole run (map nodes keep their place).
const Database& besideBinary(const char* fileName)
{
    static std::map<std::string, Database> open;
    auto it = open.find(fileName);
    if (it == open.end())
        it = open.emplace(fileName, Database::open(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                                   + QLatin1String(fileName))).first;
    return it->second;
}

}

const Database& CatalogueDatabases::product() { return besideBinary("System Databases97.mdb"); }
const Database& CatalogueDatabases::servo() { return besideBinary("BrevanServos_USA97.mDB"); }
const Database& CatalogueDatabases::directDrive() { return besideBinary("BrevanDirectDrive97.mDB"); }
const Database& CatalogueDatabases::stepper() { return besideBinary("BrevanSteppers97.mDB"); }

QStringList CatalogueDatabases::column(const Database& db, const QString& sql, const QVariantList& params)
{
    Recordset rs = db.OpenRecordset(sql, params);
    QStringList values;
    if (rs.fieldNames().isEmpty())
        return values;
    const QString field = rs.fieldNames().first();
    for (; !rs.eof(); rs.moveNext())
        values << rs.text(field);
    return values;
}

QStringList CatalogueDatabases::column(const QString& sql, const QVariantList& params)
{
    return column(product(), sql, params);
}

int CatalogueDatabases::number(const Database& db, const QString& sql, const QVariantList& params)
{
    Recordset rs = db.OpenRecordset(sql, params);
    return rs.eof() ? 0 : rs.integer(rs.fieldNames().first());
}

int CatalogueDatabases::number(const QString& sql, const QVariantList& params)
{
    return number(product(), sql, params);
}

std::string CatalogueDatabases::joined(const QString& sql, const QVariantList& params)
{
    return join(column(sql, params));
}

std::string CatalogueDatabases::join(const QStringList& values)
{
    return values.join(u'|').toStdString();
}

std::string CatalogueDatabases::sortedJoin(QStringList values)
{
    values.sort();
    return join(values);
}

QSet<QString> CatalogueDatabases::curveGaps()
{
    QFile readme(QStringLiteral(QUENRO_SOURCE_DIR "/data/README.md"));
    QSet<QString> gaps;
    if (!readme.open(QIODevice::ReadOnly | QIODevice::Text))
        return gaps;
    bool inSection = false;
    static const QRegularExpression item(QStringLiteral("^- `([^`]+)`"));
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("## ")))
            inSection = line == QLatin1String("## Deliberate curve gaps");
        else if (inSection) {
            const QRegularExpressionMatch m = item.match(line);
            if (m.hasMatch())
                gaps.insert(m.captured(1));
        }
    }
    return gaps;
}
