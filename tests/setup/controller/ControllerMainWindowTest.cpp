#include "ControllerSystemTest.h"
#include "HttpTestServer.h"

#include "CascadeWalker.h"

#include "platform/OptionButton.h"
#include "setup/controller/frmController_Setup.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"
#include "support/ProjectRoundTrip.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>

using namespace Globals;

namespace {

const QStringList kKex4Axes {"D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"};
const QStringList kKxServo {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft",
                            "C = Connectors", "0 = Standard", "230VAC", "", "3", "3", "1"};

// The servo axis of configureThreeAxes() and its copy in the report.
const QStringList kServoAxis {
    "DRIVE: BSD2303-A0",
    "DRIVE NOTES: 3.0 A continuous, 9.0 A peak (rms), 120/230 VAC single phase",
    "DRIVE INPUT VOLTAGE: 230VAC",
    "MOTOR: KX231AE-SC0",
    "MOTOR NOTES: 1.10 N-m continuous, 5000 rpm max, Encoder",
    "CONTROLLER CABLE NOTES:  Controller to servo drive: +/-10 V command, encoder return, enable and fault",
    "",
};

// The report of configureThreeAxes(), line by line.
const QStringList kReport = QStringList {"Brevan Quenro Results", "Use Courier Font for best display", "",
                                         "CONTROLLER: KEX2D-4E0", "", "AXIS 1"}
    + kServoAxis + QStringList {"AXIS 2"} + kServoAxis + QStringList {
    "AXIS 3",
    "DRIVE: BDD230-00",
    "DRIVE NOTES: Direct-drive amplifier, 120/230 VAC",
    "DRIVE INPUT VOLTAGE: 120VAC",
    "MOTOR: CRG3-02100E-HC",
    "MOTOR NOTES: 2 N-m continuous, 6 N-m peak, 600 rpm max",
    "CONTROLLER CABLE NOTES:  Controller to direct-drive amplifier: network command, 3 m only",
    "",
    "",
    "",
    "",
    "Bill of Material",
    QString(77, '*'),
    "Quantity                Part Number             Description",
    "",
    "1                       KEX2D-4E0               Controller",
    "1                       TNL-BK4-02              Controller Breakout",
    "1                       CDC-SV-001              Controller to Drive Command Cable Axis 1",
    "1                       BSD2303-A0              BSD-230 Drive Axis 1",
    "1                       KX231AE-SC0             KX Series Motor Axis 1",
    "1                       MPC-S1-003              Motor Power Cable Axis 1",
    "1                       FBC-E-003               Motor Feedback Cable Axis 1",
    "1                       CDC-SV-001              Controller to Drive Command Cable Axis 2",
    "1                       BSD2303-A0              BSD-230 Drive Axis 2",
    "1                       KX231AE-SC0             KX Series Motor Axis 2",
    "1                       MPC-S1-003              Motor Power Cable Axis 2",
    "1                       FBC-E-003               Motor Feedback Cable Axis 2",
    "1                       CDC-DD-003              Controller to Drive Command Cable Axis 3",
    "1                       BDD230-00               BDD-230 Drive Axis 3",
    "1                       CRG3-02100E-HC          CR Series Motor Axis 3",
    "1                       MPC-DD-010              Motor Power Cable Axis 3",
    "1                       FBC-DD-010              Motor Feedback Cable Axis 3",
    "",
};

QByteArray bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ControllerMainWindowTest : public ControllerSystemTest {
protected:
    // Three axes under KEX200: a servo, its copy and a stepper, with breakout.
    void configureThreeAxes()
    {
        configureController("KEX200", kKex4Axes);
        switchTo(1);
        configure(kKxServo);
        switchTo(2);
        pick("cmbReplicate", "Axis 1");
        configureAxis(3, pathsOn("KEX200").at(0));
        pick("cmbAxis_Number", "4");
        pick("cmbReq_Accessories_length", "2");
        switchTo(1);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ControllerMainWindowTest, NewExportSaveCloseOpenAndResetThroughTheMainWindow)
{
    mdiMain& main = mainWindow();
    auto* selection = Forms::find<frmSelection>("frmSelection");
    ASSERT_NE(selection, nullptr);
    selection->Selection(0)->choose();
    clickIn(selection, "cmdDone");
    ASSERT_TRUE(Forms::isLoaded("frmController_Setup"));
    EXPECT_TRUE(setupForm()->Visible());
    EXPECT_EQ(System_Type, 1);
    configureThreeAxes();

    const QString report = dir.filePath("report.txt");
    files->queuePath(report);
    main.mnuExport_Data()->trigger();
    EXPECT_EQ(QString::fromLatin1(bytes(report)), kReport.join("\r\n"));
    EXPECT_EQ(shell->opened(), QStringList {report});

    const QString project = dir.filePath("system.dat");
    files->queuePath(project);
    main.mnuSave()->trigger();
    EXPECT_EQ(main.windowTitle(), "Brevan Quenro - system.dat");
    const std::array<AxisRecord, 16> axes = Axis;
    const QByteArray exported = bytes(report);

    main.mnuClose()->trigger();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmController_Setup"));
    main.mnuController_Only()->trigger();
    EXPECT_EQ(axis(1).Motor_Part_Number, "");
    files->queuePath(project);
    main.mnuOpen()->trigger();
    EXPECT_EQ(msg->prompts(), QStringList {});
    EXPECT_EQ(main.windowTitle(), "Brevan Quenro - system.dat");
    for (int a = 1; a <= 16; ++a)
        EXPECT_EQ(axis(a), axes.at(static_cast<std::size_t>(a - 1))) << "axis " << a;
    QFile::remove(report);
    files->queuePath(report);
    main.mnuExport_Data()->trigger();
    EXPECT_EQ(bytes(report), exported);

    // Done on the options dialog gives the toolbar back.
    clickIn(options(), "cmdDone");
    ASSERT_TRUE(main.Toolbar1()->isEnabled());
    switchTo(3);
    main.Toolbar_Button(6)->trigger();
    EXPECT_EQ(axis(3).Motor_Part_Number + axis(3).Drive_Name, "");
    EXPECT_EQ(axis(1), axes.at(0));
    main.Toolbar_Button(7)->trigger();
    EXPECT_EQ(axis(1).Motor_Part_Number + Controller_Part_Number, "");
    EXPECT_EQ(Total_Axes, 0);
    EXPECT_EQ(items("cmbAxis"), (QStringList {"Axis 1", "Axis 2"}));
    EXPECT_EQ(msg->prompts(), QStringList {});
}

TEST_F(ControllerMainWindowTest, ThePriceRequestAsksAboutTheBillOfMaterialInNines)
{
    HttpTestServer server;
    server.setResponder([](const HttpTestServer::Request& request) {
        return HttpTestServer::Reply {200, "OK", HttpTestServer::answerFor(request.body, "20240307", "EA"), false};
    });
    mdiMain& main = mainWindow();
    main.mnuController_Only()->trigger();
    configureThreeAxes();
    const QString prices = dir.filePath("prices.txt");
    files->queuePath(prices);
    main.createXMLfor_Extranet();
    ASSERT_GT(BOM_Count, 9);
    ASSERT_EQ(server.requests().size(), (BOM_Count + 8) / 9);
    for (int r = 0; r < server.requests().size(); ++r)
        EXPECT_EQ(server.requests().at(r).body.count("<PartDetail "), std::min(9, BOM_Count - 9 * r)) << r;
    const QStringList rows = QString::fromLatin1(bytes(prices)).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), BOM_Count);
    for (int i = 1; i <= BOM_Count; ++i)
        EXPECT_EQ(rows.at(i - 1), BOM_Part_Number[i] + "\t\t03/07/2024\t\tEA\t\t");
    EXPECT_TRUE(msg->messages().isEmpty());
}

