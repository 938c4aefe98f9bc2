#include "shell/Dependents.h"

#include "shell/AccessoryStore.h"
#include "shell/AxisRecord.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <QPointer>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

using namespace Globals;

namespace {

// A value of a struct: how it is emptied, its stage, and whether a replay
// keeps it (it selects the value back, or nothing it runs rebuilds it). `qdServoStage` is where a "QD_Servo"
// motor shows it: the fourth and fifth lists exchange mounting and feedback.
template <class Struct>
struct Value {
    void (*empty)(Struct&);
    // The member the row names (memberName).
    std::string_view member;
    Stage stage;
    bool kept;
    Stage qdServoStage;
    // Only a file carries it on a drive/controller project, whose form
    // neither shows nor chooses it: there only the project's drop empties it.
    bool carried = false;
};

// The member's name, within the name the compiler gives the function made for
// it: two rows naming one member give the same text.
template <auto Member>
constexpr std::string_view memberName()
{
    return __PRETTY_FUNCTION__;
}

template <auto Member, class Struct>
constexpr Value<Struct> value(Stage stage, bool kept, Stage qdServoStage)
{
    using Type = std::remove_cvref_t<decltype(std::declval<Struct&>().*Member)>;
    return {[](Struct& s) { s.*Member = Type(); }, memberName<Member>(), stage, kept, qdServoStage};
}

// A value of a struct the system holds as a member: its configuration.
template <auto Member, auto Inner, class Struct>
constexpr Value<Struct> nested(Stage stage, bool kept)
{
    using Type = std::remove_cvref_t<decltype((std::declval<Struct&>().*Member).*Inner)>;
    return {[](Struct& s) { (s.*Member).*Inner = Type(); }, memberName<Inner>(), stage, kept, stage};
}

template <auto Member>
constexpr Value<AxisSelections> axisValue(Stage stage, bool kept, Stage qdServoStage)
{
    return value<Member, AxisSelections>(stage, kept, qdServoStage);
}
template <auto Member>
constexpr Value<AxisSelections> axisValue(Stage stage, bool kept)
{
    return value<Member, AxisSelections>(stage, kept, stage);
}
// A value of an axis' drive that a drive/controller project carries as its file wrote it.
template <auto Member>
constexpr Value<AxisSelections> carriedValue(Stage stage)
{
    Value<AxisSelections> v = axisValue<Member>(stage, true);
    v.carried = true;
    return v;
}

using A = AxisSelections;
using S = Stage;

// Every value of an axis record. Kept by a replay: what the project file and
// an axis shown again select back, and the switching frequency, which only the
// curve window sets; the others are rebuilt from the choices.
constexpr Value<AxisSelections> kAxis[] = {
    axisValue<&A::Motor_Technology>(S::Technology, true),
    axisValue<&A::Drive_Name>(S::Drive, true),
    carriedValue<&A::Drive_Accessories>(S::DriveConfiguration),
    carriedValue<&A::Required_Drive_Accessory>(S::DriveOffer),
    axisValue<&A::Controller_Cable>(S::ControllerConnection, false),
    axisValue<&A::Controller_Cable_Notes>(S::ControllerConnection, false),
    axisValue<&A::Drive_Controller_Accessory>(S::ControllerConnection, false),
    axisValue<&A::Controller_Cable_Length>(S::ControllerConnection, true),
    axisValue<&A::Controller_Cable_Part_Number>(S::ControllerConnection, false),
    axisValue<&A::Motor_Series>(S::Series, true),
    axisValue<&A::Part_Number_Type>(S::Series, true),
    axisValue<&A::Frame_Size>(S::FrameSize, true),
    axisValue<&A::Stack_Length>(S::StackLength, true),
    axisValue<&A::Winding>(S::Winding, true),
    axisValue<&A::Feedback>(S::FourthList, true, S::FifthList),
    axisValue<&A::Shaft_Option>(S::FifthList, true, S::FourthList),
    axisValue<&A::Cable_Option>(S::CableOption, true),
    axisValue<&A::Motor_Option>(S::MotorOption, true),
    axisValue<&A::Gearhead_Code>(S::MotorOption, true),
    axisValue<&A::Gearhead_Notes>(S::MotorOption, true),
    axisValue<&A::Motor_Part_Number>(S::MotorResult, false),
    axisValue<&A::Motor_Notes>(S::MotorResult, false),
    axisValue<&A::Drive_Notes>(S::MotorResult, false),
    axisValue<&A::Motor_Cable>(S::MotorResult, false),
    axisValue<&A::Feedback_Cable>(S::MotorResult, false),
    axisValue<&A::Curve_Motor_Part_Number>(S::MotorResult, false),
    axisValue<&A::Motor_Cable_Length>(S::MotorCableLength, true),
    axisValue<&A::Motor_Cable_Part_Number>(S::MotorCableLength, false),
    axisValue<&A::Feedback_Cable_Length>(S::FeedbackCableLength, true),
    axisValue<&A::Feedback_Cable_Part_Number>(S::FeedbackCableLength, false),
    axisValue<&A::Drive_Voltage>(S::Voltage, true),
    axisValue<&A::Motor_Wiring>(S::Wiring, true),
    axisValue<&A::Drive_Code>(S::DriveCode, false),
    axisValue<&A::Drive_Part_Number>(S::DriveCode, false),
    axisValue<&A::Bus_Voltage>(S::DriveCode, false),
    axisValue<&A::Curve_Drive_Part_Number>(S::DriveCode, false),
    axisValue<&A::Switching_Frequency>(S::Curve, true),
};

using C = ControllerSystem;
using CC = ControllerConfiguration;
// The controller system's values; the axis counts are no stage's but the system's.
constexpr Value<ControllerSystem> kController[] = {
    value<&C::Controller_Name, C>(S::Controller, true, S::Controller),
    value<&C::Controller_Extra, C>(S::System, true, S::System),
    value<&C::breakout, C>(S::Breakout, true, S::Breakout),
    nested<&C::configuration, &CC::Controller_Options, C>(S::ControllerOptions, true),
    nested<&C::configuration, &CC::Controller_Expansion_IO, C>(S::ControllerOptions, true),
    nested<&C::configuration, &CC::Controller_Part_Number, C>(S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_JTR_Ready, C>(S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_LUMIO_Ready, C>(S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_DUW_Ready, C>(S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_Accessories, C>(S::ControllerAccessories, true),
    value<&C::Total_Axes, C>(S::System, true, S::System),
    value<&C::Total_Servos, C>(S::System, true, S::System),
    value<&C::Total_Steppers, C>(S::System, true, S::System),
};

using D = DriveControllerSystem;
using DC = DriveControllerConfiguration;
// The drive/controller's values, which are axis 1's.
constexpr Value<DriveControllerSystem> kDriveController[] = {
    value<&D::Drive_Controller_Name, D>(S::Drive, true, S::Drive),
    nested<&D::configuration, &DC::Drive_Controller_Options, D>(S::DriveConfiguration, true),
    nested<&D::configuration, &DC::Drive_Controller_Expansion_IO, D>(S::DriveConfiguration, true),
    nested<&D::configuration, &DC::Drive_Controller_Option_Code, D>(S::DriveControllerResult, true),
    nested<&D::configuration, &DC::Drive_Controller_JTR_Ready, D>(S::DriveControllerResult, true),
    nested<&D::configuration, &DC::Drive_Controller_DUW_Ready, D>(S::DriveControllerResult, true),
    nested<&D::configuration, &DC::Drive_Controller_Accessories, D>(S::DriveControllerAccessories, true),
    value<&D::Drive_Controller_Notes, D>(S::MotorResult, true, S::MotorResult),
    value<&D::Drive_Controller_Part_Number, D>(S::DriveControllerPartNumber, false, S::DriveControllerPartNumber),
    value<&D::Drive_Controller_Extra, D>(S::System, true, S::System),
    value<&D::Drive_Controller_Extra_2, D>(S::System, true, S::System),
};

// Converts to the type of any member: a struct takes as many of these in
// braces as it has members.
struct AnyMember {
    template <class Type>
    operator Type() const;
};

template <class Struct, class... Members>
constexpr std::size_t memberCount()
{
    if constexpr (requires { Struct {Members {}..., AnyMember {}}; })
        return memberCount<Struct, Members..., AnyMember>();
    else
        return sizeof...(Members);
}

// Each member has exactly one row: a value added to a struct without its row,
// or a row copied and left naming the member of the row it was copied from,
// fails to build here. A member listed through its own members (nested) has
// a row for each of them instead.
template <class Struct, class... Nested, std::size_t N>
constexpr bool covers(const Value<Struct> (&values)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (values[i].member == values[j].member)
                return false;
    return N == memberCount<Struct>() + ((memberCount<Nested>() - 1) + ... + 0);
}
static_assert(covers(kAxis), "every value of an axis record names its stage in one row");
static_assert(covers<ControllerSystem, ControllerConfiguration>(kController),
              "every value of the controller system names its stage in one row");
static_assert(covers<DriveControllerSystem, DriveControllerConfiguration>(kDriveController),
              "every value of the drive/controller system names its stage in one row");

int axisOf(int axis)
{
    const int count = static_cast<int>(Axis.size());
    return std::clamp(axis > 0 ? axis : Current_Axis, 1, count);
}

template <class Struct, std::size_t N>
void empty(Struct& s, const Value<Struct> (&values)[N], Stage stage, bool replaying, bool qdServo = false,
           bool carrying = false)
{
    for (const Value<Struct>& v : values) {
        const Stage at = carrying && v.carried ? S::Project : qdServo ? v.qdServoStage : v.stage;
        if (Dependents::within(at, stage) && !(replaying && v.kept))
            v.empty(s);
    }
}

} // namespace

QList<Stage> Dependents::parents(Stage stage)
{
    switch (stage) {
    case S::Project:
        return {};
    case S::System:
        return {S::Project};
    case S::Controller:
    case S::Axis:
        return {S::System};
    case S::Breakout:
    case S::ControllerOptions:
        return {S::Controller};
    case S::Technology:
        return {S::Axis};
    case S::Drive:
        return {S::Technology};
    case S::ControllerResult:
    case S::ControllerAccessories:
        return {S::ControllerOptions};
    case S::DriveConfiguration:
        return {S::Drive};
    case S::DriveControllerResult:
    case S::DriveControllerAccessories:
    case S::ControllerConnection:
        return {S::DriveConfiguration};
    case S::DriveOffer:
    case S::Series:
        return {S::Technology};
    case S::FrameSize:
        return {S::Drive, S::Series};
    case S::MotorCableLength:
    case S::FeedbackCableLength:
    case S::Voltage:
        return {S::MotorResult};
    case S::DriveControllerPartNumber:
        return {S::DriveCode, S::DriveControllerResult};
    case S::Curve:
        return {S::DriveCode};
    default:
        // The rest follow one another in cascade order.
        return {static_cast<Stage>(static_cast<int>(stage) - 1)};
    }
}

bool Dependents::within(Stage stage, Stage outer)
{
    // Each stage with every stage at or above it, as bits: a drop asks this of
    // every value of every axis.
    static constexpr int kStages = static_cast<int>(S::Curve) + 1;
    static_assert(kStages <= 64, "a stage's ancestors fit in one word");
    static const std::array<quint64, kStages> atOrAbove = [] {
        std::array<quint64, kStages> bits {};
        // Parents come before their children in the enumeration.
        for (int i = 0; i < kStages; ++i) {
            bits[i] = quint64(1) << i;
            for (Stage p : parents(static_cast<Stage>(i))) {
                Q_ASSERT(static_cast<int>(p) < i);
                bits[i] |= bits[static_cast<std::size_t>(p)];
            }
        }
        return bits;
    }();
    return (atOrAbove[static_cast<std::size_t>(stage)] >> static_cast<int>(outer)) & 1;
}

void Dependents::closeWindows(Stage stage, int axis, Keep keep)
{
    const bool ofOneAxis = ofAxis(stage);
    const int a = axisOf(axis);
    QList<QPointer<Form>> going;
    for (Form* form : Forms::loaded()) {
        const auto& subject = form->subject();
        if (subject && within(subject->stage, stage) && (!ofOneAxis || subject->axis == a)
            && (keep == Nothing || subject->throughForm))
            going << form;
    }
    std::ranges::sort(going, [](const QPointer<Form>& x, const QPointer<Form>& y) {
        return x->subject()->opened > y->subject()->opened;
    });
    // A window may take another down with it.
    for (const QPointer<Form>& form : going)
        if (form && Forms::find(form->Name()) == form)
            form->closeAsCancel();
}

void Dependents::drop(Stage stage, int axis, Keep keep)
{
    const bool replaying = Loading_Project && !within(S::System, stage);
    if (!replaying)
        closeWindows(stage, axis, keep);
    if (keep == Values)
        return;
    // A drive/controller project's one axis carries its drive's values as its file wrote them.
    const bool carrying = SetupKinds::projectKind(System_Type) == SetupKinds::DriveController;
    const auto emptyAxis = [&](int a) {
        AxisRecord& record = Axis[static_cast<std::size_t>(a - 1)];
        empty<AxisSelections>(record, kAxis, stage, replaying,
                              record.Part_Number_Type == QLatin1String("QD_Servo"), carrying && a == 1);
        if (a == 1)
            empty(sharedState.driveController, kDriveController, stage, replaying);
    };
    if (ofAxis(stage)) {
        emptyAxis(axisOf(axis));
        return;
    }
    for (int a = 1; a <= static_cast<int>(Axis.size()); ++a)
        emptyAxis(a);
    empty(sharedState.controller, kController, stage, replaying);
}

void Dependents::driveChosen(const QStringList& offered, int axis)
{
    if (!AccessoryStore::Offers(offered, Axis[static_cast<std::size_t>(axisOf(axis) - 1)].Required_Drive_Accessory))
        drop(S::DriveOffer, axis);
}
