#pragma once

#include <QPoint>
#include <QWidget>

// A line drawn on a form from one point to another (in twips, as the form
// was drawn), in any direction: the arrows between the pictures and the
// connection texts.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2);

    // The two ends in the form's pixels.
    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_start;
    QPoint m_end;
};
