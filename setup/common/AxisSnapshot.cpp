#include "setup/common/AxisSnapshot.h"

#include "platform/ListControl.h"
#include "setup/common/ResultArea.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Globals.h"

#include <QLabel>

using namespace Globals;

namespace {

// The globals that the drive, series and controller choices change before
// they can meet an incompatibility.
QString* const kTexts[] = {&Last_Controller,        &Last_Drive,
                           &Last_Motor_Series,      &Controller_Name,
                           &Controller_Part_Number, &Required_Accessory,
                           &Required_Accessory_Part_Number, &Required_Accessory_Length,
                           &Breakout_Axes,          &Drive_Controller_Part_Number,
                           &Drive_Controller_Notes};
List21* const kLists[] = {&Controller_Options,           &Controller_Accessory_Entry,
                          &Controller_Accessory_Quantity, &Controller_Accessory_Description,
                          &Controller_Accessory_List_Index, &Controller_Accessory_List_Item};

QWidget* formOf(const ListControl* list)
{
    QWidget* w = list->parentWidget();
    while (w && !qobject_cast<Form*>(w))
        w = w->parentWidget();
    return w ? w : list->window();
}

void restoreLabel(QLabel* label, const QString& text, const QPixmap& picture)
{
    const QPixmap shown = label->pixmap();
    if (!picture.isNull()) {
        if (shown.cacheKey() != picture.cacheKey())
            label->setPixmap(picture);
    } else {
        // Setting the same text again would leave a picture shown.
        if (!shown.isNull())
            label->clear();
        if (label->text() != text)
            label->setText(text);
    }
}

} // namespace

AxisSnapshot::AxisSnapshot(const ListControl* chosen)
    : m_record(Current_Record()), m_expansionIO(Controller_Expansion_IO)
{
    take(formOf(chosen), chosen);
    for (const QString* text : kTexts)
        m_texts << *text;
    for (std::size_t i = 0; i < m_lists.size(); ++i)
        m_lists[i] = *kLists[i];
}

void AxisSnapshot::take(QWidget* parent, const ListControl* chosen)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        // The result area's own visibility belongs to the batch that holds it back.
        if (qobject_cast<ResultArea*>(w)) {
            take(w, chosen);
            continue;
        }
        Control c;
        c.widget = w;
        c.hidden = w->isHidden();
        c.enabled = !w->testAttribute(Qt::WA_ForceDisabled);
        if (auto* list = qobject_cast<ListControl*>(w)) {
            c.entries = list->items();
            c.index = list == chosen ? list->formerIndex() : list->listIndex();
        } else if (auto* box = qobject_cast<TextBox*>(w)) {
            c.text = box->text();
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            c.text = label->text();
            c.picture = label->pixmap();
        } else {
            take(w, chosen);
        }
        m_controls << c;
    }
}

bool AxisSnapshot::refuse(const QString& kind) const
{
    if (Ask_Reset_Axis(kind))
        return true;
    restore();
    return false;
}

void AxisSnapshot::restore() const
{
    for (const Control& c : m_controls) {
        QWidget* w = c.widget;
        if (!w)
            continue;
        if (auto* list = qobject_cast<ListControl*>(w)) {
            list->restore(c.entries, c.index);
        } else if (auto* box = qobject_cast<TextBox*>(w)) {
            if (box->text() != c.text)
                box->setText(c.text);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            restoreLabel(label, c.text, c.picture);
        }
        if (w->testAttribute(Qt::WA_ForceDisabled) == c.enabled)
            w->setEnabled(c.enabled);
        if (w->isHidden() != c.hidden)
            w->setHidden(c.hidden);
    }
    Current_Record() = m_record;
    for (qsizetype i = 0; i < m_texts.size(); ++i)
        *kTexts[i] = m_texts.at(i);
    for (std::size_t i = 0; i < m_lists.size(); ++i)
        *kLists[i] = m_lists[i];
    Controller_Expansion_IO = m_expansionIO;
}
