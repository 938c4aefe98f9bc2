#include "ControllerSystemTest.h"

#include "CascadeWalker.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/TextBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

#include <QLabel>

#include <functional>

using namespace Globals;

namespace {

const QStringList kKex4Axes {"D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"};
const QString kLostOption = "Previously selected controller option no longer available or restructured.";
const QString kNotConfigured = "Controller not fully configured.\r\nHit Cancel to Return or OK to Discard.";
const QString kModule8 = "HX25-08 = 25-pin Breakout Module";

class OptionsDialogTest : public ControllerSystemTest {
protected:
    QStringList levelTexts()
    {
        QStringList out;
        for (int l = 1; l <= 6; ++l)
            out << level(l)->text();
        return out;
    }
    QStringList captions()
    {
        QStringList out;
        for (int l = 1; l <= 6; ++l)
            out << options()->findChild<QLabel*>(QString("lbl1(%1)").arg(l - 1))->text();
        return out;
    }
    QString hiddenLevels()
    {
        QString out;
        for (int l = 1; l <= 6; ++l)
            out += level(l)->isHidden() ? '-' : QChar('0' + l);
        return out;
    }
    QString result() { return options()->findChild<TextBox*>("txtResults")->text(); }
    QStringList stored() { return {Controller_Options.begin() + 1, Controller_Options.begin() + 7}; }
};

} // namespace

TEST_F(OptionsDialogTest, SixLevelsGiveThePartNumberAxisCountsAndTheAxisList)
{
    openOptions("KEX200", {});
    EXPECT_EQ(Current_Form, "frmControl");
    EXPECT_EQ(options()->Caption(), "Controller Selection");
    EXPECT_EQ(captions(), (QStringList {"Mounting", "Logic Supply", "Axes", "Network", "Memory", "Display"}));
    EXPECT_EQ(level(1)->items(), (QStringList {"D = DIN Rail", "P = Panel Mount"}));
    EXPECT_EQ(hiddenLevels(), "1-----");

    for (int l = 1; l <= 6; ++l)
        if (!kKex4Axes.at(l - 1).isEmpty()) {
            ASSERT_TRUE(level(l)->choose(kKex4Axes.at(l - 1)));
        }
    // Level 2 has one value and level 5 only "N/A": both chose themselves, and level 5 stays hidden.
    EXPECT_EQ(levelTexts(), (QStringList {"D = DIN Rail", "24 = 24 VDC Logic Supply", "4 = 4 Axes", "E = Ethernet",
                                          "N/A", "0 = No Display"}));
    EXPECT_EQ(hiddenLevels(), "1234-6");
    EXPECT_EQ(stored(), levelTexts());
    EXPECT_EQ(result(), "KEX2D-4E0");
    EXPECT_EQ(Controller_Part_Number, "KEX2D-4E0");

    // JTR and LUMIO ready: the last of the expansion kinds stands.
    chooseAccessories({kModule8});
    EXPECT_EQ(accessories()->Caption(), "Controller Accessories");
    EXPECT_EQ(accessories()->lstAccessories()->items(),
              (QStringList {"ETH-SW5 = 5-Port Ethernet Switch", kModule8, "PS-24-10 = 24 VDC 10 A Power Supply"}));
    EXPECT_EQ(accessories()->optExp(1)->text(), "LUMIO Expansion IO");
    EXPECT_FALSE(accessories()->optExp(1)->isHidden());
    closeAccessories();
    EXPECT_EQ(Current_Form, "frmControl");

    clickIn(options(), "cmdDone");
    EXPECT_FALSE(Forms::isLoaded("frmControl"));
    EXPECT_EQ(QList<int>({Total_Axes, Total_Servos, Total_Steppers}), QList<int>({4, 4, 2}));
    EXPECT_EQ(items("cmbAxis"), (QStringList {"Axis 1", "Axis 2", "Axis 3", "Axis 4"}));
    EXPECT_EQ(text("cmbAxis"), "Axis 1");
    EXPECT_TRUE(enabled("cmbAxis"));
    EXPECT_EQ(items("cmbReplicate"), (QStringList {"Axis 2", "Axis 3", "Axis 4"}));
    EXPECT_EQ(box("txtController_part")->text(), "KEX2D-4E0");
    EXPECT_FALSE(hidden("txtController_part") || hidden("lblController_Part"));
    EXPECT_EQ(Current_Form, "frmController_Setup");
    EXPECT_EQ(Controller_Accessory_Entry[0] + "|" + Controller_Accessory_Quantity[0], kModule8 + "|2");

    // Reopened: all six levels come back without a message, the accessories stay.
    click("cmdController");
    EXPECT_EQ(levelTexts(), stored());
    EXPECT_EQ(result(), "KEX2D-4E0");
    EXPECT_EQ(options()->findChild<TextBox*>("txtAccessories")->text(), kModule8 + "\r\n");
    EXPECT_TRUE(msg->messages().isEmpty());

    // A choice above the last withdraws the configuration and the accessory choice.
    ASSERT_TRUE(level(1)->choose("P = Panel Mount"));
    EXPECT_EQ(hiddenLevels(), "123---");
    EXPECT_EQ(Controller_Part_Number + Controller_Accessory_Entry[0] + Controller_Options[3], "");
    EXPECT_TRUE(options()->findChild<TextBox*>("txtResults")->isHidden());
}

