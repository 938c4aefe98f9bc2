#include "DriveControllerFormTest.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/frmAccessories.h"

#include <QLabel>
#include <QPushButton>

using namespace Globals;

namespace {

const QString kBscNotes = QStringLiteral("6.0 A continuous, 18.0 A peak (rms), 120/230 VAC single phase");
const QString kLost = QStringLiteral("Previously selected DriveController option no longer available or restructured.");
const QStringList kBscLevels {"E = Ethernet", "", "2 = 16 DI / 8 DO", "0 = No Safe Torque Off"};

class OptionsDialogTest : public DriveControllerFormTest {
protected:
    frmAccessories* accessories() { return Forms::find<frmAccessories>(QStringLiteral("frmAccessories")); }

    // BSC-230 with KX, its four levels chosen and the dialog left open.
    void configureBsc()
    {
        configure(kBscKx);
        openOptions();
        chooseLevels(kBscLevels);
    }

    // Braking resistor and two TUQ16-IN cards, closed with the accessory dialog's Done.
    void chooseAccessories()
    {
        clickOptions("cmdAccessories");
        frmAccessories* dialog = accessories();
        ASSERT_NE(dialog, nullptr);
        dialog->lstAccessories()->choose(0);
        dialog->optExp(1)->choose();
        ASSERT_EQ(dialog->lblTuq_Card(1)->text(), "TUQ16-IN");
        dialog->cmbTuq(1)->choose(QStringLiteral("2"));
        dialog->cmdDone_Click();
        processEvents();
    }

    static QString entries() { return QStringList(Drive_Controller_Accessory_Entry.begin(),
                                                  Drive_Controller_Accessory_Entry.end()).join('|'); }
    static const QString kChosen;
};

const QString OptionsDialogTest::kChosen =
    QStringLiteral("BRK-R50 = 50 Ohm Braking Resistor|TUQ16-IN|||||||||||||||||||");

TEST_F(OptionsDialogTest, BscLevelsCompleteThemselvesAndBuildThePartNumber)
{
    configure(kBscKx);
    EXPECT_EQ(box("txtDriveController")->text(), "Drive: Not Fully Configured\r\nNotes: " + kBscNotes);
    EXPECT_FALSE(hidden("txtDriveController"));
    frmDriveControl* dialog = openOptions();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Current_Form, "frmDriveControl");
    EXPECT_EQ(dialog->Caption(), "Drive/Controller Selection");
    EXPECT_FALSE(Forms::isLoaded("frmAccessories")); // only the accessory choice makes it
    QStringList captions;
    for (int i = 1; i <= 4; ++i)
        captions << dialog->lbl1(i)->text();
    EXPECT_EQ(captions, (QStringList {"Communication", "Encoder Output", "I/O", "Safety"}));
    EXPECT_EQ(levels(), (QStringList {" [C = CAN Bus|E = Ethernet|S = Serial RS-485]", "-", "-", "-"}));

    // The lone "N/A" of level 2 selects itself and hides.
    chooseLevels({"E = Ethernet"});
    EXPECT_EQ(levels(), (QStringList {"E = Ethernet [C = CAN Bus|E = Ethernet|S = Serial RS-485]", "-",
                                      " [1 = 8 DI / 4 DO|2 = 16 DI / 8 DO]", "-"}));
    EXPECT_EQ(Drive_Controller_Options[2], "N/A");
    EXPECT_TRUE(dialog->findChild<QPushButton*>("cmdAccessories")->isHidden());

    chooseLevels(kBscLevels);
    EXPECT_EQ(Drive_Controller_Option_Code, "-E20");
    EXPECT_TRUE(Drive_Controller_JTR_Ready);
    EXPECT_FALSE(Drive_Controller_DUW_Ready);
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E20");
    const QString text = "Drive: BSC2306-E20\r\nNotes: " + kBscNotes;
    EXPECT_EQ(box("txtDriveController")->text(), text);
    EXPECT_EQ(dialog->findChild<TextBox*>("txtResults")->text(), text);
    EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdAccessories")->isHidden());
    EXPECT_EQ(frmAccessories::strExpIO_Note, "4 TUQ Cards per JTR32 port; 2 ports on this model");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(OptionsDialogTest, AccessoriesSurviveDoneAndReopeningButNotANewLevelAbove)
{
    configureBsc();
    clickOptions("cmdAccessories");
    frmAccessories* dialog = accessories();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "Drive/Controller Accessories");
    EXPECT_EQ(dialog->lstAccessories()->items(),
              (QStringList {"BRK-R50 = 50 Ohm Braking Resistor", "FLT-230 = Line Filter, 230 VAC",
                            "HMI-4 = 4 in Operator Panel"}));
    EXPECT_EQ(dialog->optExp(1)->text(), "JTR32 Expansion IO");
    EXPECT_TRUE(dialog->optExp(0)->value());
    EXPECT_EQ(Current_Form, "frmAccessories");
    dialog->cmdDone_Click();
    processEvents();

