#include "ControllerFormTest.h"

#include "platform/ListControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/TextBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"

using namespace Globals;

// Case 1, neither controller nor series: the series the drive runs and the
// controllers that accept it; a one-entry list selects itself once the record
// names the drive.
TEST_F(ControllerFormTest, DriveBeforeControllerAndSeriesListsBoth)
{
    form();
    pick("cmbMotor_Tech", "Servo");
    pick("cmbMotor_Series", "KX");
    // The drives of the series; the user then takes the series back.
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSC-230", "BSD-230", "BSD-460", "BSD-48"}));
    list("cmbMotor_Series")->setListIndex(-1);
    pick("cmbDrive", "BSD-48");

    EXPECT_EQ(items("cmbController"), (QStringList {"BMC300", "KEX200"}));
    EXPECT_EQ(text("cmbController"), "");
    EXPECT_EQ(items("cmbMotor_Series"), QStringList {"KX"});
    EXPECT_EQ(text("cmbMotor_Series"), "KX");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"16", "23"}));
    EXPECT_EQ(axis(1).Drive_Name, "BSD-48");
    EXPECT_EQ(axis(1).Motor_Series, "KX");
    EXPECT_EQ(axis(1).Part_Number_Type, "L7_Servo");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// Case 3, a series but no controller: the one accepting controller is handled
// before the frame sizes are listed; one common frame size shows selected while
// the stack lengths wait for the user.
TEST_F(ControllerFormTest, DriveAfterSeriesListsControllersAndFrameSizes)
{
    form();
    pick("cmbMotor_Tech", "Servo");
    pick("cmbMotor_Series", "ZU");
    // The series' one drive selected itself, and the drive its one controller.
    EXPECT_EQ(text("cmbDrive"), "ZU");
    EXPECT_EQ(items("cmbController"), QStringList {"KEX200"});
    EXPECT_EQ(text("cmbController"), "KEX200");
    EXPECT_EQ(axis(1).Controller_Cable, "No Cable Required");
    EXPECT_FALSE(hidden("txtController"));
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"23", "34"}));

    form()->Reset();
    pick("cmbMotor_Tech", "Stepper");
    pick("cmbMotor_Series", "ST");
    EXPECT_EQ(items("cmbDrive"), (QStringList {"SMD-230", "SMD-48"}));
    pick("cmbDrive", "SMD-48");
    EXPECT_EQ(items("cmbController"), (QStringList {"9Q10", "BMC100", "BMC1600", "KEX200"}));
    EXPECT_EQ(text("cmbController"), "");
    // The one common frame size is chosen as the user would choose it.
    EXPECT_EQ(text("cmbFrame_size"), "34");
    EXPECT_EQ(axis(1).Frame_Size, "34");
    EXPECT_EQ(items("cmbStack_length"), (QStringList {"1", "2", "3"}));
    EXPECT_TRUE(enabled("cmbStack_length"));
    EXPECT_EQ(axis(1).Drive_Name, "SMD-48");
}

// Cases 2 and 4, a controller chosen: the drive is checked against it and the
// connection built; a second fitting drive keeps the ports.
TEST_F(ControllerFormTest, DriveUnderAControllerBuildsTheConnection)
{
    form();
    pick("cmbController", "KEX200");
    pick("cmbMotor_Tech", "Servo");
    pick("cmbDrive", "BSD-48");
    // Case 2: the drive's one series selected itself after the drive was recorded.
    EXPECT_EQ(text("cmbMotor_Series"), "KX");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"16", "23"}));
    EXPECT_EQ(axis(1).Drive_Name, "BSD-48");
    EXPECT_EQ(axis(1).Controller_Cable, "CDC-SV");
    EXPECT_EQ(items("cmbAxis_Number"), (QStringList {"2", "4", "6", "8"}));
    pick("cmbAxis_Number", "6");
    pick("cmbReq_Accessories_length", "1");
    pick("cmbController_Cable_Length", "5");

    // Case 4: frame sizes of the new pair; the ports and the breakout part stay.
    pick("cmbDrive", "BSD-230");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"16", "23", "34"}));
    EXPECT_EQ(text("cmbAxis_Number"), "6");
    EXPECT_EQ(Required_Accessory, "TNL-BK6-XX");
    EXPECT_EQ(Required_Accessory_Part_Number, "TNL-BK6-01");
    EXPECT_EQ(text("cmbController_Cable_Length"), "");
    // The cable is no part until its length is chosen.
    EXPECT_EQ(axis(1).Controller_Cable_Part_Number, "");
    EXPECT_EQ(axis(1).Drive_Name, "BSD-230");

    // Case 4 with one common frame size: chosen, the stack lengths listed.
    form()->Reset();
    pick("cmbController", "KEX200");
    pick("cmbMotor_Tech", "Stepper");
    pick("cmbMotor_Series", "ST");
    pick("cmbDrive", "SMD-48");
    EXPECT_EQ(text("cmbFrame_size"), "34");
    EXPECT_EQ(axis(1).Frame_Size, "34");
    EXPECT_EQ(items("cmbStack_length"), (QStringList {"1", "2", "3"}));
    EXPECT_TRUE(msg->messages().isEmpty());
}

