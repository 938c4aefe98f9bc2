#include "DriveControllerFormTest.h"

#include "platform/ListControl.h"
#include "setup/drivecontroller/frmDriveControl.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/SetupKinds.h"

#include <QPushButton>

const QStringList kDriveControllerLists {
    "cmbMotor_Tech",   "cmbDriveController", "cmbMotor_Series", "cmbFrame_size",   "cmbStack_length",
    "cmbWinding",      "cmbFeedback",        "cmbShaft_options", "cmbCable_Option", "cmbOptions",
    "cmbDriveVoltage", "cmbWiring",          "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"};

const QStringList kBscKx {"Servo", "BSC-230", "KX", "23", "1", "", "", "S = Smooth Shaft", "C = Connectors",
                          "0 = Standard"};
const QStringList kSpcSx {"Stepper", "", "", "23", "2", "", "S = Single Shaft", "R = Round Shaft", "", "None"};
const QStringList kIqo {"Servo", "iQO", "", "", "1", "", "", "S = Smooth Shaft", "", "0 = Standard"};

DriveControllerFormTest::DriveControllerFormTest()
    : SetupFormFixture(SetupKinds::DriveController)
{
}

frmDriveController_Setup* DriveControllerFormTest::dc()
{
    return dynamic_cast<frmDriveController_Setup*>(setupForm());
}

frmDriveControl* DriveControllerFormTest::openOptions()
{
    click("cmdDriveController");
    processEvents();
    return options();
}

frmDriveControl* DriveControllerFormTest::options()
{
    return Forms::find<frmDriveControl>(QStringLiteral("frmDriveControl"));
}

ListControl* DriveControllerFormTest::level(int index)
{
    frmDriveControl* dialog = options();
    EXPECT_NE(dialog, nullptr);
    return dialog ? dialog->cmb1(index) : nullptr;
}

void DriveControllerFormTest::chooseLevels(const QStringList& entries)
{
    for (int i = 0; i < entries.size(); ++i)
        if (!entries.at(i).isEmpty()) {
            ASSERT_TRUE(level(i + 1)->choose(entries.at(i)))
                << "level " << i + 1 << " lacks " << entries.at(i).toStdString();
        }
}

void DriveControllerFormTest::clickOptions(const char* button)
{
    auto* b = options()->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
    processEvents();
}

QStringList DriveControllerFormTest::levels()
{
    QStringList out;
    for (int i = 1; i <= 4; ++i) {
        ListControl* list = level(i);
        out << (list->isHidden() ? QStringLiteral("-")
                                 : QStringLiteral("%1 [%2]").arg(list->text(), list->items().join('|')));
    }
    return out;
}
