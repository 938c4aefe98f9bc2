#pragma once

#include <QList>
#include <QStringList>

#include <random>

// A catalogue a maker may ship next: statements that change a copy of a base
// catalogue, with what they touched, so that a check can tell a fault the
// change explains from one it does not. The changes come from the program's
// list of the columns it reads (Globals::Catalogue_Columns) and the base's
// own rows, so that a new table, column, option or value is covered as it
// comes.
class CatalogueChange {
public:
    enum Kind {
        Emptied,         // a table without rows
        Null,            // a column Null in every row
        EmptyText,       // a column '' in every row
        Doubled,         // every row of a table twice
        Withdrawn,       // one value of an options level gone with its rows
        ProductRemoved,  // every options row of one product gone
        Renamed,         // a part number, accessory or code changed to another text
        SecondRow,       // a second row for one key, with other values
        OtherCase,       // the names of a table in lower case
        Pair,            // two of the above at once
    };
    static constexpr int Kinds = Pair + 1;
    static QString kindName(Kind kind);

    Kind kind = Emptied;
    QStringList statements;
    // The tables the statements change, and those they take rows from.
    QStringList tables;
    QStringList removedFrom;
    // The columns made Null or empty, as "Table.Column": a step that needs a
    // value there meets the catalogue's damage.
    QStringList damaged;
    // The texts the statements wrote, which a lookup may fail to find.
    QStringList written;

    QString text() const { return statements.join(QLatin1String("; ")); }

    // Every change of the catalogue at `path`. A part number, accessory or
    // code that one of the `held` texts contains (a project's lines, its
    // bill) is changed on its own; the other values of its column are
    // changed together, as they cannot change such a project one by one.
    static QList<CatalogueChange> all(const QString& path, const QStringList& held);
    // One change of all(path, held), drawn.
    static CatalogueChange drawn(const QString& path, const QStringList& held, std::mt19937& rng);
};
