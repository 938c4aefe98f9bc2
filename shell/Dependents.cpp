#include "shell/Dependents.h"

#include "shell/AccessoryStore.h"
#include "shell/AxisRecord.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/ProjectValues.h"
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
using Differences = QList<Dependents::Difference>;

// The differences of one value between a project's saved state and the
// program's: a value saved empty (0, false) is none, which a reopening may
// complete; names compare without regard to case, as the catalogue does.
void describe(const QString& saved, const QString& now, const QString& what, int axis, Differences& out)
{
    if (!saved.isEmpty() && saved.compare(now, Qt::CaseInsensitive) != 0)
        out.append({axis, what, saved, now});
}

void describe(int saved, int now, const QString& what, int axis, Differences& out)
{
    if (saved != 0 && saved != now)
        out.append({axis, what, QString::number(saved), now ? QString::number(now) : QString()});
}

void describe(bool saved, bool now, const QString& what, int axis, Differences& out)
{
    if (saved && !now)
        out.append({axis, what, QStringLiteral("Yes"), QString()});
}

void describe(double saved, double now, const QString& what, int axis, Differences& out)
{
    if (saved != 0.0 && saved != now)
        out.append({axis, what, QString::number(saved), now != 0.0 ? QString::number(now) : QString()});
}

// A list by its positions from 1 (an options level), or by its texts (an
// offer, whose order follows the catalogue's).
void describe(const AccessoryChoice::List21& saved, const AccessoryChoice::List21& now, const QString& what, int axis,
              Differences& out)
{
    for (std::size_t i = 1; i < saved.size(); ++i)
        describe(saved[i], now[i], QStringLiteral("%1 %2").arg(what).arg(i), axis, out);
}