    chooseAccessories();
    EXPECT_EQ(entries(), kChosen);
    EXPECT_TRUE(Drive_Controller_Expansion_IO);
    EXPECT_EQ(box("txtAccessories")->text(), "BRK-R50 = 50 Ohm Braking Resistor\r\nTUQ16-IN\r\n");
    EXPECT_EQ(options()->findChild<TextBox*>("txtAccessories")->text(), box("txtAccessories")->text());

    // Another level 4 keeps the accessories; Done stores them again, no accessory window shown.
    chooseLevels({"", "", "", "S = Safe Torque Off"});
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E2S");
    // They show with the new configuration, in the dialog and on the form.
    EXPECT_FALSE(options()->findChild<TextBox*>("txtAccessories")->isHidden() || hidden("txtAccessories"));
    clickOptions("cmdDone");
    EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
    EXPECT_FALSE(Forms::isLoaded("frmAccessories"));
    EXPECT_EQ(entries(), kChosen);
    EXPECT_EQ(Drive_Controller_Accessory_Quantity[1], "2");
    EXPECT_EQ(Current_Form, "frmDriveController_Setup");
    EXPECT_FALSE(hidden("txtAccessories"));

    // Reopening restores the four levels, the part number and the cards.
    openOptions();
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_EQ(levels(), (QStringList {"E = Ethernet [C = CAN Bus|E = Ethernet|S = Serial RS-485]", "-",
                                      "2 = 16 DI / 8 DO [1 = 8 DI / 4 DO|2 = 16 DI / 8 DO]",
                                      "S = Safe Torque Off [0 = No Safe Torque Off|S = Safe Torque Off]"}));
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E2S");
    EXPECT_EQ(entries(), kChosen);
    clickOptions("cmdAccessories");
    EXPECT_TRUE(accessories()->optExp(1)->value());
    EXPECT_EQ(accessories()->cmbTuq(1)->text(), "2");
    EXPECT_EQ(accessories()->lstAccessories()->selectedRows(), QList<int> {0});
    accessories()->cmdDone_Click();
    processEvents();

    // A new level 1 drops the part number and the accessory choice.
    chooseLevels({"C = CAN Bus"});
    EXPECT_TRUE(Drive_Controller_Part_Number.isEmpty());
    EXPECT_TRUE(Drive_Controller_Option_Code.isEmpty());
    EXPECT_FALSE(Drive_Controller_JTR_Ready || Drive_Controller_DUW_Ready);
    EXPECT_TRUE(entries().remove('|').isEmpty());
    EXPECT_TRUE(hidden("txtAccessories"));
    EXPECT_TRUE(level(4)->isHidden());
    // The result hides with the accessory button; the notes stay shown.
    EXPECT_TRUE(options()->findChild<TextBox*>("txtResults")->isHidden());
    EXPECT_TRUE(options()->findChild<QPushButton*>("cmdAccessories")->isHidden());
    EXPECT_FALSE(options()->findChild<TextBox*>("txtNotes")->isHidden());
}

