#include "WindowsFixture.h"

#include "common/StandInForm.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "platform/OptionButton.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QPushButton>

void WindowsFixture::SetUp()
{
    AppFixture::SetUp();
    StandInForm::reset();
    StandInForm::registerAs(QStringLiteral("frmDrive_Setup"), 4);
    StandInForm::registerAs(QStringLiteral("frmController_Setup"), 1);
    for (const char* dialog : {"frmControl", "frmDriveControl", "frmAccessories", "frmGear"})
        StandInForm::registerAs(QString::fromLatin1(dialog), 0);
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
    const std::pair<QAction*, int> items[] = {
        {main->mnuSave(), 3}, {main->mnuSave_As(), 3}, {main->mnuExport_Data(), 5}, {main->mnuReset_All(), 7}};
    for (const auto& [item, button] : items)
        EXPECT_EQ(item->isEnabled(), main->Toolbar_Button(button)->isEnabled()) << item->objectName().toStdString();
    return states;
}

bool WindowsFixture::shown(const QString& formName)
{
    const Form* form = Forms::find(formName);
    return form && form->Visible();
}

void WindowsFixture::click(const QString& formName, const char* button)
{
    Form* form = Forms::find(formName);
    ASSERT_NE(form, nullptr) << formName.toStdString();
    auto* control = form->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(control, nullptr) << button;
    control->click();
    processEvents();
}

void WindowsFixture::start(int index)
{
    auto* selection = Forms::find<frmSelection>(QStringLiteral("frmSelection"));
    ASSERT_NE(selection, nullptr);
    selection->Selection(index)->choose();
    click(QStringLiteral("frmSelection"), "cmdDone");
}
