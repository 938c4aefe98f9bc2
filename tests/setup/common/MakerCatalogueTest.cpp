// The maker's catalogue (SqliteFile::writeMakerCatalogue) taken
// through the three setup forms: each odd row's road gives the lists, hidden
// controls, part numbers, bill and messages its values mean, and what the road
// saves reopens quietly as it was, billing only what the catalogue offers.
// Every seed project opens on that catalogue as on the sample.

#include "support/ProjectRoundTrip.h"
#include "support/SetupFormFixture.h"
#include "support/SqliteFile.h"

#include "platform/ListControl.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "setup/common/TextBox.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {

class MakerCatalogueTest;
using Step = void (*)(MakerCatalogueTest&);

// A control of the setup form as the user sees it.
struct Shown {
    const char* control;
    const char* state;
};

// One road: on a form of the kind opened through the main window, the
// controller and its levels (first the name), the axis list by list (each
// pass picks in cascade order from the technology, an empty entry skips the
// list), the drive/controller's levels, then a step of the row's own; every
// message the road showed, the option levels as Done found them, controls of
// the setup form as they then show, and the bill. The variant's statements
// change the catalogue further.
struct Road {
    const char* name;
    int kind;
    QStringList controller;
    QList<QStringList> passes;
    QStringList levels;
    Step step;
    QStringList messages;
    QStringList levelsShown;
    QList<Shown> shown;
    QStringList bill;
    QStringList variant {};
};

void PrintTo(const Road& road, std::ostream* out)
{
    *out << road.name;
}

const QStringList kLists {"cmbMotor_Tech",    "",           "cmbMotor_Series",       "cmbFrame_size",
                          "cmbStack_length",  "cmbWinding", "cmbFeedback",           "cmbShaft_options",
                          "cmbCable_Option",  "cmbOptions", "cmbDriveVoltage",       "cmbWiring",
                          "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"};

class MakerCatalogueTest : public SetupFormFixture, public ::testing::WithParamInterface<Road> {
public:
    MakerCatalogueTest() : SetupFormFixture(GetParam().kind) {}
    using SetupFormFixture::click;
    using SetupFormFixture::pick;

    QStringList m_levelsShown;

    // The state a control of the setup form shows: "hidden" and "disabled"
    // when so, a list's text and entries, a box's or label's text.
    QString state(const QString& name)
    {
        QWidget* w = widget(name);
        return w ? describe(w) : QString();
    }

    static QString describe(QWidget* w)
    {
        QString out = QString(w->isHidden() ? "hidden " : "") + (w->isEnabled() ? "" : "disabled ");
        if (auto* l = qobject_cast<ListControl*>(w))
            return out + l->text() + " [" + l->items().join('|') + ']';
        if (auto* b = qobject_cast<TextBox*>(w))
            return out + b->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            return out + label->text();
        return out.trimmed();
    }

    static QStringList bill()
    {
        QStringList lines;
        for (const Globals::BillLine& line : Globals::Current_Bill())
            lines << line.quantity + '|' + line.partNumber + '|' + line.description;
        return lines;
    }

    // A dialog of the program, loaded.
    static Form* dialog(const QString& name)
    {
        Form* form = Forms::find(name);
        EXPECT_NE(form, nullptr) << name.toStdString();
        return form;
    }

    // The setup form's accessory or options button and the accessory dialog it opens.
    frmAccessories* openAccessories(const char* button, Form* owner = nullptr)
    {
        (owner ? owner : setupForm())->findChild<QPushButton*>(button)->click();
        processEvents();
        return Forms::find<frmAccessories>();
    }

    // The curve window the form's button opens, its caption and whether it draws a curve; closed again.
    QString curveWindow()
    {
        click("cmdCurve");
        processEvents();
        Form* curve = Forms::find(QStringLiteral("frmCurve"));
        if (!curve)
            return QStringLiteral("(no curve window)");
        const QString caption = curve->Caption();
        curve->close();
        processEvents();
        return caption;
    }

