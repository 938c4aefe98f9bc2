#include "support/ProjectRoundTrip.h"
#include "support/SetupFormFixture.h"

#include "platform/ListControl.h"
#include "setup/drive/TextBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

struct Pick {
    const char* list;
    const char* entry;
};

class ChangedMindTest;
// What the user does on the configured axis before thinking better of it.
using Change = void (*)(ChangedMindTest&, const Pick&);

// One row: on a form of the kind opened through the main window, the
// controller configured (its name, then its option levels), an axis
// configured list by list (each pass picks in cascade order from the
// technology, an empty entry skips the list), then a change of mind.
struct Row {
    const char* name;
    int kind;
    QStringList controller;
    QList<QStringList> passes;
    Change change;
    Pick what;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

class ChangedMindTest : public SetupFormFixture, public ::testing::WithParamInterface<Row> {
public:
    ChangedMindTest() : SetupFormFixture(GetParam().kind) {}

    // The user picks an entry that does not go with the axis and answers No.
    static void refuse(ChangedMindTest& t, const Pick& p)
    {
        t.msg->queue(MsgBox::No);
        t.pick(p.list, p.entry);
        ASSERT_EQ(t.msg->messages().size(), 1);
        EXPECT_TRUE(t.msg->prompts().at(0).endsWith("Would you like to reset the axis?"));
        t.msg->clear();
    }

protected:
    void configureAxis()
    {
        if (const QStringList& controller = GetParam().controller; !controller.isEmpty()) {
            pick("cmbController", controller.at(0));
            click("cmdController");
            Form* options = Forms::find("frmControl");
            ASSERT_NE(options, nullptr);
            for (qsizetype l = 1; l < controller.size(); ++l)
                ASSERT_TRUE(controller.at(l).isEmpty()
                            || options->findChild<ListControl*>(QStringLiteral("cmb1(%1)").arg(l - 1))
                                   ->choose(controller.at(l)));
            options->findChild<QPushButton*>("cmdDone")->click();
            processEvents();
        }
        const QString drive = GetParam().kind == SetupKinds::DriveController ? "cmbDriveController" : "cmbDrive";
        const QStringList lists {"cmbMotor_Tech", drive, "cmbMotor_Series", "cmbFrame_size", "cmbStack_length",
                                 "cmbWinding", "cmbFeedback", "cmbShaft_options", "cmbCable_Option", "cmbOptions",
                                 "cmbDriveVoltage", "cmbWiring", "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"};
        for (const QStringList& pass : GetParam().passes)
            SetupFormFixture::configure(lists, pass);
    }

    // Every control of the form as the user sees it.
    QStringList screen()
    {
        QStringList out;
        for (QWidget* w : setupForm()->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                continue;
            QString state = QStringLiteral("%1 %2%3").arg(w->objectName()).arg(w->isHidden()).arg(w->isEnabled());
            if (auto* list = qobject_cast<ListControl*>(w))
                state += list->text() + " [" + list->items().join('|') + ']';
            else if (auto* box = qobject_cast<TextBox*>(w))
                state += box->text();
            else if (auto* label = qobject_cast<QLabel*>(w))
                state += label->text() + QString::number(label->pixmap().cacheKey());
            out << state;
        }
        return out;
    }
};

QAction* menuOf(mdiMain& main, int kind)
{
    return kind == SetupKinds::Drive ? main.mnuDrive()
        : kind == SetupKinds::DriveController ? main.mnuDrive_Controller()
                                              : main.mnuController_Only();
}

} // namespace

TEST_P(ChangedMindTest, TheAxisSavesAndReopensAsBeforeTheChange)
{
    mdiMain& main = mainWindow();
    menuOf(main, GetParam().kind)->trigger();
    configureAxis();
    ASSERT_EQ(msg->prompts(), QStringList {});
    const QString saved = setup()->Save_String();
    const QStringList shown = screen();

    GetParam().change(*this, GetParam().what);
    EXPECT_EQ(setup()->Save_String(), saved);
    EXPECT_EQ(screen(), shown);
    EXPECT_EQ(ProjectRoundTrip(main, *files, *msg).differences(), QString());
    EXPECT_EQ(setup()->Save_String(), saved);
}

const QStringList kKx {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft",
                       "C = Connectors", "0 = Standard", "230VAC", "", "3", "3"};
// An LM 60 axis from the frame size on.
const QStringList kLm60 {"60", "2", "", "R = Resolver", "S = Smooth Shaft", "", "0 = Standard", "230VAC", "", "3", "3"};
const QStringList kKex200 {"KEX200", "D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"};
const QStringList kBmc300 {"BMC300", "3 = 3 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"};

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangedMindTest,
    ::testing::Values(
        // A drive or series that does not go with the other, then No.
        Row {"DriveRefused", SetupKinds::Drive, {}, {kKx}, ChangedMindTest::refuse, {"cmbDrive", "ZU"}},
        Row {"SeriesRefused", SetupKinds::Drive, {},
             {{"Servo", "", "ZU", "34", "", "", "", "", "", "", "24VDC", "", "3"}}, ChangedMindTest::refuse,
             {"cmbMotor_Series", "KX"}},
        Row {"DriveControllerRefused", SetupKinds::DriveController, {},
             {{"Servo", "BSC-230", "KX", "23", "1", "", "", "S = Smooth Shaft", "C = Connectors", "0 = Standard",
               "230VAC", "", "3", "3"}},
             ChangedMindTest::refuse, {"cmbDriveController", "iQO"}},
        Row {"DriveControllerSeriesRefused", SetupKinds::DriveController, {},
             {{"Servo", "", "KX"}, {"", "BSC-230", "", "23", "1", "", "", "S = Smooth Shaft", "C = Connectors",
                                    "0 = Standard", "230VAC", "", "3", "3"}},
             ChangedMindTest::refuse, {"cmbMotor_Series", "iQO"}},
        // The controller form: the series against the drive and against the
        // controller, the drive against the series, the controller against the
        // drive and against the series.
        Row {"ControllerSeriesRefusedByTheDrive", SetupKinds::Controller, kKex200,
             {{"Servo", "", "LM"}, QStringList {"", "BSD-230", ""} + kLm60}, ChangedMindTest::refuse,
             {"cmbMotor_Series", "ZU"}},
        Row {"ControllerSeriesRefusedByTheController", SetupKinds::Controller, kBmc300, {{"Servo", "", "KX"}},
             ChangedMindTest::refuse, {"cmbMotor_Series", "ZU"}},
        Row {"ControllerDriveRefusedByTheSeries", SetupKinds::Controller, kKex200,
             {QStringList {"Servo", "BSD-230", "LM"} + kLm60}, ChangedMindTest::refuse, {"cmbDrive", "BSD-48"}},
        Row {"ControllerRefusedByTheDrive", SetupKinds::Controller, kKex200,
             {{"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "", "0 = Standard",
               "460VAC", "", "3", "3"}},
             ChangedMindTest::refuse, {"cmbController", "BMC300"}},
        Row {"ControllerRefusedByTheSeries", SetupKinds::Controller, {}, {{"Servo", "", "LM"}},
             ChangedMindTest::refuse, {"cmbController", "BMC100"}}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