// Without a row of option names the levels have no captions; no saved option is lost.
TEST_F(OptionsDialogTest, MissingOptionNamesLeaveTheCaptionsEmpty)
{
    useCatalogueWith({"DELETE FROM [DriveController Option Names] WHERE [DriveController Name]='BSC-230'"});
    configure(kBscKx);
    frmDriveControl* dialog = openOptions();
    EXPECT_EQ(dialog->lbl1(1)->text(), "");
    chooseLevels(kBscLevels);
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-E20");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// Options build the part number: a drive/controller without its construction
// row opens none, and the catalogue's fault is named.
TEST_F(OptionsDialogTest, NoOptionsOpenForADriveControllerTheCatalogueCannotConfigure)
{
    const struct {
        const char* statement;
        const char* message;
    } cases[] = {
        {"DELETE FROM [DriveController Construction] WHERE [DriveController Name]='BSC-230'",
         "has no row for \"BSC-230\" in column \"DriveController Construction.DriveController Name\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.statement);
        useCatalogueWith({c.statement});
        configure(kBscKx);
        pick("cmbDriveVoltage", "230VAC");
        msg->clear();
        click("cmdDriveController");
        processEvents();
        expectOnlyMessage(QStringLiteral("The database System Databases97.mdb ") + c.message, MsgBox::OKOnly);
        EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
        EXPECT_TRUE(Drive_Controller_Part_Number.isEmpty());
        EXPECT_EQ(box("txtDriveController")->text(), "Drive: Not Fully Configured\r\nNotes: " + kBscNotes);
    }
}

TEST_F(OptionsDialogTest, ASavedLevelNoLongerOfferedIsReportedOnce)
{
    configureBsc();
    clickOptions("cmdDone");
    Drive_Controller_Options[3] = "9 = Gone";
    openOptions();
    EXPECT_EQ(msg->prompts(), QStringList {kLost});
    EXPECT_EQ(levels(), (QStringList {"E = Ethernet [C = CAN Bus|E = Ethernet|S = Serial RS-485]", "-",
                                      " [1 = 8 DI / 4 DO|2 = 16 DI / 8 DO]", "-"}));
    EXPECT_TRUE(Drive_Controller_Part_Number.isEmpty());

    // Done with three levels asks; Cancel goes back to the dialog unchanged.
    chooseLevels({"", "", "1 = 8 DI / 4 DO"});
    msg->clear();
    msg->queue(MsgBox::Cancel);
    clickOptions("cmdDone");
    ASSERT_EQ(msg->prompts(),
              QStringList {"Drive/Controller not fully configured.\r\nHit Cancel to Return or OK to Discard."});
    EXPECT_EQ(msg->messages().at(0).buttons, MsgBox::OKCancel);
    EXPECT_TRUE(Forms::isLoaded("frmDriveControl"));
    EXPECT_EQ(Drive_Controller_Options[3], "1 = 8 DI / 4 DO");
    msg->queue(MsgBox::OK);
    clickOptions("cmdDone");
    EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
    EXPECT_EQ(box("txtDriveController")->text(), "Drive: Not Fully Configured\r\nNotes: " + kBscNotes);
}

TEST_F(OptionsDialogTest, SteppersBuildTheOptionCodeBeforeTheDriveCode)
{
    configure(kSpcSx + QStringList {"48VDC"});
    EXPECT_EQ(text("cmbWiring"), "SERIES");
    openOptions();
    chooseLevels({"S = Step/Direction", "", "08 = 8 I/O"});
    EXPECT_EQ(levels(), (QStringList {"S = Step/Direction [N = Network|S = Step/Direction]", "-",
                                      "08 = 8 I/O [08 = 8 I/O|16 = 16 I/O]", "-"}));
    EXPECT_EQ(Drive_Controller_Part_Number, "SPC48-S08-3");
    clickOptions("cmdDone");
    pick("cmbWiring", "PARALLEL");
    EXPECT_EQ(Drive_Controller_Part_Number, "SPC48-S08-6");
    EXPECT_EQ(box("txtDriveController")->text(), "Drive: SPC48-S08-6\r\nNotes: Microstepping drive, 24-75 VDC");
}

TEST_F(OptionsDialogTest, TheIntegratedUnitTakesTheMotorPartNumber)
{
    // A Null option code and an empty one are both left out.
    for (const char* code : {"NULL", "''"}) {
        SCOPED_TRACE(code);
        Forms::unloadAll();
        Reset_All_State();
        useCatalogueWith({QStringLiteral("UPDATE [All DriveControllers] SET PartNumber=%1 "
                                         "WHERE [DriveController Name]='iQO'").arg(code)});
        configure(kIqo);
        EXPECT_EQ(record().Motor_Part_Number, "iQO601AA-SC0");
        EXPECT_TRUE(hidden("txtMotor_Part"));
        EXPECT_TRUE(hidden("cmdCurve"));
        openOptions();
        // Level 1 holds only "N/A": it selects itself and hides.
        EXPECT_EQ(levels(), (QStringList {"-", " [A = Analog Command|E = Ethernet]", "-", "-"}));
        chooseLevels({"", "E = Ethernet"});
        EXPECT_EQ(Drive_Controller_Option_Code, "N/A");
        EXPECT_EQ(Drive_Controller_Part_Number, "iQO601AA-SC0");
        clickOptions("cmdDone");
        EXPECT_EQ(Drive_Controller_Part_Number, "iQO601AA-SC0");
        EXPECT_EQ(box("txtDriveController")->text().section('\r', 0, 0), "Drive: iQO601AA-SC0");

        // Reopened, the self-selected level 1 does not run again and drop level 2.
        Drive_Controller_Accessory_Entry[0] = "IQO-MNT = Mounting Kit";
        openOptions();
        EXPECT_EQ(Drive_Controller_Options[2], "E = Ethernet");
        EXPECT_EQ(Drive_Controller_Accessory_Entry[0], "IQO-MNT = Mounting Kit");
        // Level 2 chosen again drops what depends on it.
        chooseLevels({"", "E = Ethernet"});
        EXPECT_TRUE(Drive_Controller_Accessory_Entry[0].isEmpty());
        EXPECT_EQ(Drive_Controller_Part_Number, "iQO601AA-SC0");
        EXPECT_TRUE(msg->messages().isEmpty());
    }
}

// However the options dialog goes, the accessory dialog open over it
// stores what it shows, as its own closing does.
TEST_F(OptionsDialogTest, ClosingOtherThanByDoneKeepsTheAccessoryChoice)
{
    const struct {
        const char* how;
        std::function<void()> close;
        bool formStays;
    } closes[] = {
        {"close box", [this] { options()->close(); }, true},
        {"with the form", [] { Forms::unload(QStringLiteral("frmDriveController_Setup")); }, false},
    };
    const QString shown = QStringLiteral("BRK-R50 = 50 Ohm Braking Resistor|HMI-4 = 4 in Operator Panel") + QString(19, '|');
    for (const auto& c : closes) {
        SCOPED_TRACE(c.how);
        Forms::unloadAll();
        Reset_All_State();
        configureBsc();
        chooseAccessories();
        clickOptions("cmdAccessories");
        accessories()->lstAccessories()->choose(2);
        accessories()->optExp(0)->choose();
        c.close();
        processEvents();
        EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
        EXPECT_FALSE(Forms::isLoaded("frmAccessories"));
        EXPECT_EQ(entries(), shown);
        EXPECT_EQ(Drive_Controller_Accessory_Quantity[1], "1");
        EXPECT_FALSE(Drive_Controller_Expansion_IO);
        if (c.formStays) {
            EXPECT_EQ(box("txtAccessories")->text(),
                      "BRK-R50 = 50 Ohm Braking Resistor\r\nHMI-4 = 4 in Operator Panel\r\n");
            // Offered and chosen.
            EXPECT_EQ(dc()->Save_String().count("HMI-4 = 4 in Operator Panel"), 2);
            EXPECT_TRUE(Build_Report().contains("HMI-4"));
        }
    }
}

TEST_F(OptionsDialogTest, CardQuantitiesComeBackOnEveryCardRow)
{
    QStringList cards;
    for (int i = 1; i <= 8; ++i)
        cards << QStringLiteral("INSERT INTO ExpIO VALUES ('JTR','TUQ9-X%1','Extra card %1','0')").arg(i);
    useCatalogueWith(cards);
    configureBsc();
    clickOptions("cmdAccessories");
    frmAccessories* dialog = accessories();
    dialog->optExp(1)->choose();
    ASSERT_EQ(dialog->lblTuq_Card(17)->text(), "TUQ9-X8");
    dialog->cmbTuq(17)->choose(QStringLiteral("3"));
    dialog->cmdDone_Click();
    processEvents();
    EXPECT_EQ(Drive_Controller_Accessory_Entry[0], "TUQ9-X8");

    clickOptions("cmdAccessories");
    EXPECT_EQ(accessories()->cmbTuq(17)->text(), "3");

    // Without the expansion option the dialog shows "No Expansion IO" chosen.
    accessories()->cmdDone_Click();
    processEvents();
    Drive_Controller_Expansion_IO = false;
    clickOptions("cmdAccessories");
    EXPECT_TRUE(accessories()->optExp(0)->value());
    EXPECT_FALSE(accessories()->optExp(1)->isHidden());
}

} // namespace

// An empty value beside another on a level below the first is an option like
// any other: it is listed and shown, and chosen it builds the part number and
// counts at Done.
TEST_F(OptionsDialogTest, AnEmptyLevelValueIsChosenAndCountsAtDone)
{
    useCatalogueWith({"UPDATE [All DriveControllers] SET Option4='' WHERE [DriveController Name]='BSC-230' AND "
                      "Option1='S = Serial RS-485' AND Option3='1 = 8 DI / 4 DO' AND "
                      "Option4='0 = No Safe Torque Off'"});
    configure(kBscKx);
    pick("cmbDriveVoltage", "230VAC");
    openOptions();
    chooseLevels({"S = Serial RS-485", "", "1 = 8 DI / 4 DO"});
    EXPECT_EQ(levels().at(3), " [|S = Safe Torque Off]");
    ASSERT_TRUE(level(4)->choose(QString()));
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-S10");
    msg->clear();
    clickOptions("cmdDone");
    EXPECT_TRUE(msg->messages().isEmpty());
    EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
    EXPECT_EQ(box("txtDriveController")->text(), "Drive: BSC2306-S10\r\nNotes: " + kBscNotes);

    // Saved, it reopens chosen: the file named the configuration's part number.
    const QString saved = dc()->Save_String();
    openProject(saved);
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(level(4)->listIndex(), 0);
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-S10");
    EXPECT_EQ(dc()->Save_String(), saved);
}