    // The options dialog the setup form's button opens.
    Form* openOptions(bool controller)
    {
        click(controller ? "cmdController" : "cmdDriveController");
        processEvents();
        return dialog(controller ? "frmControl" : "frmDriveControl");
    }

    // On the options dialog just opened: the accessory dialog, its list as offered; closed again with the options.
    QStringList offeredInOptions(bool controller)
    {
        Form* options = openOptions(controller);
        frmAccessories* accessories = options ? openAccessories("cmdAccessories", options) : nullptr;
        if (!accessories)
            return {QStringLiteral("(no accessory dialog)")};
        const QStringList offered = accessories->lstAccessories()->items();
        accessories->findChild<QPushButton*>("cmdDone")->click();
        options->findChild<QPushButton*>("cmdDone")->click();
        processEvents();
        return offered;
    }

    void configureLevels(const QStringList& levels, bool controller)
    {
        if (levels.isEmpty())
            return;
        Form* options = openOptions(controller);
        ASSERT_NE(options, nullptr);
        for (qsizetype l = 0; l < levels.size(); ++l) {
            const QString name = QStringLiteral("cmb1(%1)").arg(controller ? l : l + 1);
            auto* list = options->findChild<ListControl*>(name);
            ASSERT_TRUE(levels.at(l).isEmpty() || list->choose(levels.at(l)))
                << name.toStdString() << " lacks " << levels.at(l).toStdString() << "; holds "
                << list->items().join('|').toStdString();
        }
        for (ListControl* list : options->findChildren<ListControl*>())
            m_levelsShown << list->objectName() + ' ' + describe(list);
        m_levelsShown.sort();
        options->findChild<QPushButton*>("cmdDone")->click();
        processEvents();
    }

    void takeRoad()
    {
        const Road& road = GetParam();
        const bool controller = road.kind == SetupKinds::Controller;
        if (controller) {
            pick("cmbController", road.controller.at(0));
            configureLevels(road.controller.mid(1), true);
        }
        QStringList lists = kLists;
        lists[1] = road.kind == SetupKinds::DriveController ? "cmbDriveController" : "cmbDrive";
        for (const QStringList& pass : road.passes)
            configure(lists, pass);
        if (road.kind == SetupKinds::DriveController)
            configureLevels(road.levels, false);
        if (road.step)
            road.step(*this);
    }
};

} // namespace

TEST_P(MakerCatalogueTest, EachOddRowGivesWhatItMeansAndReopens)
{
    const Road& road = GetParam();
    QTemporaryDir folder;
    ASSERT_EQ(SqliteFile::writeMakerCatalogue(folder.path(), road.variant), QString());
    Globals::Set_App_Folder_For_Tests(folder.path());
    newProject();
    takeRoad();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(msg->prompts(), road.messages);
    msg->clear();
    EXPECT_EQ(m_levelsShown, road.levelsShown);
    for (const Shown& s : road.shown)
        EXPECT_EQ(state(s.control), s.state) << s.control;
    EXPECT_EQ(bill(), road.bill);
    EXPECT_EQ(ProjectRoundTrip(mainWindow(), *files, *msg).differences(), QString());
}

