#include "setup/drive/FormControls.h"

#include <QFrame>
#include <QLabel>

QLabel* FormControls::label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                            int width)
{
    QLabel* l = make<QLabel>(parent, name, left, top, width, 240);
    l->setText(caption);
    return l;
}

QFrame* FormControls::line(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    QFrame* f = make<QFrame>(parent, name, left, top, width, height);
    f->setFrameShape(width >= height ? QFrame::HLine : QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}
