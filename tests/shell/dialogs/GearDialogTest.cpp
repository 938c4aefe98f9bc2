#include "DialogFixture.h"

#include "platform/Twips.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmGear.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>

#include <stdexcept>
#include <tuple>

namespace {

class GearDialogTest : public DialogFixture {
protected:
    // The caller's side of opening the dialog: its lists as a setup form holds
    // them, the motor of the current axis, then load, show and name the dialog.
    frmGear* open(int systemType, const QString& series = "KX", const QString& frame = "16",
                  const QString& stack = "2")
    {
        Globals::System_Type = systemType;
        caller = Forms::get<StandInForm>(SetupKinds::formName(systemType));
        if (caller && caller->shaft->listCount() == 0) {
            caller->shaft->addItems({"K", "S = Smooth"});
            caller->options->addItems({"None", "GXX = Gearhead"});
        }
        AxisRecord& r = Globals::Current_Record();
        r.Motor_Series = series;
        r.Frame_Size = frame;
        r.Stack_Length = stack;
        r.Shaft_Option = "S = Smooth";
        auto* gear = Forms::get<frmGear>("frmGear");
        gear->Show();
        Globals::Current_Form = "frmGear";
        StandInForm::log.clear();
        return gear;
    }
    static ListControl* cmbGear(frmGear* f) { return f->findChild<ListControl*>("cmbGear"); }
    static QPlainTextEdit* txtNotes(frmGear* f) { return f->findChild<QPlainTextEdit*>("txtNotes"); }
    static void click(frmGear* f, const char* button)
    {
        f->findChild<QPushButton*>(button)->click();
        processEvents();
    }