// A series chosen under a controller narrows its drives; a controller chosen
// after the series narrows the series' drives. One drive left is chosen and
// recorded; none left asks to reset the axis.
TEST_F(ControllerFormTest, SeriesAndControllerNarrowTheDrives)
{
    form();
    pick("cmbController", "BMC300");
    pick("cmbMotor_Tech", "Servo");
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSD-230", "BSD-48"}));
    pick("cmbMotor_Series", "LM");
    EXPECT_EQ(items("cmbDrive"), QStringList {"BSD-230"});
    EXPECT_EQ(text("cmbDrive"), "BSD-230");
    EXPECT_EQ(axis(1).Drive_Name, "BSD-230");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"60", "80"}));

    form()->Reset();
    pick("cmbController", "BMC300");
    pick("cmbMotor_Tech", "Servo");
    msg->queue(MsgBox::No);
    pick("cmbMotor_Series", "ZU");
    expectOnlyMessage(kControllerPrompt, MsgBox::YesNo);
    // No takes the series back: the controller's drives stay to choose from.
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSD-230", "BSD-48"}));
    EXPECT_EQ(text("cmbMotor_Series"), "");

    form()->Reset();
    msg->clear();
    pick("cmbMotor_Tech", "Servo");
    pick("cmbMotor_Series", "LM");
    EXPECT_EQ(items("cmbDrive"), (QStringList {"BSD-230", "BSD-460"}));
    pick("cmbController", "BMC300");
    EXPECT_EQ(items("cmbDrive"), QStringList {"BSD-230"});
    EXPECT_EQ(text("cmbDrive"), "BSD-230");
    EXPECT_EQ(axis(1).Drive_Name, "BSD-230");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"60", "80"}));
    EXPECT_EQ(Controller_Name, "BMC300");
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(ControllerFormTest, DriveWithoutFrameSizesForTheSeriesAsks)
{
    form();
    pick("cmbController", "KEX200");
    pick("cmbMotor_Tech", "Servo");
    pick("cmbDrive", "BSD-230");
    pick("cmbMotor_Series", "LM");
    // The drive list still holds the technology's drives; BSD-48 runs no LM motor.
    msg->queue(MsgBox::No);
    pick("cmbDrive", "BSD-48");
    expectOnlyMessage(kDrivePrompt, MsgBox::YesNo);
    EXPECT_EQ(axis(1).Drive_Name, "BSD-230");
    EXPECT_EQ(Last_Drive, "BSD-230");
    EXPECT_EQ(text("cmbDrive"), "BSD-230");
    EXPECT_EQ(items("cmbFrame_size"), (QStringList {"60", "80"}));

    // Yes resets the axis: the drive and motor lists are empty, the controller
    // stays; the drive's accessory dialog closed with the choice, before the question.
    click("cmdDriveAccessories");
    ASSERT_EQ(System_Type, 3);
    msg->clear();
    msg->queue(MsgBox::Yes);
    pick("cmbDrive", "BSD-48");
    expectOnlyMessage(kDrivePrompt, MsgBox::YesNo);
    EXPECT_FALSE(Forms::isLoaded("frmAccessories"));
    EXPECT_TRUE(items("cmbDrive").isEmpty());
    EXPECT_EQ(axis(1).Drive_Name, "");
    EXPECT_EQ(text("cmbController"), "KEX200");
}

// A drive lists the controllers that accept it only where the catalogue lists
// them: the form takes no controller that its project's reopening would refuse.
TEST_F(ControllerFormTest, ADriveListsOnlyTheControllersTheCatalogueLists)
{
    for (const auto& [statement, controllers] :
         {std::pair {QString("DELETE FROM Controllers"), QStringList {}},
          std::pair {QString("DELETE FROM Controllers WHERE [Controller Name] = 'KEX200'"), QStringList {"BMC300"}}}) {
        SCOPED_TRACE(statement.toStdString());
        useCatalogueWith({statement});
        form();
        pick("cmbMotor_Tech", "Servo");
        pick("cmbMotor_Series", "KX");
        list("cmbMotor_Series")->setListIndex(-1);
        pick("cmbDrive", "BSD-48");
        EXPECT_EQ(items("cmbController"), controllers);
        // One left chooses itself.
        EXPECT_EQ(Controller_Name, controllers.size() == 1 ? controllers.first() : QString());
        Forms::unloadAll();
        processEvents();
        Reset_All_State();
    }
}
