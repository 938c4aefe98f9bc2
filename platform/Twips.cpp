#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

int Twips::screenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? fromPixels(screen->geometry().width()) : 0;
}

int Twips::screenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? fromPixels(screen->geometry().height()) : 0;
}
