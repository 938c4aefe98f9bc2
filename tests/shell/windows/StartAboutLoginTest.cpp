#include "WindowsFixture.h"

#include "platform/OptionButton.h"
#include "platform/Twips.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The main window on screen with its start dialog.
class ShownMainWindow : public WindowsFixture {
protected:
    void SetUp() override
    {
        WindowsFixture::SetUp();
        showMain();
    }

    static QString labelText(const Form* form, const char* name)
    {
        const auto* label = form->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    }
    static QLineEdit* password()
    {
        return Forms::find(QStringLiteral("frmLogin"))->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    }
};

using StartDialog = ShownMainWindow;
using AboutBox = ShownMainWindow;
using Login = ShownMainWindow;
using CurveNotice = ShownMainWindow;

} // namespace

TEST_F(StartDialog, OpensWithTheFirstKindChosenAtItsPlace)
{
    auto* selection = Forms::find<frmSelection>(QStringLiteral("frmSelection"));
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->Caption(), "Selection");
    EXPECT_EQ(selection->frameWidget()->size(), Twips::size(4485, 3375));
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const int left = (Twips::fromPixels(screen.width()) - 4485) / 2;
    const int top = Twips::fromPixels(screen.height()) / 2 - 3375;
    EXPECT_EQ(selection->frameWidget()->pos(), Twips::point(left, top));

    QStringList captions;
    for (int i = 0; i < 3; ++i)
        captions << selection->findChild<OptionButton*>(QStringLiteral("Selection(%1)").arg(i))->text();
    EXPECT_EQ(captions, QStringList({"Separate Controller, Drive and Motor Setup",
                                     "Standalone Drive/Controller and Motor Setup", "Drive and Motor Setup"}));
    EXPECT_TRUE(selection->Selection(0)->value());
    EXPECT_EQ(selection->findChild<QPushButton*>(QStringLiteral("cmdDone"))->text(), "Start");
}

TEST_F(StartDialog, StartOpensTheChosenKindAndHidesTheDialog)
{
    start(2);
    EXPECT_EQ(Forms::loadedCount(), 2);
    EXPECT_TRUE(shown("frmDrive_Setup"));
    EXPECT_FALSE(shown("frmSelection"));
    EXPECT_EQ(Globals::System_Type, 4);
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_FALSE(main->mnuNew()->isEnabled());
    EXPECT_EQ(buttonStates(), "011101");
}

TEST_F(StartDialog, StartWithTheFirstOptionOpensTheControllerSetup)
{
    // Nothing chosen by the user: the option chosen when the dialog opened counts.
    click(QStringLiteral("frmSelection"), "cmdDone");
    EXPECT_TRUE(shown("frmController_Setup"));
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(Globals::System_Type, 1);
    EXPECT_EQ(buttonStates(), "011111");
}

TEST_F(AboutBox, ShowsTitleMakerAndVersionAtTheTopLeft)
{
    main->mnuAbout()->trigger();
    Form* about = Forms::find(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Caption(), "About Brevan Quenro ");
    EXPECT_EQ(labelText(about, "Label1"), "Brevan Quenro");
    EXPECT_EQ(labelText(about, "Label2"), "Brevan Dravenor Corporation");
    EXPECT_EQ(labelText(about, "lblVersion"), "Version 1.0.0");
    for (const char* name : {"Label1", "Label2", "lblVersion"})
        EXPECT_EQ(about->findChild<QLabel*>(QString::fromLatin1(name))->font().family(), "Arial") << name;
    EXPECT_EQ(about->frameWidget()->size(), Twips::size(5895, 2600));
    EXPECT_EQ(about->frameWidget()->pos(), QPoint(0, 0));
    EXPECT_FALSE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmAbout");
}

TEST_F(AboutBox, ClosingFromTheStartScreenBringsBackTheStartDialog)
{
    main->mnuAbout()->trigger();
    click(QStringLiteral("frmAbout"), "cmdOK");
    EXPECT_FALSE(Forms::isLoaded("frmAbout"));
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
}

