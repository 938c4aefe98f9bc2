#include "setup/common/AccessoryList.h"

#include "platform/MultiList.h"
#include "setup/common/ResultArea.h"
#include "setup/common/TextBox.h"
#include "shell/Globals.h"

QStringList AccessoryList::offered(const QString& sql, const QVariantList& params, const QString& column)
{
    constexpr auto limit = static_cast<qsizetype>(std::tuple_size_v<List21>);
    QStringList accessories;
    Recordset& rs = Globals::Run_Query(sql, params);
    // A row the catalogue holds twice is offered once. An empty accessory is
    // no choice: it would take the place of every empty stored entry.
    for (; !rs.eof() && accessories.size() < limit; rs.moveNext())
        if (const QString accessory = rs.text(column); !accessory.isEmpty() && !accessories.contains(accessory))
            accessories << accessory;
    return accessories;
}

void AccessoryList::offer(MultiList* list, const QString& sql, const QVariantList& params, const QString& column,
                          List21& listIndex, List21& listItem, const List21& entries)
{
    list->clear();
    const QStringList accessories = offered(sql, params, column);
    for (int i = 0; i < accessories.size(); ++i) {
        list->addItem(accessories.at(i));
        listIndex[i] = QString::number(i);
        listItem[i] = accessories.at(i);
    }
    for (int p = 0; p < list->listCount(); ++p)
        for (const QString& entry : entries)
            if (entry.compare(listItem[p], Qt::CaseInsensitive) == 0) {
                list->setSelected(p, true);
                break;
            }
}

void AccessoryList::show(TextBox* box, QWidget* label, const List21& entries, ResultArea* area)
{
    box->setText(QString());
    if (entries[0].isEmpty()) {
        box->hide();
        label->hide();
        return;
    }
    QString text;
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            text += entry + QStringLiteral("\r\n");
    box->setText(text);
    ResultArea::reveal(area, box);
    ResultArea::reveal(area, label);
}