namespace {

// The empty entry of a list chosen, and the lists after it chosen too: the
// file holds the empty value between chosen ones, which a reopening chooses again.
void emptyStackChosen(MakerCatalogueTest& t)
{
    t.pick("cmbStack_length", "");
}

// The gearhead list stops at its first empty code: it offers none, and Done leaves the option as it was.
void gearheadListEmpty(MakerCatalogueTest& t)
{
    t.pick("cmbOptions", "GXX = Gearhead");
    Form* gear = MakerCatalogueTest::dialog("frmGear");
    ASSERT_NE(gear, nullptr);
    EXPECT_EQ(gear->findChild<ListControl*>("cmbGear")->items(), QStringList {});
    gear->findChild<QPushButton*>("cmdDone")->click();
    MakerCatalogueTest::processEvents();
    EXPECT_FALSE(Forms::isLoaded("frmGear"));
    t.pick("cmbOptions", "N/A");
}

// Accessories empty, "N/A" or "None" are never offered to a drive.
void driveAccessoriesAndCurve(MakerCatalogueTest& t)
{
    frmAccessories* accessories = t.openAccessories("cmdDriveAccessories");
    ASSERT_NE(accessories, nullptr);
    EXPECT_EQ(accessories->lstAccessories()->items(), t.GetParam().variant.isEmpty()
                                                          ? QStringList {"TB-9 = Terminal Block"}
                                                          : QStringList {});
    accessories->findChild<QPushButton*>("cmdDone")->click();
    MakerCatalogueTest::processEvents();
    EXPECT_EQ(t.curveWindow(), "Performance Curve");
}

void curveWithout(MakerCatalogueTest& t)
{
    EXPECT_EQ(t.curveWindow(), "Performance Curve");
}

// A drive/controller lists "None" among its accessories, never an empty one
// or "N/A"; a card without a description is chosen and billed as it stands.
void cardWithoutDescription(MakerCatalogueTest& t)
{
    EXPECT_EQ(t.offeredInOptions(false), (QStringList {"FLT-9 = Line Filter", "None"}));
    Form* options = t.openOptions(false);
    ASSERT_NE(options, nullptr);
    frmAccessories* accessories = t.openAccessories("cmdAccessories", options);
    ASSERT_NE(accessories, nullptr);
    accessories->optExp(1)->choose();
    QStringList rows;
    int nameless = -1;
    for (int r = 0; r < frmAccessories::Card_Rows; ++r)
        if (!accessories->lblTuq_Card(r)->isHidden()) {
            rows << accessories->lblTuq_Card(r)->text() + '|' + accessories->lblTuq_Desc(r)->text() + '|'
                    + accessories->cmbTuq(r)->text();
            if (accessories->lblTuq_Card(r)->text() == "DUW-ND")
                nameless = r;
        }
    EXPECT_EQ(rows, (QStringList {"DUW-16DI|16 Digital Inputs, 24 VDC|0", "DUW-16DO|16 Digital Outputs, 24 VDC 0.5 A|0",
                                  "DUW-8AI|8 Analog Inputs, +/-10 V|0", "DUW-ND||0", "DUW-NQ|No preset quantity|"}));
    ASSERT_GE(nameless, 0);
    accessories->cmbTuq(nameless)->choose("2");
    accessories->findChild<QPushButton*>("cmdDone")->click();
    options->findChild<QPushButton*>("cmdDone")->click();
    MakerCatalogueTest::processEvents();
}

// An empty controller accessory is never offered.
void controllerAccessories(MakerCatalogueTest& t)
{
    EXPECT_EQ(t.offeredInOptions(true), QStringList {"PS-24-05 = 24 VDC 5 A Power Supply"});
}

const QStringList kEmptyAccessories {"DELETE FROM [Drive Only Accessories]", "DELETE FROM [Drive Accessories]",
                                     "DELETE FROM [DriveController Accessories]",
                                     "DELETE FROM [Controller Accessories]", "DELETE FROM ExpIO"};

INSTANTIATE_TEST_SUITE_P(
    Roads, MakerCatalogueTest,
    ::testing::Values(
        // Rows without a name are not listed, nor a series whose include flag
        // is Null; a Null voltage column offers nothing, an empty code its
        // voltage (whose drive code, read from a Null column, builds no part
        // number); another type builds no motor part number and the curve
        // window shows none; a Null prefix adds nothing.
        Road {"AnotherPartNumberType", SetupKinds::Drive, {},
              {{"Servo", "BSD-900", "QX", "40", "1", "A", "E = Encoder", "N/A", "C = Connectors", "0 = Standard",
                "230VAC"}},
              {}, driveAccessoriesAndCurve, {}, {},
              {{"cmbDrive", "BSD-900 [BSD-230|BSD-460|BSD-48|BSD-900|ZU]"},
               {"cmbMotor_Series", "QX [QE|QN|QX]"},
               {"cmbDriveVoltage", "230VAC [24VDC|120VAC|230VAC]"},
               {"txtMotor_Part", "Motor: "},
               {"txtDrive", "Drive: 09-X\r\nNotes: BSD-900 notes"}},
              {"1|09-X|BSD-900 Drive"}},
        Road {"EmptyAccessoryTables", SetupKinds::Drive, {},
              {{"Servo", "BSD-900", "QX", "40", "1", "A", "E = Encoder", "N/A", "C = Connectors", "0 = Standard",
                "230VAC"}},
              {}, driveAccessoriesAndCurve, {}, {}, {}, {"1|09-X|BSD-900 Drive"}, kEmptyAccessories},
        // Without a type the drive form takes no frame size.
        Road {"NoPartNumberTypeTakesNoFrameSize", SetupKinds::Drive, {}, {{"Servo", "BSD-900", "QE", "40"}}, {},
              nullptr, {}, {}, {{"cmbFrame_size", " [40]"}, {"cmbStack_length", "disabled  []"}}, {}},
        // A Null value is no entry, an empty one an entry like any other; "N/A"
        // adds no code; a cable Null or without rows offers no length and
        // bills nothing; empty drive notes end the drive text.
        Road {"EmptyAndNullListedValuesAndCables", SetupKinds::Drive, {},
              {{"Servo", "", "QN", "50", "1"}}, {}, gearheadListEmpty, {}, {},
              {{"cmbStack_length", "1 [|1]"},
               {"cmbOptions", "N/A [|GXX = Gearhead|N/A]"},
               {"cmbMotor_Cable_Length", "hidden  []"},
               {"cmbFeedback_Cable_Length", "hidden  []"},
               {"txtMotor", "Motor Cable: \r\nFeedback Cable: FBC-NONE\r\nNotes: QN notes"},
               {"txtMotor_Part", "Motor: QN501"},
               {"txtDrive", "Drive: 09-X\r\nNotes: "}},
              {"1|09-X|BSD-900 Drive", "1|QN501|QN Series Motor"}},
        Road {"AChosenEmptyEntryReopens", SetupKinds::Drive, {}, {{"Servo", "", "QN", "50"}}, {}, emptyStackChosen,
              {}, {}, {{"cmbStack_length", " [|1]"}, {"cmbWinding", "N/A [N/A]"}}, {}},
        // A stepper without a feedback cable; a Null parallel column gives no
        // wiring, an empty code offers its voltage; a cable part number "N/A" bills nothing.
        Road {"StepperWithoutFeedbackCable", SetupKinds::Drive, {},
              {{"Stepper", "SMD-900", "SZ", "17", "1", "A", "", "", "", "", "", "", "3"}}, {}, nullptr, {}, {},
              {{"cmbDriveVoltage", "48VDC [48VDC|75VDC]"},
               {"cmbWiring", "SERIES [SERIES]"},
               {"cmbMotor_Cable_Length", "3 [3]"},
               {"cmbFeedback_Cable_Length", "hidden  []"},
               {"txtMotor_Part", "Motor: SZ171A"}},
              {"1|SMD904|SMD-900 Drive", "1|SZ171A|SZ Series Motor"}},
        // Level 1 lists no Null or empty value; a lone "N/A" passes unseen, a
        // lone empty value is shown, chosen and counts at Done; the series
        // without a type runs in full and builds no motor part number.
        Road {"EmptyLevelChosenAlone", SetupKinds::DriveController, {},
              {{"Servo", "BSC-900", "", "40", "1", "A", "E = Encoder"}}, {"E = Ethernet", "", "1 = Basic"},
              curveWithout, {},
              {"cmb1(1) E = Ethernet [C = CAN Bus|E = Ethernet]", "cmb1(2) hidden N/A [N/A]",
               "cmb1(3) 1 = Basic [1 = Basic|2 = Full]", "cmb1(4)  []"},
              {{"txtDriveController", "Drive: BSC906-E1\r\nNotes: BSC-900 notes"}, {"txtMotor_Part", "Motor: "}},
              {"1|BSC906-E1|BSC-900 Drive/Controller"}},
        // An empty part number gives no option code.
        Road {"EmptyLevelAndEmptyPartNumber", SetupKinds::DriveController, {},
              {{"Servo", "BSC-900", "", "40", "1", "A", "E = Encoder"}}, {"C = CAN Bus"}, nullptr, {},
              {"cmb1(1) C = CAN Bus [C = CAN Bus|E = Ethernet]", "cmb1(2)  []", "cmb1(3) hidden N/A [N/A]",
               "cmb1(4) hidden N/A [N/A]"},
              {{"txtDriveController", "Drive: BSC906\r\nNotes: BSC-900 notes"}},
              {"1|BSC906|BSC-900 Drive/Controller"}},
        // "N/A" beside another value is one of them; a Null part number gives no option code.
        Road {"NotAvailableBesideAValue", SetupKinds::DriveController, {},
              {{"Servo", "BSC-900", "", "40", "1", "A", "E = Encoder"}}, {"E = Ethernet", "", "2 = Full", "N/A"},
              nullptr, {},
              {"cmb1(1) E = Ethernet [C = CAN Bus|E = Ethernet]", "cmb1(2) hidden N/A [N/A]",
               "cmb1(3) 2 = Full [1 = Basic|2 = Full]", "cmb1(4) N/A [N/A|S = Safe Torque Off]"},
              {{"txtDriveController", "Drive: BSC906\r\nNotes: BSC-900 notes"}},
              {"1|BSC906|BSC-900 Drive/Controller"}},
        Road {"CardWithoutDescription", SetupKinds::DriveController, {},
              {{"Servo", "BSC-900", "", "40", "1", "A", "E = Encoder"}},
              {"E = Ethernet", "", "2 = Full", "S = Safe Torque Off"}, cardWithoutDescription, {},
              {"cmb1(1) E = Ethernet [C = CAN Bus|E = Ethernet]", "cmb1(2) hidden N/A [N/A]",
               "cmb1(3) 2 = Full [1 = Basic|2 = Full]", "cmb1(4) S = Safe Torque Off [N/A|S = Safe Torque Off]"},
              {{"txtDriveController", "Drive: BSC906-E2S\r\nNotes: BSC-900 notes"}},
              {"1|BSC906-E2S|BSC-900 Drive/Controller", "2|DUW-ND|"}},
        // A part-way project, the series chosen first and then a plain drive its list offers.
        Road {"SeriesFirstThenAPlainDrive", SetupKinds::DriveController, {}, {{"Servo", "", "KX"}, {"", "BSD-230"}},
              {}, nullptr, {}, {}, {{"cmbDriveController", "BSD-230 [BSC-230|BSD-230|BSD-460|BSD-48]"}}, {}},
        // Levels as on the drive/controller dialog, but "N/A" is not listed on
        // level 1 either; an empty required accessory, cable and drive
        // accessory are none: no breakout, no length, nothing billed.
        Road {"ControllerWithoutRequiredAccessory", SetupKinds::Controller, {"ZC900", "", "", "", "", "", "N/A"},
              {{"Servo", "BSD-900", "QE", "40", "1", "A", "E = Encoder"}}, {}, curveWithout, {},
              {"cmb1(0) D = DIN Rail [D = DIN Rail]", "cmb1(1)  []", "cmb1(2) hidden N/A [N/A]",
               "cmb1(3) 2 = 2 Axes [2 = 2 Axes]", "cmb1(4) hidden N/A [N/A]", "cmb1(5) N/A [1 = Display|N/A]"},
              {{"cmbController", "ZC900 [9Q10|BMC100|BMC1600|BMC300|KEX200|ZC900|ZT900]"},
               {"txtController", "Required Controller Accessories: \r\nDrive Specific Controller Accessory: \r\n"
                                 "Cables: \r\nNotes: "},
               {"cmbController_Cable_Length", "hidden  []"},
               {"cmbAxis_Number", "hidden  []"},
               {"txtController_part", "ZC9-D2"}},
              {"1|ZC9-D2|Controller", "1|09-X|BSD-900 Drive Axis 1"}},
        // A command cable without rows offers no length; "n/a" is no accessory.
        Road {"CableWithoutRowsAndLowerCaseNotAvailable", SetupKinds::Controller,
              {"ZC900", "", "", "", "", "", "N/A"}, {{"Stepper", "SMD-900", "SZ", "17", "1", "A"}}, {},
              controllerAccessories, {},
              {"cmb1(0) D = DIN Rail [D = DIN Rail]", "cmb1(1)  []", "cmb1(2) hidden N/A [N/A]",
               "cmb1(3) 2 = 2 Axes [2 = 2 Axes]", "cmb1(4) hidden N/A [N/A]", "cmb1(5) N/A [1 = Display|N/A]"},
              {{"txtController", "Required Controller Accessories: \r\nDrive Specific Controller Accessory: n/a\r\n"
                                 "Cables: CDC-NOROWS\r\nNotes: "},
               {"cmbController_Cable_Length", " []"}},
              {"1|ZC9-D2|Controller", "1|SMD904|SMD-900 Drive Axis 1", "1|SZ171A|SZ Series Motor Axis 1"}},
        // A breakout whose rows hold no port count is the catalogue's damage,
        // named where its one drive would connect: the drive is not taken.
        Road {"BreakoutWithoutPortCounts", SetupKinds::Controller, {"ZT900", ""}, {{"Servo"}}, {}, nullptr,
              {"The database System Databases97.mdb has no value in column \"All Controllers.TNL Axes\" for "
               "\"ZT900\"."},
              {"cmb1(0) S = Standard [S = Standard]", "cmb1(1) hidden N/A [N/A]", "cmb1(2) hidden N/A [N/A]",
               "cmb1(3) hidden N/A [N/A]", "cmb1(4) hidden N/A [N/A]", "cmb1(5) hidden N/A [N/A]"},
              {{"cmbDrive", " [BSD-900]"},
               {"txtController", "hidden Required Controller Accessories: \r\nDrive Specific Controller Accessory: "
                                 "\r\nCables: \r\nNotes: "}},
              {"1|ZT9-S|Controller"}}),
    [](const ::testing::TestParamInfo<Road>& info) { return std::string(info.param.name); });

} // namespace