    StandInForm* caller = nullptr;
};

TEST_F(GearDialogTest, LoadListsDistinctGearheadsOfTheMotorInCodeOrder)
{
    frmGear* gear = open(4);
    EXPECT_EQ(cmbGear(gear)->items(), QStringList({"GP16-03", "GP16-05", "GP16-10"}));
    EXPECT_EQ(cmbGear(gear)->listIndex(), -1);
    EXPECT_TRUE(txtNotes(gear)->isHidden());
    EXPECT_TRUE(gear->findChild<QLabel*>("lblNotes")->isHidden());
    EXPECT_EQ(gear->Caption(), "Gearhead Selection");
    EXPECT_FALSE(Globals::Loading_Lists);
    // Shown without owner and not modal; 5520 x 2595 twips, lower edge on the screen's middle.
    EXPECT_TRUE(gear->isWindow());
    EXPECT_EQ(gear->parentWidget(), nullptr);
    EXPECT_FALSE(gear->isModal());
    EXPECT_EQ(gear->size(), Twips::size(5520, 2595));
    EXPECT_EQ(gear->pos(), Twips::point((Twips::screenWidth() - 5520) / 2,
                                        Twips::screenHeight() / 2 - 2595));
}

TEST_F(GearDialogTest, QuotedSeriesIsFoundAndOtherKindsQueryNothing)
{
    EXPECT_EQ(cmbGear(open(4, "O'Hare", "23", "1"))->items(), QStringList({"GO-07"}));
    Forms::unload("frmGear");
    EXPECT_EQ(cmbGear(open(3))->items(), QStringList());
}

TEST_F(GearDialogTest, HighlightShowsNotesAndANullNoteReadsEmpty)
{
    frmGear* gear = open(4);
    cmbGear(gear)->choose("GP16-10");
    EXPECT_EQ(txtNotes(gear)->toPlainText(), "Ratio 10:1, backlash 8 arcmin");
    EXPECT_FALSE(txtNotes(gear)->isHidden());
    EXPECT_FALSE(gear->findChild<QLabel*>("lblNotes")->isHidden());
    cmbGear(gear)->choose("GP16-03");
    EXPECT_EQ(txtNotes(gear)->toPlainText(), "");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// Tab and Shift+Tab move on from the notes, as from every box of the program, and type nothing.
TEST_F(GearDialogTest, TabLeavesTheNotesEitherWay)
{
    frmGear* gear = open(4);
    cmbGear(gear)->choose("GP16-10");
    QApplication::setActiveWindow(gear);
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*> keys[] = {
        {Qt::Key_Tab, Qt::NoModifier, "cmdDone"}, {Qt::Key_Backtab, Qt::ShiftModifier, "cmbGear"}};
    for (const auto& [key, modifiers, next] : keys) {
        txtNotes(gear)->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\t"));
        QApplication::sendEvent(txtNotes(gear), &press);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    EXPECT_EQ(txtNotes(gear)->toPlainText(), "Ratio 10:1, backlash 8 arcmin");
}

TEST_F(GearDialogTest, DoneWritesShaftUnderLoadingThenGearheadThenSelectsTheNewOption)
{
    frmGear* gear = open(4);
    caller->shaft->addItem("K = Keyway");
    cmbGear(gear)->choose("GP16-05");
    click(gear, "cmdDone");

    EXPECT_FALSE(Forms::isLoaded("frmGear"));
    const AxisRecord& r = Globals::Current_Record();
    EXPECT_EQ(r.Shaft_Option, "K = Keyway");
    EXPECT_EQ(r.Gearhead_Code, "GP16-05");
    EXPECT_EQ(r.Gearhead_Notes, "Ratio 5:1");
    // The entry was already there, so none is added; the options handler sees the finished record.
    EXPECT_EQ(caller->shaft->items(), QStringList({"K", "S = Smooth", "K = Keyway"}));
    EXPECT_EQ(caller->options->items(), QStringList({"None", "GXX = Gearhead", "GP16-05"}));
    EXPECT_EQ(caller->options->listIndex(), 2);
    EXPECT_EQ(StandInForm::log, QStringList({"cmbShaft_options:frmDrive_Setup[K = Keyway]{L}",
                                             "cmbOptions:frmDrive_Setup[GP16-05|K = Keyway|GP16-05]"}));
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_FALSE(Globals::Loading_Lists);
}

TEST_F(GearDialogTest, MissingKeywayEntryIsAddedForAnyMotor)
{
    for (const char* series : {"KX", "O'Hare"}) {
        frmGear* gear = open(4, series, series == QString("KX") ? "16" : "23", series == QString("KX") ? "2" : "1");
        cmbGear(gear)->choose(0);
        click(gear, "cmdDone");
        EXPECT_EQ(caller->shaft->items(), QStringList({"K", "S = Smooth", "K = Keyway"})) << series;
        EXPECT_EQ(caller->shaft->text(), "K = Keyway");
        Forms::unload(caller->Name());
        processEvents();
    }
}

TEST_F(GearDialogTest, KeywayAlreadyChosenLeavesShaftListAloneAndEachCloseAddsAnEntry)
{
    QStringList calls;
    for (int round = 0; round < 2; ++round) {
        frmGear* gear = open(2, "KX", "16", "2");
        if (round == 1)
            Globals::Current_Record().Shaft_Option = "K = Keyway";
        cmbGear(gear)->choose("GP16-10");
        click(gear, "cmdDone");
        calls << StandInForm::log;
    }
    EXPECT_EQ(caller->Name(), "frmDriveController_Setup");
    EXPECT_EQ(caller->shaft->items(), QStringList({"K", "S = Smooth", "K = Keyway"}));
    EXPECT_EQ(caller->options->items(), QStringList({"None", "GXX = Gearhead", "GP16-10", "GP16-10"}));
    const QString option = "cmbOptions:frmDriveController_Setup[GP16-10|K = Keyway|GP16-10]";
    EXPECT_EQ(calls, QStringList({"cmbShaft_options:frmDriveController_Setup[K = Keyway]{L}", option, option}));
    EXPECT_EQ(Globals::Current_Form, "frmDriveController_Setup");
}

TEST_F(GearDialogTest, CancelAndEmptyDoneWriteNothing)
{
    for (const char* button : {"cmdCancel", "cmdDone"}) {
        frmGear* gear = open(1);
        if (button == QString("cmdCancel"))
            cmbGear(gear)->choose("GP16-10");
        click(gear, button);
        const AxisRecord& r = Globals::Current_Record();
        EXPECT_EQ(r.Shaft_Option, "S = Smooth");
        EXPECT_EQ(r.Gearhead_Code, "");
        EXPECT_EQ(r.Gearhead_Notes, "");
        EXPECT_EQ(caller->options->listIndex(), -1);
        EXPECT_TRUE(StandInForm::log.isEmpty());
        EXPECT_EQ(Globals::Current_Form, "frmController_Setup");
        Forms::unload(caller->Name());
        processEvents();
    }
}

TEST_F(GearDialogTest, ClosingTheWindowIsDoneAndAClosedCallerIsNotReloaded)
{
    frmGear* gear = open(4);
    cmbGear(gear)->choose("GP16-05");
    Forms::unload("frmDrive_Setup");
    processEvents();
    gear->close();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmGear"));
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(Globals::Current_Record().Gearhead_Code, "GP16-05");
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
}

TEST_F(GearDialogTest, ToolbarIsOffWhileOpen)
{
    auto main = std::make_unique<mdiMain>();
    frmGear* gear = open(4);
    EXPECT_FALSE(main->Toolbar1()->isEnabled());
    click(gear, "cmdCancel");
    EXPECT_TRUE(main->Toolbar1()->isEnabled());
    Forms::unloadAll();
    processEvents();
}

TEST_F(GearDialogTest, ACallerThatFailsOnTheChoiceStillGetsTheDialogClosed)
{
    auto main = std::make_unique<mdiMain>();
    frmGear* gear = open(4);
    caller->options->setClickHandler([] { throw std::runtime_error("Motor option no longer offered"); });
    cmbGear(gear)->choose("GP16-05");
    click(gear, "cmdDone");
    EXPECT_FALSE(Forms::isLoaded("frmGear"));
    EXPECT_TRUE(main->Toolbar1()->isEnabled());
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_EQ(msg->prompts(), QStringList{"Motor option no longer offered"});
    Forms::unloadAll();
    processEvents();
}

} // namespace
