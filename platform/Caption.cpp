#include "platform/Caption.h"

#include <algorithm>

namespace {

// The smallest text a caption shrinks to.
constexpr qreal kSmallestPoints = 6.0;
// Rows that share no more than this (a caption resting on the list below it) do not meet.
constexpr int kTouchingPixels = 2;

// The widget whose controls share the caption's coordinates: its parent, or
// the form under a transparent layer that covers the form whole.
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
// on its row, else the form's right edge (in the form's coordinates).
int roomEnd(const QLabel* label, QWidget* form, const QRect& row)
{
    int end = form->width();
    for (const QWidget* w : form->findChildren<QWidget*>()) {
        if (w == label || w->window() != label->window() || w->isAncestorOf(label))
            continue;
        const QRect r(w->mapTo(form, QPoint(0, 0)), w->size());
        if (r == form->rect())
            continue; // a layer, not a control
        const int shared = std::min(r.bottom(), row.bottom()) - std::max(r.top(), row.top()) + 1;
        if (shared > kTouchingPixels && r.left() > row.left())
            end = std::min(end, r.left());
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
    const QPoint at = form ? mapTo(form, QPoint(0, 0)) : pos();
    const int room = form ? roomEnd(this, form, QRect(at, QSize(need.width(), height()))) - at.x() : need.width();
    QFont smaller = font();
    while (need.width() > room && smaller.pointSizeF() - 0.5 >= kSmallestPoints) {
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
