#include "setup/drive/AccessoryDisplay.h"

#include "setup/drive/TextBox.h"

void AccessoryDisplay::show(TextBox* box, QWidget* label, const std::array<QString, 21>& entries)
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
    box->show();
    label->show();
}
