#include "support/AppFixture.h"

#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

#include <QCoreApplication>
#include <QEvent>

void AppFixture::SetUp()
{
    FormCatalog::registerAll();
    Forms::unloadAll();
    processEvents();
    Globals::Reset_All_State();
    msg = std::make_unique<MsgBox::Seam>();
    files = std::make_unique<FileDialog::Seam>();
    shell = std::make_unique<ShellOpen::Seam>();
}

void AppFixture::TearDown()
{
    Forms::unloadAll();
    main.reset();
    processEvents();
    Globals::Reset_All_State();
    shell.reset();
    files.reset();
    msg.reset();
}

void AppFixture::showMainWindow()
{
    main = std::make_unique<mdiMain>();
    main->show();
    processEvents();
}

void AppFixture::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
