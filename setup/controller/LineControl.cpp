#include "setup/controller/LineControl.h"

#include "platform/Twips.h"

#include <QPainter>

LineControl::LineControl(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2)
    : QWidget(parent), m_start(Twips::point(x1, y1)), m_end(Twips::point(x2, y2))
{
    setObjectName(name);
    // The widget covers the line's bounding box, one pixel wider each way so
    // that an upright or level line has room.
    const QRect box = QRect(m_start, m_end).normalized().adjusted(-1, -1, 1, 1);
    setGeometry(box);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(m_start - pos(), m_end - pos());
}
