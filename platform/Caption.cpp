#include "platform/Caption.h"

#include <algorithm>

namespace {

// The smallest text a caption shrinks to.
constexpr qreal kSmallestPoints = 6.0;
// Rows that share no more than this (a caption resting on the list below it) do not meet.
constexpr int kTouchingPixels = 2;

// The widget whose controls share the caption's coordinates: its parent, or
// the form under a transparent layer that covers the form whole (a layer's
// controls have the form's coordinates).
QWidget* formOf(QWidget* parent)
{
    QWidget* form = parent;
    while (QWidget* up = form->parentWidget()) {
        if (form->isWindow() || form->geometry() != up->rect())
            break;
        form = up;
    }
    return form;
}

// Where the text may end: the left edge of the first control to its right
// on its row, else the form's right edge. The form's controls are its
// children and those of its layers, all in the form's coordinates.
int roomEnd(const QLabel* label, QWidget* form, const QRect& row)
{
    int end = form->width();
    QList<QWidget*> layers {form};
    for (qsizetype i = 0; i < layers.size(); ++i) {
        for (QWidget* w : layers.at(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect r = w->geometry();
            if (w == label || w->isWindow()) {
                continue;
            } else if (r == form->rect()) {
                layers << w;
            } else if (std::min(r.bottom(), row.bottom()) - std::max(r.top(), row.top()) + 1 > kTouchingPixels &&
                       r.left() > row.left()) {
                end = std::min(end, r.left());
            }
        }
    }
    return end;
}

} // namespace

Caption::Caption(QWidget* parent)
    : QLabel(parent)
{
}

void Caption::fitText()
{
    QSize need = sizeHint();
    if (text().isEmpty() || wordWrap() || (need.width() <= width() && need.height() <= height()))
        return;
    QWidget* form = parentWidget() ? formOf(parentWidget()) : nullptr;
    const int room = form ? roomEnd(this, form, QRect(pos(), QSize(need.width(), height()))) - x() : need.width();
    if (need.width() > room) {
        // Measured before it is set: a font change costs a polish of the widget.
        const int margins = need.width() - fontMetrics().horizontalAdvance(text());
        QFont smaller = font();
        while (QFontMetrics(smaller).horizontalAdvance(text()) + margins > room &&
               smaller.pointSizeF() - 0.5 >= kSmallestPoints)
            smaller.setPointSizeF(smaller.pointSizeF() - 0.5);
        setFont(smaller);
        need = sizeHint();
    }
    resize(std::max(width(), std::min(need.width(), room)), std::max(height(), need.height()));
}

void Caption::showEvent(QShowEvent* event)
{
    fitText();
    QLabel::showEvent(event);
}
