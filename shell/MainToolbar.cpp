#include "shell/MainToolbar.h"

#include <QAccessible>
#include <QEvent>

MainToolbar::MainToolbar(const QString& title, QWidget* parent)
    : QToolBar(title, parent)
{
}

void MainToolbar::changeEvent(QEvent* event)
{
    if (event->type() != QEvent::EnabledChange) {
        QToolBar::changeEvent(event);
        return;
    }
    // The buttons get their own EnabledChange and repaint themselves; the bar
    // only tells assistive tools.
    QAccessible::State state;
    state.disabled = true;
    QAccessibleStateChangeEvent changed(this, state);
    QAccessible::updateAccessibility(&changed);
}
