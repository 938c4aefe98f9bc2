#include "HttpTestServer.h"
#include "WindowsFixture.h"

#include "platform/ListControl.h"
#include "platform/OptionButton.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmSelection.h"
#include "shell/mdiMain.h"
#include "support/AppFixture.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

// The real drive setup form on the sample catalogue, driven from the main
// window the way a user goes: start dialog, choices, save, close, reopen,
// export and the price request.
class DriveProject : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        main = std::make_unique<mdiMain>();
        main->show();
        processEvents();
    }

    void TearDown() override
    {
        main.reset();
        AppFixture::TearDown();
    }

    void pick(const char* list, const QString& entry)
    {
        auto* control = Forms::find(QStringLiteral("frmDrive_Setup"))->findChild<ListControl*>(QString::fromLatin1(list));
        ASSERT_NE(control, nullptr) << list;
        ASSERT_TRUE(control->choose(entry)) << list << " lacks " << entry.toStdString();
    }

    QString listText(const char* list)
    {
        return Forms::find(QStringLiteral("frmDrive_Setup"))->findChild<ListControl*>(QString::fromLatin1(list))->currentText();
    }

    static QByteArray readBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<mdiMain> main;
    QTemporaryDir tmp;
};

TEST_F(DriveProject, SaveReopenExportAndPriceADriveSystem)
{
    auto* selection = Forms::find<frmSelection>(QStringLiteral("frmSelection"));
    ASSERT_NE(selection, nullptr);
    selection->Selection(2)->choose();
    selection->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
    ASSERT_TRUE(Forms::isLoaded("frmDrive_Setup"));

    pick("cmbMotor_Tech", "Stepper");
    const QList<QPair<const char*, QString>> path = {
        {"cmbDrive", "SMD-48"},   {"cmbMotor_Series", "SX"},
        {"cmbFrame_size", "23"},  {"cmbStack_length", "1"},
        {"cmbWinding", "B"},      {"cmbFeedback", "S = Single Shaft"},
        {"cmbShaft_options", "F = Flatted Shaft"}, {"cmbCable_Option", "C = Connector"},
        {"cmbOptions", "None"},
    };
    for (const auto& [list, entry] : path)
        pick(list, entry);
    ASSERT_EQ(Globals::Axis[0].Drive_Part_Number, "SMD48-3");
    ASSERT_EQ(Globals::Axis[0].Motor_Part_Number, "SX231B-SFC");

    const QString file = tmp.filePath(QStringLiteral("stepper.dat"));
    files->queuePath(file);
    main->mnuSave_As()->trigger();
    const QByteArray saved = readBytes(file);
    ASSERT_TRUE(saved.startsWith("4\r")) << saved.left(20).toStdString();
    EXPECT_TRUE(saved.endsWith('\r'));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - stepper.dat");

    main->mnuClose()->trigger();
    processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro");

    files->queuePath(file);
    main->mnuOpen()->trigger();
    EXPECT_TRUE(msg->messages().isEmpty()) << msg->prompts().join('\n').toStdString();
    EXPECT_FALSE(Globals::Loading_Project);
    EXPECT_EQ(main->windowTitle(), "Brevan Quenro - stepper.dat");
    EXPECT_EQ(listText("cmbDrive"), "SMD-48");
    EXPECT_EQ(listText("cmbWinding"), "B");
    EXPECT_EQ(Globals::Axis[0].Motor_Part_Number, "SX231B-SFC");

    // Saved again without a dialog, the replayed project gives the same file.
    main->mnuSave()->trigger();
    EXPECT_EQ(files->calls().size(), 2);
    EXPECT_EQ(readBytes(file), saved);

    const QString report = tmp.filePath(QStringLiteral("report.txt"));
    files->queuePath(report);
    main->mnuExport_Data()->trigger();
    EXPECT_TRUE(readBytes(report).contains("DRIVE: SMD48-3\r\n"));
    EXPECT_EQ(shell->opened(), QStringList({report}));

    HttpTestServer server;
    server.setResponder([](const HttpTestServer::Request& request) {
        return HttpTestServer::Reply{200, "OK", HttpTestServer::answerFor(request.body, "20240915", "EA"), false};
    });
    const QByteArray savedService = qgetenv("QUENRO_PRICE_SERVICE");
    qputenv("QUENRO_PRICE_SERVICE", server.baseUrl().toUtf8());
    const QString prices = tmp.filePath(QStringLiteral("prices.txt"));
    files->queuePath(prices);
    main->createXMLfor_Extranet();
    if (savedService.isNull())
        qunsetenv("QUENRO_PRICE_SERVICE");
    else
        qputenv("QUENRO_PRICE_SERVICE", savedService);

    ASSERT_EQ(server.requests().size(), 1);
    const QByteArray table = readBytes(prices);
    EXPECT_TRUE(table.startsWith("SMD48-3\t\t09/15/2024\t\tEA\t\t\r\nSX231B-SFC\t\t09/15/2024\t\tEA\t\t\r\n"))
        << table.toStdString();
    EXPECT_EQ(table.count("\r\n"), Globals::BOM_Count);
    EXPECT_EQ(shell->opened().last(), prices);
}