qsizetype indexOf(const AccessoryChoice::List21& list, const QString& text, const QList<bool>& taken)
{
    for (qsizetype i = 0; i < qsizetype(list.size()); ++i)
        if (!taken[i] && !list[std::size_t(i)].isEmpty() && list[std::size_t(i)].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The chosen entries with their quantities and descriptions, and the
// dialog's list they were chosen from, each by its text.
void describe(const AccessoryChoice& saved, const AccessoryChoice& now, const QString& what, int axis,
              Differences& out)
{
    const QList<bool> none(qsizetype(now.Entry.size()), false);
    QList<bool> taken = none;
    for (std::size_t i = 0; i < saved.Entry.size(); ++i) {
        const QString& entry = saved.Entry[i];
        if (entry.isEmpty())
            continue;
        const qsizetype at = indexOf(now.Entry, entry, taken);
        if (at < 0) {
            // Held in more rows than one, now in one.
            const bool folded = indexOf(saved.Entry, entry, none) < qsizetype(i) && indexOf(now.Entry, entry, none) >= 0;
            out.append({axis, what, entry, QString(), folded});
            continue;
        }
        taken[at] = true;
        const QString named = QStringLiteral("%1 \"%2\"").arg(what, now.Entry[std::size_t(at)]);
        describe(saved.Quantity[i], now.Quantity[std::size_t(at)], named + QStringLiteral(" quantity"), axis, out);
        describe(saved.Description[i], now.Description[std::size_t(at)], named + QStringLiteral(" description"), axis,
                 out);
    }
    for (qsizetype i = 0; i < taken.size(); ++i)
        if (!taken[i] && !now.Entry[std::size_t(i)].isEmpty())
            out.append({axis, what, QString(), now.Entry[std::size_t(i)]});
    // A list the file holds empty is none: the dialog lists it on opening.
    if (std::ranges::all_of(saved.List_Item, &QString::isEmpty))
        return;
    QList<bool> listed(qsizetype(now.List_Item.size()), false);
    for (const QString& item : saved.List_Item) {
        if (item.isEmpty())
            continue;
        if (const qsizetype at = indexOf(now.List_Item, item, listed); at >= 0)
            listed[at] = true;
        else
            out.append({axis, what + QStringLiteral(" listed"), item, QString()});
    }
    for (qsizetype i = 0; i < listed.size(); ++i)
        if (!listed[i] && !now.List_Item[std::size_t(i)].isEmpty())
            out.append({axis, what + QStringLiteral(" listed"), QString(), now.List_Item[std::size_t(i)]});
}

template <class Struct>
struct Value {
    void (*empty)(Struct&);
    void (*compare)(const Struct& saved, const Struct& now, const QString& what, int axis, Differences& out);
    // What the user knows it by.
    const char* label;
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
constexpr Value<Struct> value(const char* label, Stage stage, bool kept, Stage qdServoStage)
{
    using Type = std::remove_cvref_t<decltype(std::declval<Struct&>().*Member)>;
    return {[](Struct& s) { s.*Member = Type(); },
            [](const Struct& saved, const Struct& now, const QString& what, int axis, Differences& out) {
                describe(saved.*Member, now.*Member, what, axis, out);
            },
            label, memberName<Member>(), stage, kept, qdServoStage};
}

// A value of a struct the system holds as a member: its configuration.
template <auto Member, auto Inner, class Struct>
constexpr Value<Struct> nested(const char* label, Stage stage, bool kept)
{
    using Type = std::remove_cvref_t<decltype((std::declval<Struct&>().*Member).*Inner)>;
    return {[](Struct& s) { (s.*Member).*Inner = Type(); },
            [](const Struct& saved, const Struct& now, const QString& what, int axis, Differences& out) {
                describe((saved.*Member).*Inner, (now.*Member).*Inner, what, axis, out);
            },
            label, memberName<Inner>(), stage, kept, stage};
}

// A choice kept as a number, nonzero when chosen: chosen either way is no
// difference, and a file's choice is told by the number it holds.
template <auto Member, auto Inner, class Struct>
constexpr Value<Struct> nestedFlag(const char* label, Stage stage)
{
    Value<Struct> row = nested<Member, Inner, Struct>(label, stage, true);
    row.compare = [](const Struct& saved, const Struct& now, const QString& what, int axis, Differences& out) {
        if ((saved.*Member).*Inner != 0 && (now.*Member).*Inner == 0)
            out.append({axis, what, QString::number((saved.*Member).*Inner), QString()});
    };
    return row;
}

template <auto Member>
constexpr Value<AxisSelections> axisValue(const char* label, Stage stage, bool kept, Stage qdServoStage)
{
    return value<Member, AxisSelections>(label, stage, kept, qdServoStage);
}
template <auto Member>
constexpr Value<AxisSelections> axisValue(const char* label, Stage stage, bool kept)
{
    return value<Member, AxisSelections>(label, stage, kept, stage);
}
// A value of an axis' drive that a drive/controller project carries as its file wrote it.
template <auto Member>
constexpr Value<AxisSelections> carriedValue(const char* label, Stage stage)
{
    Value<AxisSelections> v = axisValue<Member>(label, stage, true);
    v.carried = true;
    return v;
}

using A = AxisSelections;
using S = Stage;

// Every value of an axis record. Kept by a replay: what the project file and
// an axis shown again select back, and the switching frequency, which only the
// curve window sets; the others are rebuilt from the choices.
constexpr Value<AxisSelections> kAxis[] = {
    axisValue<&A::Motor_Technology>("motor technology", S::Technology, true),
    axisValue<&A::Drive_Name>("drive", S::Drive, true),
    carriedValue<&A::Drive_Accessories>("drive accessory", S::DriveConfiguration),
    carriedValue<&A::Required_Drive_Accessory>("required drive accessory", S::DriveOffer),
    axisValue<&A::Controller_Cable>("controller to drive cable", S::ControllerConnection, false),
    axisValue<&A::Controller_Cable_Notes>("controller to drive cable notes", S::ControllerConnection, false),
    axisValue<&A::Drive_Controller_Accessory>("drive to controller accessory", S::ControllerConnection, false),
    axisValue<&A::Controller_Cable_Length>("controller to drive cable length", S::ControllerCableLength, true),
    axisValue<&A::Controller_Cable_Part_Number>("controller to drive cable part number", S::ControllerCableLength,
                                                false),
    axisValue<&A::Motor_Series>("motor series", S::Series, true),
    axisValue<&A::Part_Number_Type>("motor part-number type", S::Series, true),
    axisValue<&A::Frame_Size>("frame size", S::FrameSize, true),
    axisValue<&A::Stack_Length>("stack length", S::StackLength, true),
    axisValue<&A::Winding>("winding", S::Winding, true),
    axisValue<&A::Feedback>("feedback", S::FourthList, true, S::FifthList),
    axisValue<&A::Shaft_Option>("shaft option", S::FifthList, true, S::FourthList),
    axisValue<&A::Cable_Option>("cable option", S::CableOption, true),
    axisValue<&A::Motor_Option>("motor option", S::MotorOption, true),
    axisValue<&A::Gearhead_Code>("gearhead", S::MotorOption, true),
    axisValue<&A::Gearhead_Notes>("gearhead notes", S::MotorOption, true),
    axisValue<&A::Motor_Part_Number>("motor part number", S::MotorResult, false),
    axisValue<&A::Motor_Notes>("motor notes", S::MotorResult, false),
    axisValue<&A::Drive_Notes>("drive notes", S::MotorResult, false),
    axisValue<&A::Motor_Cable>("motor power cable", S::MotorResult, false),
    axisValue<&A::Feedback_Cable>("motor feedback cable", S::MotorResult, false),
    axisValue<&A::Curve_Motor_Part_Number>("curve of the motor", S::MotorResult, false),
    axisValue<&A::Motor_Cable_Length>("motor power cable length", S::MotorCableLength, true),
    axisValue<&A::Motor_Cable_Part_Number>("motor power cable part number", S::MotorCableLength, false),
    axisValue<&A::Feedback_Cable_Length>("motor feedback cable length", S::FeedbackCableLength, true),
    axisValue<&A::Feedback_Cable_Part_Number>("motor feedback cable part number", S::FeedbackCableLength, false),
    axisValue<&A::Drive_Voltage>("drive input voltage", S::Voltage, true),
    axisValue<&A::Motor_Wiring>("motor wiring", S::Wiring, true),
    axisValue<&A::Drive_Code>("drive code", S::DriveCode, false),
    axisValue<&A::Drive_Part_Number>("drive part number", S::DriveCode, false),
    axisValue<&A::Bus_Voltage>("bus voltage", S::DriveCode, false),
    axisValue<&A::Curve_Drive_Part_Number>("curve of the drive", S::DriveCode, false),
    axisValue<&A::Switching_Frequency>("drive switching frequency", S::Curve, true),
};

using C = ControllerSystem;
using CB = ControllerBreakout;
using CC = ControllerConfiguration;
// The controller system's values; the axis counts are no stage's but the system's.
constexpr Value<ControllerSystem> kController[] = {
    value<&C::Controller_Name, C>("controller", S::Controller, true, S::Controller),
    value<&C::Controller_Extra, C>("controller extra", S::System, true, S::System),
    nested<&C::breakout, &CB::Required_Accessory, C>("controller breakout", S::Breakout, true),
    nested<&C::breakout, &CB::Breakout_Axes, C>("number of breakout ports", S::BreakoutPorts, true),
    nested<&C::breakout, &CB::Required_Accessory_Length, C>("controller to breakout cable length", S::BreakoutLength,
                                                            true),
    nested<&C::breakout, &CB::Required_Accessory_Part_Number, C>("controller breakout part number",
                                                                 S::BreakoutLength, true),
    nested<&C::configuration, &CC::Controller_Options, C>("controller option", S::ControllerOptions, true),
    // The expansion choice goes with the cards it keeps: a configuration chosen
    // anew would otherwise take the cards its type requires at Done.
    nestedFlag<&C::configuration, &CC::Controller_Expansion_IO, C>("controller expansion I/O",
                                                                   S::ControllerAccessories),
    nested<&C::configuration, &CC::Controller_Part_Number, C>("controller part number", S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_JTR_Ready, C>("controller JTR readiness", S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_LUMIO_Ready, C>("controller LUMIO readiness", S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_DUW_Ready, C>("controller DUW readiness", S::ControllerResult, true),
    nested<&C::configuration, &CC::Controller_Accessories, C>("controller accessory", S::ControllerAccessories, true),
    value<&C::Total_Axes, C>("axis count", S::System, true, S::System),
    value<&C::Total_Servos, C>("servo axis count", S::System, true, S::System),
    value<&C::Total_Steppers, C>("stepper axis count", S::System, true, S::System),
};

using D = DriveControllerSystem;
using DC = DriveControllerConfiguration;
// The drive/controller's values, which are axis 1's.
constexpr Value<DriveControllerSystem> kDriveController[] = {
    value<&D::Drive_Controller_Name, D>("drive/controller", S::Drive, true, S::Drive),
    nested<&D::configuration, &DC::Drive_Controller_Options, D>("drive/controller option", S::DriveConfiguration, true),
    nestedFlag<&D::configuration, &DC::Drive_Controller_Expansion_IO, D>("drive/controller expansion I/O",
                                                                         S::DriveControllerAccessories),
    nested<&D::configuration, &DC::Drive_Controller_Option_Code, D>("drive/controller option code", S::DriveControllerResult, true),
    nested<&D::configuration, &DC::Drive_Controller_JTR_Ready, D>("drive/controller JTR readiness", S::DriveControllerResult, true),
    nested<&D::configuration, &DC::Drive_Controller_DUW_Ready, D>("drive/controller DUW readiness", S::DriveControllerResult, true),
    nested<&D::configuration, &DC::Drive_Controller_Accessories, D>("drive/controller accessory", S::DriveControllerAccessories, true),
    value<&D::Drive_Controller_Notes, D>("drive/controller notes", S::MotorResult, true, S::MotorResult),
    value<&D::Drive_Controller_Part_Number, D>("drive/controller part number", S::DriveControllerPartNumber, false, S::DriveControllerPartNumber),
    value<&D::Drive_Controller_Extra, D>("drive/controller extra", S::System, true, S::System),
    value<&D::Drive_Controller_Extra_2, D>("drive/controller second extra", S::System, true, S::System),
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
static_assert(covers<ControllerSystem, ControllerBreakout, ControllerConfiguration>(kController),
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
    if (!replaying && keep != Windows)
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

QList<Dependents::Difference> Dependents::differences(const ProjectValues& saved, const ProjectValues& now)
{
    QList<Difference> out;
    const auto compare = [&out](const auto& values, const auto& s, const auto& n, int axis) {
        for (const auto& v : values)
            v.compare(s, n, QLatin1String(v.label), axis, out);
    };
    for (std::size_t a = 0; a < saved.axes.size(); ++a)
        compare(kAxis, saved.axes[a], now.axes[a], static_cast<int>(a) + 1);
    compare(kController, saved.controller, now.controller, 0);
    compare(kDriveController, saved.driveController, now.driveController, 0);
    return out;
}