namespace {

class SeedsOnMakerCatalogueTest : public AppFixture {
protected:
    // The seed opened through File > Open (the options dialogs it shows
    // closed by Done): what was told, the saved text and the bill.
    QString open(const QString& seed)
    {
        msg->clear();
        files->queuePath(seed);
        mainWindow().mnuOpen_Click();
        for (const SetupKinds::Kind& kind : SetupKinds::all())
            if (Form* options = kind.optionsDialog.isEmpty() ? nullptr : Forms::find(kind.optionsDialog))
                options->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
        processEvents();
        const SetupKinds::Kind* kind = SetupKinds::find(SetupKinds::projectKind(Globals::System_Type));
        auto* form = kind ? Forms::find<SetupForm>(kind->form) : nullptr;
        return msg->prompts().join('|') + "\r---\r" + (form ? form->Save_String() : QString()) + "\r---\r"
            + MakerCatalogueTest::bill().join("\r");
    }
};

} // namespace

TEST_F(SeedsOnMakerCatalogueTest, EverySeedOpensAsOnTheSample)
{
    const QDir seeds(QStringLiteral(QUENRO_TEST_SOURCE_DIR "/fuzz/seeds/project_file"));
    const QStringList names = seeds.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    QTemporaryDir folder;
    ASSERT_EQ(SqliteFile::writeMakerCatalogue(folder.path()), QString());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        Globals::Set_App_Folder_For_Tests({});
        const QString onSample = open(seeds.filePath(name));
        Globals::Set_App_Folder_For_Tests(folder.path());
        EXPECT_EQ(open(seeds.filePath(name)), onSample);
        EXPECT_TRUE(onSample.startsWith("\r---\r")) << onSample.left(200).toStdString();
    }
}
