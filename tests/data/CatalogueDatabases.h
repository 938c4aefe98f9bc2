#pragma once

#include "platform/Database.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The four catalogue databases as the build left them beside the test binary,
// with the few query shortcuts the catalogue checks share.
class CatalogueDatabases {
public:
    static QString folder();
    static const Database& product();
    static const Database& servo();
    static const Database& directDrive();
    static const Database& stepper();

    // The first column of every row, as text (Null reads as empty text).
    static QStringList column(const Database& db, const QString& sql, const QVariantList& params = {});
    // The first column of the first row as a whole number.
    static int number(const Database& db, const QString& sql, const QVariantList& params = {});

    // Curve keys that data/README.md lists as deliberately missing.
    static QSet<QString> curveGaps();
};
