#include "shell/DialogSupport.h"

#include "shell/mdiMain.h"

#include <QToolBar>

void DialogSupport::setToolbarEnabled(bool on)
{
    if (mdiMain* main = mdiMain::instance())
        main->Toolbar1()->setEnabled(on);
}
