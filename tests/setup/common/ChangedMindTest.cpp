#include "support/ProjectRoundTrip.h"
#include "support/SetupFormFixture.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

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
// technology, an empty entry skips the list) and given a gearhead where one is
// named, the drive/controller's option levels chosen (the name left empty),
// then a change of mind. A change that keeps something names a text the
// project then holds once more; any other change leaves everything as it was.
struct Row {
    const char* name;
    int kind;
    QStringList controller;
    QList<QStringList> passes;
    Change change;
    Pick what;
    const char* gearhead = "";
    const char* kept = "";
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

    // The gearhead dialog opened again and closed by the button (or "close")
    // with the gearhead highlighted (none when empty).
    static void reopenGearhead(ChangedMindTest& t, const Pick& p)
    {
        t.pick("cmbOptions", "GXX = Gearhead");
        t.closeGearhead(p.entry, p.list);
    }

    static void typeGearheadNotes(ChangedMindTest& t, const Pick& p)
    {
        t.pick("cmbOptions", "GXX = Gearhead");
        t.closeGearhead(p.entry, "cmdDone", "Typed notes\nsecond line");
    }

    // The options dialog opened again, the accessory dialog opened by the
    // button (on the options dialog or the form), the entry ticked, and the
    // options dialog closed by its close box.
    static void tickThenCloseOptions(ChangedMindTest& t, const Pick& p)
    {
        Form* options = t.openOptions();
        ASSERT_NE(options, nullptr);
        QPushButton* button = options->findChild<QPushButton*>(p.list);
        if (!button)
            button = t.setupForm()->findChild<QPushButton*>(p.list);
        button->click();
        processEvents();
        auto* accessories = Forms::find("frmAccessories");
        ASSERT_NE(accessories, nullptr);
        auto* offered = accessories->findChild<MultiList*>("lstAccessories");
        const qsizetype entry = offered->items().indexOf(QString::fromUtf8(p.entry));
        ASSERT_GE(entry, 0) << p.entry;
        offered->choose(static_cast<int>(entry));
        options->close();
        processEvents();
        EXPECT_FALSE(Forms::isLoaded("frmAccessories"));
    }

    // The form's options dialog, opened by its button.
    Form* openOptions()
    {
        const bool controller = GetParam().kind == SetupKinds::Controller;
        click(controller ? "cmdController" : "cmdDriveController");
        processEvents();
        return Forms::find(controller ? "frmControl" : "frmDriveControl");
    }

protected:
    // The option levels of the row chosen and Done; the controller dialog
    // numbers its lists from 0, the drive/controller dialog from 1.
    void configureOptions()
    {
        const QStringList& levels = GetParam().controller;
        if (levels.isEmpty())
            return;
        const bool controller = GetParam().kind == SetupKinds::Controller;
        if (controller)
            pick("cmbController", levels.at(0));
        Form* options = openOptions();
        ASSERT_NE(options, nullptr);
        for (qsizetype l = 1; l < levels.size(); ++l)
            ASSERT_TRUE(levels.at(l).isEmpty()
                        || options->findChild<ListControl*>(QStringLiteral("cmb1(%1)").arg(controller ? l - 1 : l))
                               ->choose(levels.at(l)));
        options->findChild<QPushButton*>("cmdDone")->click();
        processEvents();
    }