// Each path of the catalogue, on the axes of every controller that runs it,
// saved with Save As and opened again: the same project text and report.
TEST_F(ControllerMainWindowTest, EveryPathOfTheSampleCatalogueReopensOnEachController)
{
    const QList<QPair<QString, QStringList>> controllers = {
        {"9Q10", {"S = Standard", "8 = 8 Axes", "16 = 16 I/O", "", "C = CAN Bus"}},
        {"BMC100", {}},
        {"BMC1600", {"12 = 12 Axes", "R = Resolver", "1 = 32 I/O", "E = Ethernet"}},
        {"BMC300", {"3 = 3 Axes", "E = Encoder", "1 = 16 I/O", "S = Serial RS-485"}},
        {"KEX200", {"P = Panel Mount", "", "8 = 8 Axes", "M = Modbus TCP", "", "1 = Front Display"}},
    };
    mdiMain& main = mainWindow();
    main.mnuController_Only()->trigger();
    ProjectRoundTrip guard(main, *files, *msg);
    for (const auto& [controller, values] : controllers) {
        form()->Reset();
        configureController(controller, values);
        ASSERT_GT(Total_Axes, 0) << controller.toStdString();
        const QList<CascadePath> paths = pathsOn(controller);
        for (int i = 0; i < paths.size(); ++i) {
            configureAxis(i % Total_Axes + 1, paths.at(i));
            ASSERT_EQ(guard.differences(), QString()) << paths.at(i).describe().toStdString();
        }
    }
    EXPECT_GE(guard.checked(), 25);
}
