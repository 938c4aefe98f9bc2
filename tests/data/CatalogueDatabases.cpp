#include "CatalogueDatabases.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

Database openBesideBinary(const QString& fileName)
{
    return Database::open(CatalogueDatabases::folder() + fileName);
}

}

QString CatalogueDatabases::folder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

const Database& CatalogueDatabases::product()
{
    static const Database db = openBesideBinary(QStringLiteral("System Databases97.mdb"));
    return db;
}

const Database& CatalogueDatabases::servo()
{
    static const Database db = openBesideBinary(QStringLiteral("BrevanServos_USA97.mDB"));
    return db;
}

const Database& CatalogueDatabases::directDrive()
{
    static const Database db = openBesideBinary(QStringLiteral("BrevanDirectDrive97.mDB"));
    return db;
}

const Database& CatalogueDatabases::stepper()
{
    static const Database db = openBesideBinary(QStringLiteral("BrevanSteppers97.mDB"));
    return db;
}

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

int CatalogueDatabases::number(const Database& db, const QString& sql, const QVariantList& params)
{
    Recordset rs = db.OpenRecordset(sql, params);
    return rs.eof() ? 0 : rs.integer(rs.fieldNames().first());
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
