#include "shell/DialogSupport.h"

#include "platform/Twips.h"
#include "shell/mdiMain.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

void DialogSupport::setToolbarEnabled(bool on)
{
    if (mdiMain* main = mdiMain::instance())
        main->Toolbar1()->setEnabled(on);
}

int DialogSupport::screenWidthTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? Twips::fromPixels(screen->geometry().width()) : 0;
}

int DialogSupport::screenHeightTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? Twips::fromPixels(screen->geometry().height()) : 0;
}
