#include "shell/Dependents.h"

#include "common/StandInForm.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Globals;

namespace {

// Values of different stages, by name; each is set to its name before a drop.
struct Named {
    const char* name;
    std::function<QString&()> value;
};

AxisRecord& axis(int a)
{
    return Axis[static_cast<std::size_t>(a - 1)];
}

const QList<Named>& values()
{
    static const QList<Named> named = {
        {"technology", []() -> QString& { return axis(1).Motor_Technology; }},
        {"drive", []() -> QString& { return axis(1).Drive_Name; }},
        {"accessory", []() -> QString& { return axis(1).Drive_Accessory_Entry[0]; }},
        {"required accessory", []() -> QString& { return axis(1).Required_Drive_Accessory; }},
        {"cable length", []() -> QString& { return axis(1).Controller_Cable_Length; }},
        {"series", []() -> QString& { return axis(1).Motor_Series; }},
        {"frame", []() -> QString& { return axis(1).Frame_Size; }},
        {"feedback", []() -> QString& { return axis(1).Feedback; }},
        {"shaft", []() -> QString& { return axis(1).Shaft_Option; }},
        {"gearhead", []() -> QString& { return axis(1).Gearhead_Code; }},
        {"motor", []() -> QString& { return axis(1).Motor_Part_Number; }},
        {"wiring", []() -> QString& { return axis(1).Motor_Wiring; }},
        {"drive part", []() -> QString& { return axis(1).Drive_Part_Number; }},
        {"frequency", []() -> QString& { return axis(1).Switching_Frequency; }},
        {"axis 2 drive", []() -> QString& { return axis(2).Drive_Name; }},
        {"controller", []() -> QString& { return Controller_Name; }},
        {"breakout", []() -> QString& { return Breakout_Axes; }},
        {"controller part", []() -> QString& { return Controller_Part_Number; }},
        {"drive/controller options", []() -> QString& { return Drive_Controller_Options[1]; }},
        {"drive/controller notes", []() -> QString& { return Drive_Controller_Notes; }},
        {"extra 2", []() -> QString& { return Drive_Controller_Extra_2; }},
    };
    return named;
}

struct Case {
    const char* what;
    Stage dropped;
    bool qdServo;
    bool replaying;
    QStringList kept;
    int kind = SetupKinds::Controller;
};

class DependentsTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        Reset_All_State();
        StandInForm::reset();
        Current_Axis = 1;
    }
    void TearDown() override
    {
        Forms::unloadAll();
        Reset_All_State();
    }
};

const QStringList kAll = [] {
    QStringList names;
    for (const Named& n : values())
        names << QString::fromLatin1(n.name);
    return names;
}();

QStringList except(QStringList names, const QStringList& gone)
{
    for (const QString& name : gone)
        names.removeAll(name);
    return names;
}

} // namespace

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.what;
}

