#include "DriveControllerFormTest.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/TextBox.h"
#include "setup/drivecontroller/frmDriveController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>

using namespace Globals;

namespace {

// The drive/controller form as a user reaches it: from the main window's New
// menu to the report, the project file and back.
class DriveControllerMainWindowTest : public DriveControllerFormTest {
protected:
    void SetUp() override
    {
        DriveControllerFormTest::SetUp();
        main = &mainWindow();
    }
    // The file's bytes, one character per byte.
    static QString bytes(const QString& path)
    {
        QFile file(path);
        return QString::fromLatin1(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    mdiMain* main = nullptr;
    QTemporaryDir dir;
};

TEST_F(DriveControllerMainWindowTest, NewConfigureExportSaveCloseAndOpen)
{
    main->mnuDrive_Controller()->trigger();
    ASSERT_TRUE(Forms::isLoaded("frmDriveController_Setup"));
    EXPECT_EQ(System_Type, 2);
    EXPECT_EQ(Current_Form, "frmDriveController_Setup");
    EXPECT_TRUE(msg->messages().isEmpty()); // no "not yet available"

    configure(kBscKx + QStringList {"230VAC", "", "10", "15"});
    openOptions();
    EXPECT_FALSE(main->Toolbar1()->isEnabled());
    chooseLevels({"C = CAN Bus", "", "2 = 16 DI / 8 DO", "S = Safe Torque Off"});
    clickOptions("cmdAccessories");
    auto* accessories = Forms::find<frmAccessories>("frmAccessories");
    EXPECT_EQ(accessories->optExp(1)->text(), "DUW Expansion IO");
    accessories->lstAccessories()->choose(2);
    accessories->optExp(1)->choose();
    accessories->cmbTuq(0)->choose(QStringLiteral("2"));
    accessories->cmdDone_Click();
    processEvents();
    clickOptions("cmdDone");
    EXPECT_TRUE(main->Toolbar1()->isEnabled());
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-C2S");

    click("cmdCurve");
    processEvents();
    ASSERT_TRUE(Forms::isLoaded("frmCurve"));
    EXPECT_EQ(Forms::find("frmCurve")->Caption(), "Performance Curve for a BSC2306 & KX231AE @230VAC");
    Forms::unload("frmCurve");

    const QString report = dir.filePath("report.txt");
    files->queuePath(report);
    main->mnuExport_Data()->trigger();
    processEvents();
    const QString stars(77, '*');
    EXPECT_EQ(bytes(report),
              "Brevan Quenro Results\r\nUse Courier Font for best display\r\n\r\n"
              "DRIVE/CONTROLLER: BSC2306-C2S\r\n"
              "NOTES: 6.0 A continuous, 18.0 A peak (rms), 120/230 VAC single phase\r\n"
              "DRIVE INPUT VOLTAGE: 230VAC\r\n"
              "MOTOR: KX231AE-SC0\r\n"
              "NOTES: 1.10 N-m continuous, 5000 rpm max, Encoder\r\n"
              "DRIVE SWITCHING FREQUENCY: 4 kHz\r\n"
              "\r\n\r\n\r\n"
              "Bill of Material\r\n"
                  + stars
                  + "\r\n"
                    "Quantity                Part Number             Description\r\n"
                    "\r\n"
                    "1                       BSC2306-C2S             BSC-230 Drive/Controller\r\n"
                    "1                       HMI-4                   4 in Operator Panel\r\n"
                    "2                       DUW-16DI                16 Digital Inputs, 24 VDC\r\n"
                    "1                       KX231AE-SC0             KX Series Motor\r\n"
                    "1                       MPC-S1-010              Motor Power Cable\r\n"
                    "1                       FBC-E-015               Motor Feedback Cable\r\n");
    EXPECT_EQ(shell->opened(), QStringList {report});

    // Saved while the options dialog is the active window, then closed and opened again.
    openOptions();
    const QString project = dir.filePath("system.dat");
    files->queuePath(project);
    main->mnuSave_As()->trigger();
    processEvents();
    const QString saved = bytes(project);
    EXPECT_EQ(saved, dc()->Save_String());
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - system.dat");

    main->mnuClose()->trigger();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmDriveController_Setup"));
    EXPECT_FALSE(Forms::isLoaded("frmDriveControl"));
    EXPECT_EQ(Current_Form, "frmSelection");

    files->queuePath(project);
    main->mnuOpen()->trigger();
    processEvents();
    EXPECT_TRUE(msg->messages().isEmpty()) << msg->prompts().join('|').toStdString();
    EXPECT_EQ(Current_Form, "frmDriveControl");
    EXPECT_EQ(Drive_Controller_Part_Number, "BSC2306-C2S");
    EXPECT_EQ(box("txtAccessories")->text(), "HMI-4 = 4 in Operator Panel\r\nDUW-16DI\r\n");

    // Save reaches the form whichever window opened last: the options dialog, the curve window.
    click("cmdCurve");
    processEvents();
    ASSERT_TRUE(Forms::isLoaded("frmCurve"));
    QFile::remove(project);
    main->mnuSave()->trigger();
    processEvents();
    EXPECT_EQ(bytes(project), saved);
}

} // namespace
