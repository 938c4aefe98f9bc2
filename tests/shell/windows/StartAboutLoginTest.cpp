#include "TestForm.h"
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

using StartDialog = WindowsFixture;
using AboutBox = WindowsFixture;
using Login = WindowsFixture;
using CurveNotice = WindowsFixture;

TEST_F(StartDialog, OpensWithTheFirstKindChosenAtItsPlace)
{
    showMain();
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
    showMain();
    auto* selection = Forms::find<frmSelection>(QStringLiteral("frmSelection"));
    selection->Selection(2)->choose();
    selection->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
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
    showMain();
    Forms::find(QStringLiteral("frmSelection"))->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
    EXPECT_TRUE(shown("frmController_Setup"));
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(Globals::System_Type, 1);
    EXPECT_EQ(buttonStates(), "011111");
}

TEST_F(StartDialog, AKindThatIsNotAvailableKeepsTheDialogOpen)
{
    if (Forms::isRegistered(QStringLiteral("frmDriveController_Setup")))
        GTEST_SKIP() << "the drive/controller setup form exists";
    showMain();
    auto* selection = Forms::find<frmSelection>(QStringLiteral("frmSelection"));
    selection->Selection(1)->choose();
    selection->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
    EXPECT_EQ(msg->prompts(), QStringList({"Standalone Drive/Controller and Motor Setup is not yet available."}));
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(buttonStates(), "110000");
    EXPECT_EQ(Globals::System_Type, 0);
}

TEST_F(AboutBox, ShowsTitleMakerAndVersionAtTheTopLeft)
{
    showMain();
    main->mnuAbout()->trigger();
    Form* about = Forms::find(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Caption(), "About Brevan Quenro ");
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Brevan Quenro");
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label2"))->text(), "Brevan Dravenor Corporation");
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Version 1.0.0");
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("Label1"))->font().family(), "Arial");
    EXPECT_EQ(about->frameWidget()->size(), Twips::size(5895, 2600));
    EXPECT_EQ(about->frameWidget()->pos(), QPoint(0, 0));
    EXPECT_FALSE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmAbout");
}

TEST_F(AboutBox, ClosingFromTheStartScreenBringsBackTheStartDialog)
{
    showMain();
    main->mnuAbout()->trigger();
    Forms::find(QStringLiteral("frmAbout"))->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmAbout"));
    EXPECT_TRUE(shown("frmSelection"));
    EXPECT_EQ(Globals::Current_Form, "frmSelection");
}

TEST_F(AboutBox, ClosingOverAVisibleSetupFormReturnsToIt)
{
    showMain();
    main->mnuDrive()->trigger();
    main->mnuAbout()->trigger();
    Forms::find(QStringLiteral("frmAbout"))->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    processEvents();
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
    showMain();
    main->mnuLogin()->trigger();
    Form* login = Forms::find(QStringLiteral("frmLogin"));
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->Caption(), "Login");
    EXPECT_EQ(login->findChild<QLabel*>(QStringLiteral("lblLabels(0)"))->text(), "&User Name:");
    EXPECT_EQ(login->findChild<QLabel*>(QStringLiteral("lblLabels(1)"))->text(), "&Password:");
    auto* password = login->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);

    password->setText(QStringLiteral("torvo5183"));
    login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt, "Invalid Password, try again!");
    EXPECT_EQ(msg->messages()[0].title, "Login");
    EXPECT_EQ(msg->messages()[0].buttons, MsgBox::OKOnly);
    EXPECT_EQ(password->selectedText(), "torvo5183");
    EXPECT_TRUE(login->Visible());
    EXPECT_FALSE(main->Toolbar_Button(8)->isVisible());
}

TEST_F(Login, RightPasswordRevealsTheRequestButtonAndCancelDisablesIt)
{
    showMain();
    main->mnuLogin()->trigger();
    Form* login = Forms::find(QStringLiteral("frmLogin"));
    login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("Torvo5183"));
    login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_TRUE(main->Toolbar_Button(8)->isVisible());
    EXPECT_TRUE(main->Toolbar_Button(8)->isEnabled());
    EXPECT_FALSE(login->Visible());

    main->mnuLogin()->trigger();
    EXPECT_EQ(Forms::find(QStringLiteral("frmLogin")), login);
    EXPECT_EQ(login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->text(), "Torvo5183");
    login->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_TRUE(main->Toolbar_Button(8)->isVisible());
    EXPECT_FALSE(main->Toolbar_Button(8)->isEnabled());
    EXPECT_FALSE(login->Visible());

    main->mnuLogin()->trigger();
    login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    EXPECT_TRUE(main->Toolbar_Button(8)->isEnabled());
}

TEST_F(CurveNotice, OkHidesTheNotice)
{
    showMain();
    Form* notice = Forms::get(QStringLiteral("frmCurveInfo"));
    notice->Show();
    EXPECT_EQ(notice->Caption(), "Getting Speed/Torque Curves");
    EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              "Brevan's Quintaro can be used to generate speed/torque curves including curves when different power "
              "levels of the same drive are used.");
    EXPECT_TRUE(notice->findChild<QLabel*>(QStringLiteral("Label2"))->text().contains(
        "motors.  The parameters are a load and motion profile.  You may"));
    notice->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_FALSE(notice->Visible());
    EXPECT_TRUE(Forms::isLoaded("frmCurveInfo"));
}
