#pragma once

#include "platform/Database.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <string>

// The four catalogue databases as the build left them beside the test binary,
// with the few query shortcuts the catalogue checks share.
class CatalogueDatabases {
public:
    static const Database& product();
    static const Database& servo();
    static const Database& directDrive();
    static const Database& stepper();

    // The first column of every row, as text (Null reads as empty text).
    static QStringList column(const Database& db, const QString& sql, const QVariantList& params = {});
    static QStringList column(const QString& sql, const QVariantList& params = {});   // product database
    // The first column of the first row as a whole number, 0 without a row.
    static int number(const Database& db, const QString& sql, const QVariantList& params = {});
    static int number(const QString& sql, const QVariantList& params = {});           // product database
    // The first column of every row of the product database, joined by "|".
    static std::string joined(const QString& sql, const QVariantList& params = {});

    static std::string join(const QStringList& values);
    static std::string sortedJoin(QStringList values);

    // Curve keys that data/README.md lists as deliberately missing.
    static QSet<QString> curveGaps();
};
