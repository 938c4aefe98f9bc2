#include "DialogFixture.h"

#include "platform/Twips.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

#include <QApplication>
#include <QWindow>

#include <tuple>

namespace {

using DialogWindowTest = DialogFixture;

// The dialogs a setup form opens must stay above the main window when the user
// clicks the form behind them, and keep the place their Load gave them.
TEST_F(DialogWindowTest, DialogsAreModelessWindowsOwnedByTheMainWindow)
{
    struct Case {
        const char* name;
        int topTwips;
    };
    const Case cases[] = {
        {"frmGear", Twips::screenHeight() / 2 - 2595},
        {"frmAccessories", 0},
    };
    Globals::System_Type = 4;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto main = std::make_unique<mdiMain>();
        main->show();
        processEvents();
        Form* dialog = Forms::get(QString::fromLatin1(c.name));
        ASSERT_NE(dialog, nullptr);
        dialog->Show();
        processEvents();

        EXPECT_EQ(dialog->parentWidget(), main.get());
        EXPECT_TRUE(dialog->isWindow());
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
        ASSERT_NE(dialog->windowHandle(), nullptr);
        EXPECT_EQ(dialog->windowHandle()->transientParent(), main->windowHandle());
        EXPECT_EQ(dialog->subWindow(), nullptr);
        EXPECT_EQ(dialog->topTwips(), c.topTwips);

        QApplication::setActiveWindow(main.get());
        processEvents();
        EXPECT_TRUE(dialog->isVisible());

        // Tested on its own, without a main window, the dialog is a window of its own.
        main.reset();
        processEvents();
        Form* alone = Forms::get(QString::fromLatin1(c.name));
        ASSERT_NE(alone, nullptr);
        EXPECT_EQ(alone->parentWidget(), nullptr);
        EXPECT_TRUE(alone->isWindow());
        Forms::unloadAll();
        processEvents();
    }
}

} // namespace

// The start and gearhead dialogs sit with their lower edge on the screen's
// middle, but never with their title bar above the screen (1024x768 at a scale
// factor of 2 is 7680x5760 twips).
TEST(DialogPlacement, AboveTheMiddleWithinTheScreen)
{
    const std::tuple<QSize, QSize, QPoint> cases[] = {
        {{15360, 11520}, {4485, 3375}, {5437, 2385}},
        {{7680, 5760}, {4485, 3375}, {1597, 0}},
        {{4000, 3000}, {5520, 2595}, {0, 0}},
    };
    for (const auto& [screen, form, at] : cases)
        EXPECT_EQ(Form::aboveScreenMiddle(screen, form), at) << screen.width() << "x" << screen.height();
}
