#include "support/SessionChecks.h"

#include "curves/frmCurve.h"
#include "platform/ListControl.h"
#include "setup/common/TextBox.h"
#include "setup/controller/ControllerConnection.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/Report.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"
#include "shell/frmSelection.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Globals;

namespace {

Form* shownForm(const QString& name)
{
    Form* form = Forms::find(name);
    return form && form->Visible() ? form : nullptr;
}

const SetupKinds::Kind* shownSetupKind()
{
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (shownForm(kind.form))
            return &kind;
    return nullptr;
}

Form* setupForm()
{
    const SetupKinds::Kind* kind = shownSetupKind();
    return kind ? shownForm(kind->form) : nullptr;
}

QString listText(const Form* form, QLatin1StringView name)
{
    const auto* list = form ? form->findChild<ListControl*>(name) : nullptr;
    return list ? list->text() : QString();
}

bool hiddenList(const Form* form, const char* name)
{
    const auto* list = form->findChild<ListControl*>(QLatin1String(name));
    return !list || list->isHidden();
}

// What a user chooses for an axis, by the names the project file and the report use.
const std::pair<const char*, QString AxisSelections::*> kChoices[] = {
    {"Motor_Technology", &AxisSelections::Motor_Technology},
    {"Drive_Name", &AxisSelections::Drive_Name},
    {"Motor_Series", &AxisSelections::Motor_Series},
    {"Frame_Size", &AxisSelections::Frame_Size},
    {"Stack_Length", &AxisSelections::Stack_Length},
    {"Winding", &AxisSelections::Winding},
    {"Feedback", &AxisSelections::Feedback},
    {"Shaft_Option", &AxisSelections::Shaft_Option},
    {"Cable_Option", &AxisSelections::Cable_Option},
    {"Motor_Option", &AxisSelections::Motor_Option},
    {"Drive_Voltage", &AxisSelections::Drive_Voltage},
    {"Motor_Wiring", &AxisSelections::Motor_Wiring},
    {"Motor_Cable_Length", &AxisSelections::Motor_Cable_Length},
    {"Feedback_Cable_Length", &AxisSelections::Feedback_Cable_Length},
    {"Controller_Cable_Length", &AxisSelections::Controller_Cable_Length},
    {"Gearhead_Code", &AxisSelections::Gearhead_Code},
    {"Gearhead_Notes", &AxisSelections::Gearhead_Notes},
};

// The caption the curve window gives the record's curve.
QString curveCaption(const AxisRecord& r)
{
    QString key = r.Curve_Motor_Part_Number;
    if (r.Part_Number_Type == QLatin1String("L7_Servo") || r.Part_Number_Type == QLatin1String("QD_Servo"))
        key += QStringLiteral(" @") + r.Drive_Voltage;
    else if (r.Part_Number_Type == QLatin1String("Stepper"))
        key += QStringLiteral("__(%1,%2)").arg(r.Motor_Wiring.left(3), r.Drive_Voltage);
    else if (r.Part_Number_Type != QLatin1String("Colbitum"))
        return QStringLiteral("Performance Curve"); // no curve for another or no type
    return QStringLiteral("Performance Curve for a %1 & %2").arg(r.Curve_Drive_Part_Number, key);
}

QString axisDrive(int axis)
{
    return QStringLiteral("axis %1 with the drive %2").arg(axis).arg(Axis.at(axis - 1).Drive_Name);
}

} // namespace

int SessionChecks::shownKind()
{
    const SetupKinds::Kind* kind = shownSetupKind();
    return kind ? kind->number : 0;
}

