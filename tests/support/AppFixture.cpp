#include "support/AppFixture.h"

#include "setup/FormCatalog.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

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

AppFixture::AppFixture() = default;
AppFixture::~AppFixture() = default;

mdiMain& AppFixture::mainWindow()
{
    if (!m_main) {
        m_main = std::make_unique<mdiMain>();
        m_main->show();
        processEvents();
    }
    return *m_main;
}

void AppFixture::TearDown()
{
    Forms::unloadAll();
    m_main.reset();
    processEvents();
    Globals::Reset_All_State();
    shell.reset();
    files.reset();
    msg.reset();
}

void AppFixture::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