    void configureAxis()
    {
        if (GetParam().kind == SetupKinds::Controller)
            configureOptions();
        const QString drive = GetParam().kind == SetupKinds::DriveController ? "cmbDriveController" : "cmbDrive";
        const QStringList lists {"cmbMotor_Tech", drive, "cmbMotor_Series", "cmbFrame_size", "cmbStack_length",
                                 "cmbWinding", "cmbFeedback", "cmbShaft_options", "cmbCable_Option", "cmbOptions",
                                 "cmbDriveVoltage", "cmbWiring", "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"};
        for (const QStringList& pass : GetParam().passes)
            SetupFormFixture::configure(lists, pass);
        if (*GetParam().gearhead) {
            pick("cmbOptions", "GXX = Gearhead");
            chooseGearhead(GetParam().gearhead);
        }
        if (GetParam().kind == SetupKinds::DriveController)
            configureOptions();
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

} // namespace

TEST_P(ChangedMindTest, TheAxisSavesAndReopensAsBeforeTheChange)
{
    mdiMain& main = mainWindow();
    newProject();
    configureAxis();
    ASSERT_EQ(msg->prompts(), QStringList {});
    const QString saved = setup()->Save_String();
    const QStringList shown = screen();

    GetParam().change(*this, GetParam().what);
    const QString kept = QString::fromUtf8(GetParam().kept);
    if (kept.isEmpty()) {
        EXPECT_EQ(setup()->Save_String(), saved);
        EXPECT_EQ(screen(), shown);
    } else {
        EXPECT_GT(setup()->Save_String().count(kept), saved.count(kept));
    }
    const QString changed = setup()->Save_String();
    EXPECT_EQ(ProjectRoundTrip(main, *files, *msg).differences(), QString());
    EXPECT_EQ(setup()->Save_String(), changed);
}

const QStringList kKx {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft",
                       "C = Connectors", "0 = Standard", "230VAC", "", "3", "3"};
// An LM 60 axis from the frame size on.
const QStringList kLm60 {"60", "2", "", "R = Resolver", "S = Smooth Shaft", "", "0 = Standard", "230VAC", "", "3", "3"};
const QStringList kKex200 {"KEX200", "D = DIN Rail", "", "4 = 4 Axes", "E = Ethernet", "", "0 = No Display"};
const QStringList kBmc300 {"BMC300", "3 = 3 Axes", "E = Encoder", "0 = No I/O", "E = Ethernet"};
// A KX 23 axis up to its cable option, on the drive of each form.
const QStringList kKxTo(const char* drive)
{
    return {"Servo", drive, "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft", "C = Connectors"};
}
const QStringList kBsd460Lm {"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "",
                             "0 = Standard", "460VAC", "", "3", "3"};

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
             ChangedMindTest::refuse, {"cmbController", "BMC100"}},
        // The gearhead dialog opened again and left without a new gearhead.
        Row {"GearheadCancelled", SetupKinds::Drive, {}, {kKxTo("BSD-230")}, ChangedMindTest::reopenGearhead,
             {"cmdCancel", "GP23-010"}, "GP23-005"},
        Row {"GearheadClosedWithNothingHighlighted", SetupKinds::DriveController, {}, {kKxTo("BSC-230")},
             ChangedMindTest::reopenGearhead, {"close", ""}, "GR23-020"},
        Row {"GearheadDoneWithNothingHighlighted", SetupKinds::Controller, kKex200, {kKxTo("BSD-230")},
             ChangedMindTest::reopenGearhead, {"cmdDone", ""}, "GP23-005"},
        // Notes the user typed for the gearhead.
        Row {"TypedGearheadNotes", SetupKinds::Drive, {}, {kKxTo("BSD-230")}, ChangedMindTest::typeGearheadNotes,
             {"", "GP23-005"}, "GP23-005", "Typed notes"},
        Row {"DriveControllerTypedGearheadNotes", SetupKinds::DriveController, {}, {kKxTo("BSC-230")},
             ChangedMindTest::typeGearheadNotes, {"", "GR23-020"}, "GR23-020", "Typed notes"},
        Row {"ControllerTypedGearheadNotes", SetupKinds::Controller, kKex200, {kKxTo("BSD-230")},
             ChangedMindTest::typeGearheadNotes, {"", "GP23-005"}, "GP23-005", "Typed notes"},
        // An accessory ticked, then the options dialog closed by its close box.
        Row {"DriveControllerAccessoryThenOptionsClosed", SetupKinds::DriveController,
             {"", "E = Ethernet", "", "2 = 16 DI / 8 DO", "0 = No Safe Torque Off"},
             {{"Servo", "BSC-230", "KX", "23", "1", "", "", "S = Smooth Shaft", "C = Connectors", "0 = Standard",
               "230VAC", "", "3", "3"}},
             ChangedMindTest::tickThenCloseOptions, {"cmdAccessories", "BRK-R50 = 50 Ohm Braking Resistor"}, "",
             "BRK-R50 = 50 Ohm Braking Resistor"},
        Row {"ControllerAccessoryThenOptionsClosed", SetupKinds::Controller, kKex200, {kBsd460Lm},
             ChangedMindTest::tickThenCloseOptions, {"cmdAccessories", "PS-24-10 = 24 VDC 10 A Power Supply"}, "",
             "PS-24-10 = 24 VDC 10 A Power Supply"},
        Row {"AxisDriveAccessoryThenOptionsClosed", SetupKinds::Controller, kKex200, {kBsd460Lm},
             ChangedMindTest::tickThenCloseOptions, {"cmdDriveAccessories", "BRK-R100 = 100 Ohm Braking Resistor"},
             "", "BRK-R100 = 100 Ohm Braking Resistor"}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
