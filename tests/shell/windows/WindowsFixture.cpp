#include "WindowsFixture.h"

#include "TestForm.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/mdiMain.h"

#include <QAction>

void WindowsFixture::SetUp()
{
    AppFixture::SetUp();
    TestForm::log.clear();
    TestForm::config = {};
    TestForm::registerAs(QStringLiteral("frmDrive_Setup"), 4);
    TestForm::registerAs(QStringLiteral("frmController_Setup"), 1);
    for (const char* dialog : {"frmControl", "frmDriveControl", "frmAccessories", "frmGear"})
        TestForm::registerAs(QString::fromLatin1(dialog), 0);
    main = std::make_unique<mdiMain>();
}

void WindowsFixture::TearDown()
{
    main.reset();
    AppFixture::TearDown();
}

void WindowsFixture::showMain()
{
    main->show();
    processEvents();
}

QString WindowsFixture::buttonStates() const
{
    QString states;
    for (int index : {1, 2, 3, 5, 6, 7})
        states += main->Toolbar_Button(index)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

bool WindowsFixture::shown(const QString& formName)
{
    const Form* form = Forms::find(formName);
    return form && form->Visible();
}