TEST_F(OptionsDialogTest, ALostOptionIsToldOnceAndDoneAsksBeforeDiscarding)
{
    // The level is left to the user, shown even where "N/A" is all it offers now.
    const struct {
        int level;
        QString saved;
        QStringList shown;
        QString hidden;
    } cases[] = {
        {5, "8 = 8 MB Memory", {"D = DIN Rail", "24 = 24 VDC Logic Supply", "4 = 4 Axes", "E = Ethernet", "", ""},
         "12345-"},
        {3, "5 = 5 Axes", {"D = DIN Rail", "24 = 24 VDC Logic Supply", "", "", "", ""}, "123---"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        msg->clear();
        configureController("KEX200", kKex4Axes);
        Controller_Options[c.level] = c.saved;
        click("cmdController");
        ASSERT_EQ(msg->prompts(), QStringList {kLostOption});
        EXPECT_EQ(levelTexts(), c.shown);
        EXPECT_EQ(hiddenLevels(), c.hidden);
        EXPECT_EQ(Controller_Options[c.level], c.saved);
        EXPECT_EQ(Controller_Part_Number, "");
        EXPECT_FALSE(Controller_JTR_Ready || Controller_LUMIO_Ready || Controller_DUW_Ready);
    }

    // Cancel stays in the dialog with nothing changed; OK closes it unconfigured.
    msg->clear();
    msg->queue(MsgBox::Cancel);
    clickIn(options(), "cmdDone");
    EXPECT_EQ(msg->prompts(), QStringList {kNotConfigured});
    EXPECT_EQ(msg->messages().at(0).buttons, MsgBox::OKCancel);
    ASSERT_TRUE(Forms::isLoaded("frmControl"));
    EXPECT_EQ(Total_Axes, 4);
    msg->queue(MsgBox::OK);
    clickIn(options(), "cmdDone");
    EXPECT_FALSE(Forms::isLoaded("frmControl"));
    EXPECT_EQ(box("txtController_part")->text(), "");
    EXPECT_EQ(Total_Axes, 4); // the counts stay as they were
    EXPECT_EQ(items("cmbAxis").size(), 4);
}

// Counts the catalogue cannot give are its fault, named at Done: the dialog
// stays open, and its close box hides and empties no configured axis.
TEST_F(OptionsDialogTest, ACountTheCatalogueCannotGiveIsNamedAndChangesNoAxis)
{
    const QString table = "UPDATE [All Controllers] SET %1 WHERE [Part Number] = 'KEX2D-4E0'";
    const QString axes = "The database System Databases97.mdb has no whole number from 1 to 16 in column "
                         "\"All Controllers.TotalAxes\" for \"KEX2D-4E0\".";
    const struct {
        QString set;
        QString message;
    } cases[] = {
        {"TotalAxes = NULL", axes},
        {"TotalAxes = 'four'", axes},
        {"TotalAxes = -5", axes},
        {"TotalAxes = 99999999999", axes},
        {"TotalSteppers = 2.5", "The database System Databases97.mdb has no whole number from 0 to 16 in column "
                                "\"All Controllers.TotalSteppers\" for \"KEX2D-4E0\"."},
        {"[Part Number] = NULL", "The database System Databases97.mdb has no value in column "
                                 "\"All Controllers.Part Number\" for \"KEX200\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set.toStdString());
        Forms::unloadAll();
        processEvents();
        Reset_All_State();
        useCatalogueWith({table.arg(c.set)});
        configureController("KEX200", {"D = DIN Rail", "", "2 = 2 Axes", "E = Ethernet", "", "0 = No Display"});
        configureAxis(2, pathsOn("KEX200").at(0));
        const AxisRecord second = axis(2);
        click("cmdController");
        ASSERT_TRUE(level(3)->choose("4 = 4 Axes"));
        ASSERT_TRUE(level(4)->choose("E = Ethernet"));
        ASSERT_TRUE(level(6)->choose("0 = No Display"));
        msg->clear();
        clickIn(options(), "cmdDone");
        expectOnlyMessage(c.message, MsgBox::OKOnly);
        EXPECT_TRUE(Forms::isLoaded("frmControl"));
        closeByCloseBox(options());
        EXPECT_EQ(Total_Axes, 2);
        EXPECT_EQ(items("cmbAxis"), (QStringList {"Axis 1", "Axis 2"}));
        EXPECT_EQ(axis(2), second);
    }
}

TEST_F(OptionsDialogTest, ASingleConfigurationCompletesItselfOnOpening)
{
    configureController("BMC100", {});
    EXPECT_EQ(Controller_Part_Number, "BMC1-S");
    EXPECT_EQ(stored(), (QStringList {"1 = 1 Axis", "N/A", "N/A", "S = Serial RS-485", "N/A", "N/A"}));
    EXPECT_EQ(items("cmbAxis"), QStringList {"Axis 1"});
    EXPECT_TRUE(msg->messages().isEmpty());
}

// A level that offers "N/A" beside other values lists them all and shows
// them, so that each of its configurations can be chosen.
TEST_F(OptionsDialogTest, NotAvailableBesideOtherValuesIsOneValueAmongThem)
{
    useCatalogueWith({"INSERT INTO [All Controllers] ([Controller Name], Option1, Option2, Option3, Option4, Option5, "
                      "Option6, [Part Number], TotalAxes, TotalServos, TotalSteppers) VALUES ('KEX200', 'D = DIN "
                      "Rail', '24 = 24 VDC Logic Supply', '4 = 4 Axes', 'E = Ethernet', '8 = 8 MB Memory', '0 = No "
                      "Display', 'KEX2D-4E8-0', 4, 4, 2)"});
    openOptions("KEX200", {"D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet"});
    EXPECT_EQ(level(5)->items(), (QStringList {"8 = 8 MB Memory", "N/A"}));
    EXPECT_EQ(hiddenLevels(), "12345-");
    ASSERT_TRUE(level(5)->choose("N/A"));
    ASSERT_TRUE(level(6)->choose("0 = No Display"));
    EXPECT_EQ(Controller_Part_Number, "KEX2D-4E0");
    ASSERT_TRUE(level(5)->choose("8 = 8 MB Memory"));
    ASSERT_TRUE(level(6)->choose("0 = No Display"));
    EXPECT_EQ(Controller_Part_Number, "KEX2D-4E8-0");
}

TEST_F(OptionsDialogTest, BreakoutModuleQuantityFollowsTheControllersAxes)
{
    const struct {
        const char* controller;
        QStringList options;
        const char* module;
        const char* quantity;
    } cases[] = {
        {"KEX200", kKex4Axes, "HX25-08 = 25-pin Breakout Module", "2"},
        {"KEX200", {"D = DIN Rail", "", "8 = 8 Axes", "E = Ethernet", "", "0 = No Display"}, "HX25-08 = 25-pin Breakout Module", "4"},
        {"9Q10", {"S = Standard", "2 = 2 Axes", "16 = 16 I/O", "", "C = CAN Bus"}, "HX25-04 = 25-pin Breakout Module", "2"},
    };
    for (const auto& c : cases) {
        form()->Reset();
        openOptions(c.controller, c.options);
        chooseAccessories({c.module});
        closeAccessories();
        EXPECT_EQ(Controller_Accessory_Entry[0], c.module);
        EXPECT_EQ(Controller_Accessory_Quantity[0], c.quantity) << c.controller << " " << c.options.at(2).toStdString();
    }
}

// The options dialog closed other than by Done (its close box, or taken down
// with the setup form or the main window) keeps the accessories and cards
// stored, and only Done and the close box rebuild the setup form's axes.
TEST_F(OptionsDialogTest, ClosingKeepsTheAccessoriesAndCards)
{
    configureController("KEX200", kKex4Axes);
    click("cmdController");
    chooseAccessories({"PS-24-10 = 24 VDC 10 A Power Supply"});
    frmAccessories* dialog = accessories();
    dialog->optExp(1)->choose();
    int shown = 0;
    for (int r = 0; r < frmAccessories::Card_Rows; ++r)
        shown += dialog->lblTuq_Card(r)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 16);
    EXPECT_EQ(dialog->lblTuq_Card(15)->text(), "LUM-TC04");
    dialog->cmbTuq(15)->choose("3");
    dialog->cmbTuq(0)->choose("2");
    closeAccessories();
    const QStringList expected {"PS-24-10 = 24 VDC 10 A Power Supply|1", "LUM-AI04|2", "LUM-BC01|1", "LUM-EC00|1",
                                "LUM-TC04|3"};
    const auto storedNow = [] {
        QStringList out;
        for (int k = 0; k < 21 && !Controller_Accessory_Entry[k].isEmpty(); ++k)
            out << Controller_Accessory_Entry[k] + "|" + Controller_Accessory_Quantity[k];
        return out;
    };
    ASSERT_EQ(storedNow(), expected);

    closeByCloseBox(options());
    EXPECT_FALSE(Forms::isLoaded("frmControl"));
    EXPECT_EQ(storedNow(), expected);

    // Reopened, the accessory dialog shows every stored quantity again.
    click("cmdController");
    clickIn(options(), "cmdAccessories");
    EXPECT_EQ(accessories()->cmbTuq(15)->text(), "3");
    EXPECT_TRUE(accessories()->lstAccessories()->selected(2));
    closeAccessories();

    // Taken down from outside, the dialog leaves the axis list as it is.
    switchTo(3);
    Total_Axes = 2;
    Forms::unload("frmControl");
    EXPECT_EQ(storedNow(), expected);
    EXPECT_EQ(items("cmbAxis").size(), 4);
    EXPECT_EQ(Current_Axis, 3);
    // The close box is the user's: the axis list follows the controller.
    click("cmdController");
    closeByCloseBox(options());
    EXPECT_EQ(items("cmbAxis"), (QStringList {"Axis 1", "Axis 2"}));
    EXPECT_EQ(Current_Axis, 1);
    EXPECT_TRUE(msg->messages().isEmpty());
}

// An accessory dialog still open when the options dialog goes, in either
// context, goes with it and stores what it shows.
TEST_F(OptionsDialogTest, TheAccessoryDialogClosesWithItAndStoresItsChoice)
{
    const QString brake = "BRK-R100 = 100 Ohm Braking Resistor";
    const QString supply = "PS-24-10 = 24 VDC 10 A Power Supply";
    const struct {
        const char* how;
        bool driveAccessories;
        std::function<void()> close;
    } cases[] = {
        {"drive, close box", true, [this] { closeByCloseBox(options()); }},
        {"drive, Done", true, [this] { clickIn(options(), "cmdDone"); }},
        {"drive, from outside", true, [] { Forms::unload("frmControl"); }},
        {"controller, close box", false, [this] { closeByCloseBox(options()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        form()->Reset();
        configureController("KEX200", kKex4Axes);
        switchTo(2);
        configure({"Servo", "BSD-460"});
        click("cmdController");
        if (c.driveAccessories) {
            click("cmdDriveAccessories");
            accessories()->lstAccessories()->choose(0);
        } else {
            chooseAccessories({supply});
        }
        c.close();
        processEvents();
        EXPECT_FALSE(Forms::isLoaded("frmControl") || Forms::isLoaded("frmAccessories"));
        EXPECT_EQ(axis(2).Drive_Accessory_Entry[0], c.driveAccessories ? brake : QString());
        EXPECT_EQ(Controller_Accessory_Entry[0], c.driveAccessories ? QString() : supply);
        // Offered and chosen.
        EXPECT_EQ(form()->Save_String().count(c.driveAccessories ? brake : supply), 2);
        EXPECT_EQ(System_Type, 1);
        EXPECT_EQ(Current_Form, "frmController_Setup");
        EXPECT_EQ(Current_Axis, 2);
        EXPECT_TRUE(msg->messages().isEmpty());
    }
}

// An axis' drive-accessory dialog left open when the user turns to another
// axis stores its choice in the axis it was opened for, not in the next one.
TEST_F(OptionsDialogTest, AnAxisSwitchClosesTheAxisAccessoryDialogFirst)
{
    const QString brake = "BRK-R100 = 100 Ohm Braking Resistor";
    const struct {
        const char* how;
        std::function<void()> leave;
        QString axis2;
    } cases[] = {
        {"switch to axis 1", [this] { switchTo(1); }, brake},
        // The copy replaces axis 2's choice with axis 1's: nothing is stored over it afterwards.
        {"copy axis 1 onto it", [this] { pick("cmbReplicate", "Axis 1"); }, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        form()->Reset();
        configureController("KEX200", kKex4Axes);
        switchTo(2);
        configure({"Servo", "BSD-460"});
        click("cmdDriveAccessories");
        accessories()->lstAccessories()->choose(0);
        c.leave();
        processEvents();
        EXPECT_FALSE(Forms::isLoaded("frmAccessories"));
        EXPECT_EQ(axis(1).Drive_Accessory_Entry[0], QString());
        EXPECT_EQ(axis(2).Drive_Accessory_Entry[0], c.axis2);
        EXPECT_EQ(System_Type, 1);
        EXPECT_TRUE(msg->messages().isEmpty());
    }
}