TEST_F(AboutBox, ClosingOverAVisibleSetupFormReturnsToIt)
{
    main->mnuDrive()->trigger();
    main->mnuAbout()->trigger();
    click(QStringLiteral("frmAbout"), "cmdOK");
    EXPECT_FALSE(Forms::isLoaded("frmAbout"));
    EXPECT_FALSE(shown("frmSelection"));
    EXPECT_TRUE(shown("frmDrive_Setup"));
    EXPECT_EQ(Globals::Current_Form, "frmAbout");

    // A hidden setup form does not count: the start dialog comes back.
    main->mnuAbout()->trigger();
    Forms::find(QStringLiteral("frmDrive_Setup"))->Hide();
    Forms::unload(QStringLiteral("frmAbout"));
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
}

TEST_F(Login, WrongPasswordTellsAndSelectsItForRetyping)
{
    main->mnuLogin()->trigger();
    Form* login = Forms::find(QStringLiteral("frmLogin"));
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->Caption(), "Login");
    EXPECT_EQ(labelText(login, "lblLabels(0)"), "&User Name:");
    EXPECT_EQ(labelText(login, "lblLabels(1)"), "&Password:");
    EXPECT_EQ(password()->echoMode(), QLineEdit::Password);

    password()->setText(QStringLiteral("torvo5183"));
    click(QStringLiteral("frmLogin"), "cmdOK");
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt, "Invalid Password, try again!");
    EXPECT_EQ(msg->messages()[0].title, "Login");
    EXPECT_EQ(msg->messages()[0].buttons, MsgBox::OKOnly);
    EXPECT_EQ(password()->selectedText(), "torvo5183");
    EXPECT_TRUE(login->Visible());
    EXPECT_FALSE(main->Toolbar_Button(8)->isVisible());
}

TEST_F(Login, RightPasswordRevealsTheRequestButtonAndCancelDisablesIt)
{
    main->mnuLogin()->trigger();
    Form* login = Forms::find(QStringLiteral("frmLogin"));
    password()->setText(QStringLiteral("Torvo5183"));
    click(QStringLiteral("frmLogin"), "cmdOK");
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_TRUE(main->Toolbar_Button(8)->isVisible());
    EXPECT_TRUE(main->Toolbar_Button(8)->isEnabled());
    EXPECT_FALSE(login->Visible());

    main->mnuLogin()->trigger();
    EXPECT_EQ(Forms::find(QStringLiteral("frmLogin")), login);
    EXPECT_EQ(password()->text(), "Torvo5183");
    click(QStringLiteral("frmLogin"), "cmdCancel");
    EXPECT_TRUE(main->Toolbar_Button(8)->isVisible());
    EXPECT_FALSE(main->Toolbar_Button(8)->isEnabled());
    EXPECT_FALSE(login->Visible());

    main->mnuLogin()->trigger();
    click(QStringLiteral("frmLogin"), "cmdOK");
    EXPECT_TRUE(main->Toolbar_Button(8)->isEnabled());
}

TEST_F(CurveNotice, OkHidesTheNotice)
{
    Form* notice = Forms::get(QStringLiteral("frmCurveInfo"));
    notice->Show();
    EXPECT_EQ(notice->Caption(), "Getting Speed/Torque Curves");
    EXPECT_EQ(labelText(notice, "Label1"),
              "Brevan's Quintaro can be used to generate speed/torque curves including curves when different power "
              "levels of the same drive are used.");
    EXPECT_EQ(labelText(notice, "Label2"),
              "To use Quintaro to generate the curve that you want you must put in a few parameters in order for "
              "Quintaro to select motors.  The parameters are a load and motion profile.  You may put in just basic "
              "parameters to get a result.  You may also use the Filter in the Motor Selection to select the drive "
              "and motor series that you want to generate curves for.");
    const QString download = labelText(notice, "Label3");
    EXPECT_TRUE(download.startsWith("Quintaro can be downloaded from ") && download.endsWith('.'))
        << download.toStdString();
    click(QStringLiteral("frmCurveInfo"), "OKButton");
    EXPECT_FALSE(notice->Visible());
    EXPECT_TRUE(Forms::isLoaded("frmCurveInfo"));
}
