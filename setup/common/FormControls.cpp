#include "setup/common/FormControls.h"

#include "platform/Caption.h"

#include <QFrame>

QLabel* FormControls::label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                            int width, int height)
{
    Caption* l = make<Caption>(parent, name, left, top, width, height);
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
