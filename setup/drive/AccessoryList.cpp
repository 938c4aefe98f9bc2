#include "setup/drive/AccessoryList.h"

#include "platform/MultiList.h"
#include "setup/drive/ResultArea.h"
#include "setup/drive/TextBox.h"
#include "shell/Globals.h"

void AccessoryList::offer(MultiList* list, const QString& sql, const QVariantList& params, const QString& column,
                          List21& listIndex, List21& listItem, const List21& entries)
{
    list->clear();
    Recordset& rs = Globals::Run_Query(sql, params);
    const int limit = static_cast<int>(listItem.size());
    for (int i = 0; !rs.eof() && i < limit; rs.moveNext(), ++i) {
        const QString accessory = rs.text(column);
        list->addItem(accessory);
        listIndex[i] = QString::number(i);
        listItem[i] = accessory;
    }
    for (int p = 0; p < list->listCount(); ++p)
        for (const QString& entry : entries)
            if (entry == listItem[p]) {
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
