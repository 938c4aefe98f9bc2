#pragma once

#include "shell/AccessoryStore.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// A catalogue table of product configurations: one row per configuration,
// the product's name in one column and its option levels in Option1,
// Option2, ... Statements bind the product first, then the chosen levels in
// order (`bound`).
class OptionsTable {
public:
    OptionsTable(QString table, QString nameColumn);

    // "[table].[name]".
    QString column(const QString& name) const;
    // The values of a level (from 1) that the levels above it leave.
    QString levelSql(int level) const;
    // The name, the first `levels` levels and `columns` of the rows those levels name.
    QString rowSql(int levels, const QStringList& columns) const;

    static QVariantList bound(const QString& product, const QStringList& chosen);

    // The card rows the accessory dialog offers for the configuration the
    // chosen levels name, by its columns "JTR Ready", "DUW Ready" and, with
    // `lumio`, "LUMIO Ready". Saved levels that name none the catalogue still
    // has (the options dialog tells so and leaves them to the user) offer the
    // cards of every configuration of the product: its cards stay until the
    // user configures it anew.
    QVector<AccessoryStore::CardRow> cards(const QString& product, const QStringList& chosen, bool lumio) const;

private:
    QString option(int level) const;
    // The name, `levels` levels and `columns`, where the name and the first `boundLevels` levels match.
    QString select(int levels, int boundLevels, const QStringList& columns) const;

    QString m_table;
    QString m_nameColumn;
};