// Each choice empties what derives from it and nothing beside it: the drive
// and the series may come in either order, an axis' stages leave the other
// axes and the system alone, a replay keeps what it selects back.
TEST_P(DependentsTest, ADropEmptiesWhatDerivesFromItsStage)
{
    const Case& c = GetParam();
    for (const Named& n : values())
        n.value() = QString::fromLatin1(n.name);
    if (c.qdServo)
        axis(1).Part_Number_Type = QStringLiteral("QD_Servo");
    Loading_Project = c.replaying;
    System_Type = c.kind;
    Dependents::drop(c.dropped);
    Loading_Project = false;
    QStringList kept;
    for (const Named& n : values())
        if (!n.value().isEmpty())
            kept << QString::fromLatin1(n.name);
    EXPECT_EQ(kept, c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, DependentsTest,
    ::testing::Values(
        Case {"the project", Stage::Project, false, false, {}},
        Case {"a reset, also while a project opens", Stage::System, false, true, {}},
        Case {"another controller", Stage::Controller, false, false,
              except(kAll, {"controller", "breakout", "controller part"})},
        Case {"the controller chosen again", Stage::ControllerOptions, false, false, except(kAll, {"controller part"})},
        Case {"an option level chosen", Stage::ControllerResult, false, false, except(kAll, {"controller part"})},
        Case {"an axis reset", Stage::Axis, false, false,
              {"axis 2 drive", "controller", "breakout", "controller part", "extra 2"}},
        Case {"a drive the controller does not take: its connection, not its accessories",
              Stage::ControllerConnection, false, false, except(kAll, {"cable length"})},
        Case {"a drive, after the series", Stage::Drive, false, false,
              {"technology", "required accessory", "series", "axis 2 drive", "controller", "breakout",
               "controller part", "extra 2"}},
        // A drive/controller project carries its axis' drive accessories as its file wrote them.
        Case {"a drive/controller", Stage::Drive, false, false,
              {"technology", "accessory", "required accessory", "series", "axis 2 drive", "controller", "breakout",
               "controller part", "extra 2"},
              SetupKinds::DriveController},
        Case {"a drive/controller's technology, which resets it", Stage::System, false, false,
              {"accessory", "required accessory"}, SetupKinds::DriveController},
        Case {"the project of a drive/controller", Stage::Project, false, false, {}, SetupKinds::DriveController},
        Case {"a series, after the drive", Stage::Series, false, false,
              except(kAll, {"series", "frame", "feedback", "shaft", "gearhead", "motor", "wiring", "drive part",
                            "frequency", "drive/controller notes"})},
        Case {"the fifth list", Stage::FifthList, false, false,
              except(kAll, {"shaft", "gearhead", "motor", "wiring", "drive part", "frequency",
                            "drive/controller notes"})},
        Case {"the fifth list of a QD_Servo motor: its feedback", Stage::FifthList, true, false,
              except(kAll, {"feedback", "gearhead", "motor", "wiring", "drive part", "frequency",
                            "drive/controller notes"})},
        Case {"a motor option", Stage::MotorResult, false, false,
              except(kAll, {"motor", "wiring", "drive part", "frequency", "drive/controller notes"})},
        Case {"a drive replayed", Stage::Drive, false, true,
              except(kAll, {"motor", "drive part"})}),
    [](const ::testing::TestParamInfo<Case>& info) { return "Row" + std::to_string(info.index); });

// The windows of what goes close, the one opened last first; a window of
// another axis, or above the stage, stays; the axis the form leaves closes
// the dialogs that work through its lists and keeps the record and the curve.
TEST_F(DependentsTest, WindowsCloseWithWhatTheyConfigure)
{
    struct Window {
        const char* name;
        Stage stage;
        int axis;
        bool throughForm;
    };
    const Window windows[] = {{"frmControl", Stage::ControllerOptions, 0, true},
                              {"frmAccessories", Stage::DriveConfiguration, 2, true},
                              {"frmCurve", Stage::Curve, 2, false},
                              {"frmGear", Stage::MotorOption, 2, true}};
    const auto open = [&] {
        for (const Window& w : windows) {
            StandInForm::registerAs(QString::fromLatin1(w.name), 0);
            Forms::get(QString::fromLatin1(w.name))->setSubject(w.stage, w.axis, w.throughForm);
        }
        StandInForm::log.clear();
    };

    open();
    Dependents::drop(Stage::Series, 1);
    EXPECT_EQ(StandInForm::log, QStringList {});
    Dependents::drop(Stage::Drive, 2);
    EXPECT_EQ(StandInForm::log, QStringList({"Unload:frmGear", "Unload:frmCurve", "Unload:frmAccessories"}));

    open();
    axis(2).Drive_Name = QStringLiteral("kept");
    Dependents::drop(Stage::Axis, 2, Dependents::Values);
    EXPECT_EQ(StandInForm::log, QStringList({"Unload:frmGear", "Unload:frmAccessories"}));
    EXPECT_EQ(axis(2).Drive_Name, "kept");
    Dependents::drop(Stage::System);
    EXPECT_EQ(StandInForm::log,
              QStringList({"Unload:frmGear", "Unload:frmAccessories", "Unload:frmCurve", "Unload:frmControl"}));
    EXPECT_EQ(axis(2).Drive_Name, "");
}