QStringList SessionChecks::screenFaults()
{
    Form* form = setupForm();
    if (!form)
        return {};
    const AxisRecord& r = Current_Record();
    const bool qdServo = r.Part_Number_Type == QLatin1String("QD_Servo");
    const bool controller = form->Name() == SetupKinds::formName(SetupKinds::Controller);
    const bool driveController = form->Name() == SetupKinds::formName(SetupKinds::DriveController);
    QList<std::pair<const char*, QString>> held = {
        {"cmbMotor_Tech", r.Motor_Technology},
        {driveController ? "cmbDriveController" : "cmbDrive", r.Drive_Name},
        {"cmbMotor_Series", r.Motor_Series},
        {"cmbFrame_size", r.Frame_Size},
        {"cmbStack_length", r.Stack_Length},
        {"cmbWinding", r.Winding},
        {"cmbFeedback", qdServo ? r.Shaft_Option : r.Feedback},
        {"cmbShaft_options", qdServo ? r.Feedback : r.Shaft_Option},
        {"cmbCable_Option", r.Cable_Option},
        {"cmbOptions", r.Motor_Option},
        {"cmbDriveVoltage", r.Drive_Voltage},
        {"cmbWiring", r.Motor_Wiring},
        {"cmbMotor_Cable_Length", r.Motor_Cable_Length},
        {"cmbFeedback_Cable_Length", r.Feedback_Cable_Length},
    };
    if (controller)
        held += {{"cmbController", Controller_Name},
                {"cmbController_Cable_Length", r.Controller_Cable_Length},
                {"cmbAxis_Number", Breakout_Axes},
                {"cmbReq_Accessories_length", Required_Accessory_Length}};
    QStringList faults;
    for (const auto& [name, value] : held) {
        const QString shown = listText(form, QLatin1StringView(name));
        if (shown != value)
            faults << QStringLiteral("%1 shows \"%2\", the record holds \"%3\"").arg(QLatin1String(name), shown, value);
    }
    // The connection box shows what the record holds, or hides.
    if (const auto* box = controller ? form->findChild<TextBox*>(QStringLiteral("txtController")) : nullptr;
        box && !box->isHidden() && box->text() != ControllerConnection::text())
        faults << QStringLiteral("txtController shows \"%1\", the record holds \"%2\"")
                      .arg(box->text(), ControllerConnection::text());
    // A breakout cable is a part only once its ports are chosen: the user can choose them.
    if (controller && Required_Accessory.startsWith(QLatin1String("TNL")) && hiddenList(form, "cmbAxis_Number"))
        faults << QStringLiteral("the breakout \"%1\" lists no ports").arg(Required_Accessory);
    if (driveController && Drive_Controller_Name != r.Drive_Name)
        faults << QStringLiteral("the drive/controller is \"%1\", the record's drive \"%2\"")
                      .arg(Drive_Controller_Name, r.Drive_Name);
    return faults;
}

QString SessionChecks::projectText()
{
    auto* form = dynamic_cast<SetupForm*>(setupForm());
    return form ? form->Save_String() : QString();
}

SessionChecks::Report SessionChecks::projectReport()
{
    const int context = System_Type;
    const QString text = Report_Text;
    const int count = BOM_Count;
    const QVector<int> quantities = BOM_Quantity;
    const QVector<QString> parts = BOM_Part_Number;
    System_Type = shownKind();
    Report report {Build_Report(), {}};
    for (int i = 1; i <= BOM_Count; ++i)
        report.bill << QStringLiteral("%1 %2").arg(BOM_Quantity.value(i)).arg(BOM_Part_Number.value(i));
    System_Type = context;
    Report_Text = text;
    BOM_Count = count;
    BOM_Quantity = quantities;
    BOM_Part_Number = parts;
    return report;
}

