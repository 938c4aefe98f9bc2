#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <array>

class MultiList;
class QWidget;
class ResultArea;
class TextBox;

// The accessory lists of a drive or drive/controller as the setup forms and
// options dialogs offer and show them.
class AccessoryList {
public:
    using List21 = std::array<QString, 21>;

    // The column of the statement's rows as the accessory dialog offers them:
    // each value once, the first 21, as the offered lists hold no more.
    static QStringList offered(const QString& sql, const QVariantList& params, const QString& column);

    // Fills the accessory dialog's list with what `offered` gives, records
    // each offered text and its position, and selects again what `entries` holds.
    static void offer(MultiList* list, const QString& sql, const QVariantList& params, const QString& column,
                      List21& listIndex, List21& listItem, const List21& entries);

    // One non-empty entry per line, each ended by CR LF, with box and label
    // shown; an empty first entry means none (later entries are then not
    // listed) and hides both. Box and label live in the area when there is one.
    static void show(TextBox* box, QWidget* label, const List21& entries, ResultArea* area = nullptr);
};
