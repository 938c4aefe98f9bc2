#include "support/Wheel.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

void Wheel::turn(QWidget* over, int steps)
{
    const QPointF at = QRectF(over->rect()).center();
    QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, -QWheelEvent::DefaultDeltasPerStep * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    // notify, not sendEvent: only a spontaneous turn is passed to the parents.
    QApplication::instance()->notify(over, &event);
}
