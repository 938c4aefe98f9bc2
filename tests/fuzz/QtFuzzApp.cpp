#include "QtFuzzApp.h"

#include <QApplication>
#include <QEvent>
#include <QFile>

void startQtFuzzApp(int* argc, char*** argv)
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps the reference to argc: it must outlive the application.
    static int count = 1;
    static char* args[] = {(*argv)[0], nullptr};
    (void)argc;
    static QApplication* app = new QApplication(count, args);
    (void)app;
}

void settleQtEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
