#include "setup/drive/ResultArea.h"

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
    if (area && area->m_depth > 0 && !area->m_held && !area->isHidden() && widget->isHidden()) {
        // Hidden until the batch ends: what the user had in focus there gets it back then.
        QWidget* focus = QApplication::focusWidget();
        if (focus && area->isAncestorOf(focus))
            area->m_focus = focus;
        area->m_held = true;
        area->hide();
    }
    widget->show();
}

ResultArea::Batch::Batch(ResultArea* area)
    : m_area(area)
{
    if (m_area)
        ++m_area->m_depth;
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
