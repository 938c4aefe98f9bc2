#include "shell/mdiMain.h"

#include <QMdiArea>

mdiMain::mdiMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QStringLiteral("Brevan Quenro"));
    m_area = new QMdiArea(this);
    setCentralWidget(m_area);
    resize(1024, 768);
}
