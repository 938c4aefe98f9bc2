#pragma once

#include <QStringList>

// SQLite files that tests build or extend: small fixture databases and
// writable copies of the sample catalogue's.
class SqliteFile {
public:
    // Runs the statements on the file (created when missing) in one
    // transaction; the text of the first failure, or empty.
    static QString run(const QString& path, const QStringList& statements);

    // Copies the sample database of that name from the test binary's folder
    // into the folder as a writable file; false when it cannot.
    static bool copySample(const QString& fileName, const QString& folder);

    // Writes into the folder the maker's catalogue: a copy of the sample
    // catalogue with the rows of tests/fixtures/maker_catalogue.sql
    // added (values a maker's catalogue may hold that the sample lacks, each
    // on a product or series of its own), then the variant's statements. The
    // text of the first failure, or empty.
    static QString writeMakerCatalogue(const QString& folder, const QStringList& variant = {});
};