QStringList SessionChecks::OpenWindows::faults()
{
    Form* setup = setupForm();
    const QString setupName = setup ? setup->Name() : QString();
    QStringList faults;
    QHash<const Form*, QString> subjects;
    // A window that configures something: the form it needs shown, what it configures now and what it still holds.
    const auto check = [&](const Form* window, const QString& form, const QString& subject, const QString& holds) {
        const QString name = window->Name();
        const QString opened = m_subjects.value(window, subject);
        subjects.insert(window, opened);
        if (setupName != form)
            faults << QStringLiteral("%1 is open over \"%2\"").arg(name, setupName);
        else if (!holds.isEmpty())
            faults << QStringLiteral("%1 is open, %2").arg(name, holds);
        else if (opened != subject)
            faults << QStringLiteral("%1 was opened for \"%2\", the project holds \"%3\"").arg(name, opened, subject);
    };
    if (const Form* gear = shownForm(frmGear::Name)) {
        // Opened from the motor-options list, which shows its placeholder until it closes.
        const QString shown = listText(setup, QLatin1StringView("cmbOptions"));
        // Any setup form opens it.
        check(gear, setup ? setupName : QStringLiteral("a setup form"), QStringLiteral("axis %1").arg(Current_Axis),
              shown.startsWith(QLatin1String("GXX")) && Current_Record().Motor_Option == shown
                  ? QString()
                  : QStringLiteral("cmbOptions shows \"%1\", the motor option is \"%2\"")
                        .arg(shown, Current_Record().Motor_Option));
    }
    // An options dialog configures the product its form shows; only the one a
    // reopening opens may find none chosen.
    const auto product = [&](QLatin1StringView dialog, QLatin1StringView form, QLatin1StringView list,
                             const QString& name) {
        const Form* options = shownForm(dialog);
        if (!options)
            return;
        const QString shown = listText(setup, list);
        const bool none = name.isEmpty() && m_subjects.value(options, name).isEmpty();
        check(options, QString(form), name,
              (!name.isEmpty() || none) && shown == name
                  ? QString()
                  : QStringLiteral("%1 shows \"%2\", the record holds \"%3\"").arg(QString(list), shown, name));
    };
    product(SetupKinds::ControllerOptionsDialog, SetupKinds::ControllerForm, QLatin1StringView("cmbController"),
            Controller_Name);
    product(SetupKinds::DriveControllerOptionsDialog, SetupKinds::DriveControllerForm,
            QLatin1StringView("cmbDriveController"), Drive_Controller_Name);
    if (const auto* accessories = dynamic_cast<const frmAccessories*>(shownForm(frmAccessories::Name))) {
        const SetupKinds::AccessoryContext* context = SetupKinds::accessoryContext(accessories->Context());
        const SetupKinds::Kind* kind = context ? SetupKinds::find(context->kind) : nullptr;
        if (!kind) {
            faults << QStringLiteral("frmAccessories is open in the context %1").arg(accessories->Context());
        } else if (context->byOptionsDialog) {
            check(accessories, kind->form, kind->optionsDialog,
                  shownForm(kind->optionsDialog) ? QString() : kind->optionsDialog + QStringLiteral(" is closed"));
        } else {
            check(accessories, kind->form, axisDrive(Current_Axis),
                  Current_Record().Drive_Name.isEmpty() ? QStringLiteral("no drive is chosen") : QString());
        }
    }
    if (const auto* curve = dynamic_cast<const frmCurve*>(shownForm(frmCurve::Name))) {
        // Drawn for its axis' motor option and curve keys, which its caption
        // names; shown again (for another axis, say) it is drawn anew.
        const AxisRecord& r = curve->Axis_Record();
        const QString showing = QString::number(curve->subject() ? curve->subject()->opened : 0) + QLatin1Char('|');
        const QString drawn = showing + curve->Caption() + QStringLiteral(" with ") + r.Motor_Option;
        const QString remembered = m_subjects.value(curve);
        const QString opened = (remembered.startsWith(showing) ? remembered : drawn).mid(showing.size());
        subjects.insert(curve, showing + opened);
        if (!setup)
            faults << QStringLiteral("frmCurve is open with no setup form");
        else if (const QString now = curveCaption(r) + QStringLiteral(" with ") + r.Motor_Option; opened != now)
            faults << QStringLiteral("frmCurve was drawn as \"%1\", its axis now gives \"%2\"").arg(opened, now);
    }
    m_subjects = subjects;
    return faults;
}

QStringList SessionChecks::strayWindows(int kind)
{
    QStringList allowed {frmSelection::Name};
    if (const SetupKinds::Kind* k = SetupKinds::find(kind))
        allowed = {k->form, k->optionsDialog};
    QStringList stray;
    for (const Form* form : Forms::loaded())
        if (form->Visible() && !allowed.contains(form->Name()))
            stray << form->Name() + QStringLiteral(" is shown");
    return stray;
}

QList<QStringList> SessionChecks::axisChoices()
{
    QList<QStringList> axes;
    for (const AxisRecord& r : Axis) {
        QStringList choices;
        for (const auto& [name, field] : kChoices)
            choices << r.*field;
        axes << choices;
    }
    return axes;
}

