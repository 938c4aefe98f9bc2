#include "setup/common/AxisSnapshot.h"

#include "platform/ListControl.h"
#include "setup/common/ResultArea.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Globals.h"

#include <QLabel>

#include <stdexcept>

using namespace Globals;

namespace {

// The choices the cascade compares a new one with.
QString* const kLastChoices[] = {&Last_Controller, &Last_Drive, &Last_Motor_Series};

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
    : m_record(Current_Record()), m_controller(sharedState.controller), m_driveController(sharedState.driveController)
{
    take(formOf(chosen), chosen);
    for (const QString* text : kLastChoices)
        m_lastChoices << *text;
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

bool AxisSnapshot::refuse(const QString& kind, bool resetCurrentAxis) const
{
    // A replay asks nothing: what it cannot take back is not offered any more.
    if (Loading_Project) {
        restore();
        throw std::runtime_error(QStringLiteral("%1 and Drive Incompatibility while the record is replayed.")
                                     .arg(kind)
                                     .toStdString());
    }
    if (Ask_Reset_Axis(kind, resetCurrentAxis))
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
    for (qsizetype i = 0; i < m_lastChoices.size(); ++i)
        *kLastChoices[i] = m_lastChoices.at(i);
    sharedState.controller = m_controller;
    sharedState.driveController = m_driveController;
}
