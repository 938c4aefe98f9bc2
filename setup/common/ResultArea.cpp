#include "setup/common/ResultArea.h"

#include <QApplication>

ResultArea::ResultArea(QWidget* form)
    : QWidget(form)
{
    setObjectName(QStringLiteral("ResultArea"));
    setGeometry(0, 0, form->width(), form->height());
    lower();
}

void ResultArea::reveal(ResultArea* area, QWidget* widget)
{
    if (area && area->m_depth > 0 && widget->isHidden())
        area->hold();
    widget->show();
}

void ResultArea::hold()
{
    if (m_held || isHidden())
        return;
    // Hidden until the batch ends: what the user had in focus there gets it back then.
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus))
        m_focus = focus;
    m_held = true;
    hide();
}

ResultArea::Batch::Batch(ResultArea* area, Start start)
    : m_area(area)
{
    if (!m_area)
        return;
    ++m_area->m_depth;
    if (start == AtOnce)
        m_area->hold();
}

ResultArea::Batch::~Batch()
{
    if (!m_area || --m_area->m_depth > 0 || !m_area->m_held)
        return;
    m_area->m_held = false;
    m_area->show();
    if (m_area->m_focus)
        m_area->m_focus->setFocus(Qt::OtherFocusReason);
    m_area->m_focus = nullptr;
}