QStringList SessionChecks::changedChoices(const QList<QStringList>& before, const QList<QStringList>& after)
{
    QStringList changed;
    for (qsizetype a = 0; a < std::min(before.size(), after.size()); ++a) {
        QStringList axis;
        for (qsizetype f = 0; f < std::ssize(kChoices); ++f)
            // The gearhead placeholder stands for the option Cancel leaves.
            if (before[a].value(f).compare(after[a].value(f), Qt::CaseInsensitive) != 0
                && !before[a].value(f).startsWith(QLatin1String("GXX"), Qt::CaseInsensitive)
                && !after[a].value(f).startsWith(QLatin1String("GXX"), Qt::CaseInsensitive))
                axis << QStringLiteral("%1 \"%2\" became \"%3\"")
                            .arg(QLatin1String(kChoices[f].first), before[a].value(f), after[a].value(f));
        // The first few say what went.
        if (axis.size() > 3)
            axis = axis.mid(0, 3) << QStringLiteral("%1 more").arg(axis.size() - 3);
        if (!axis.isEmpty())
            changed << QStringLiteral("axis %1: ").arg(a + 1) + axis.join(QLatin1String(", "));
    }
    return changed;
}

namespace {
struct Lines {
    int first;
    int last;
    bool contains(int line) const { return line >= first && line <= last; }
};
} // namespace

bool SessionChecks::configurationLine(int kind, int line)
{
    return (kind == SetupKinds::Controller && Lines {1034, 1169}.contains(line))
        || (kind == SetupKinds::DriveController && Lines {128, 265}.contains(line));
}

QStringList SessionChecks::differences(const QString& before, const QString& after, int kind, Leaving leaving)
{
    // The lines an unconfigured project gains on reopening.
    const bool controller = kind == SetupKinds::Controller;
    static const QList<Lines> driveController = {{128, 130}, {132, 154}, {176, 196}, {239, 259}, {262, 265}};
    static const QList<Lines> controllerLines = {{1034, 1034}, {1036, 1037}, {1041, 1064}, {1086, 1106}, {1149, 1169}};
    const QList<Lines> completing = kind == SetupKinds::DriveController ? driveController
        : controller                                                    ? controllerLines
                                                                        : QList<Lines>();
    const QStringList x = before.split(QLatin1Char('\r'));
    const QStringList y = after.split(QLatin1Char('\r'));
    const auto unset = [](const QString& value) { return value.isEmpty() || value == QLatin1String("0"); };
    // Done gives a count of 0 where the configuration has no axes of a kind; no value goes empty.
    QStringList out;
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
        const QString was = x.value(i);
        const QString now = y.value(i);
        // Names compare without regard to case, as the catalogue's lookups do.
        if (was.compare(now, Qt::CaseInsensitive) == 0)
            continue;
        const int line = static_cast<int>(i + 1);
        // A count of 0 is among them: it takes the controller's own.
        const bool completion =
            unset(was) && std::ranges::any_of(completing, [&](Lines l) { return l.contains(line); });
        const bool done = leaving == ByDone && configurationLine(kind, line) && !now.isEmpty();
        if (completion || done)
            continue;
        out << QStringLiteral("line %1: \"%2\" became \"%3\"").arg(line).arg(was, now);
    }
    return out;
}

QStringList SessionChecks::withoutRequiredCardsBack(const QStringList& prompts)
{
    static const QRegularExpression cardBack(
        QStringLiteral("^(?:Controller|Drive/controller) accessory: \"([^\"]*)\" now, not in the project file\\.$"));
    QStringList out;
    for (const QString& prompt : prompts) {
        const QStringList lines = prompt.split(QStringLiteral("\r\n"));
        const bool onlyCards =
            lines.size() > 1 && lines.first().contains(QLatin1String(" differ; the project now holds "))
            && std::all_of(lines.begin() + 1, lines.end(), [](const QString& line) {
                   const QRegularExpressionMatch m = cardBack.match(line);
                   return m.hasMatch()
                       && !Run_Query(QStringLiteral("SELECT [DUW Number] FROM ExpIO WHERE [DUW Number] = ? AND "
                                                    "[Required Quantity] IS NOT NULL AND [Required Quantity] <> '' "
                                                    "AND [Required Quantity] <> '0'"),
                                     {m.captured(1)})
                               .eof();
               });
        if (!onlyCards)
            out << prompt;
    }
    return out;
}
