#include "setup/FormCatalog.h"
#include "shell/mdiMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenro"));
    FormCatalog::registerAll();
    mdiMain window;
    window.show();
    return app.exec();
}
