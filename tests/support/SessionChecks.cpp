#include "support/SessionChecks.h"

#include "platform/ListControl.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"

#include <algorithm>

using namespace Globals;

namespace {

Form* setupForm()
{
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (Form* form = Forms::find(kind.form))
            return form;
    return nullptr;
}

} // namespace

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
        const auto* list = form->findChild<ListControl*>(QLatin1String(name));
        const QString shown = list ? list->text() : QString();
        if (shown != value)
            faults << QStringLiteral("%1 shows \"%2\", the record holds \"%3\"").arg(QLatin1String(name), shown, value);
    }
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

QStringList SessionChecks::differences(const QString& before, const QString& after, int kind, Leaving leaving)
{
    struct Lines {
        int first;
        int last;
        bool contains(int line) const { return line >= first && line <= last; }
    };
    // The configuration's lines, and those an unconfigured project gains on reopening.
    const bool controller = kind == SetupKinds::Controller;
    const Lines configuration = controller ? Lines {1034, 1169} : Lines {128, 265};
    static const QList<Lines> driveController = {{128, 130}, {132, 154}, {176, 196}, {239, 259}, {262, 265}};
    static const QList<Lines> controllerLines = {{1034, 1034}, {1036, 1037}, {1041, 1064}, {1086, 1106}, {1149, 1169}};
    const QList<Lines> completed = kind == SetupKinds::DriveController ? driveController
        : controller                                                    ? controllerLines
                                                                        : QList<Lines>();
    const QStringList x = before.split(QLatin1Char('\r'));
    const QStringList y = after.split(QLatin1Char('\r'));
    // Axis a (1 to 8) of a controller project: its block and its voltage, wiring and technology.
    const int axes = y.value(1040).toInt();
    const auto beyondTheAxes = [&](int line) {
        constexpr int block = 129;
        const int a = line >= 2 && line < 2 + 8 * block ? (line - 2) / block + 1
            : line >= 1170 && line <= 1193             ? (line - 1170) % 8 + 1
                                                        : 0;
        return controller && axes > 0 && a > axes;
    };
    QStringList out;
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i) {
        const QString was = x.value(i);
        const QString now = y.value(i);
        if (was == now)
            continue;
        const int line = static_cast<int>(i + 1);
        const bool unset = was.isEmpty() || was == QLatin1String("0");
        if (unset && std::ranges::any_of(completed, [&](Lines l) { return l.contains(line); }))
            continue;
        if (leaving == ByDone && (configuration.contains(line) || (now.isEmpty() && beyondTheAxes(line))))
            continue;
        // Saved before its options named a controller, a reopened one takes its axis counts.
        if (controller && x.value(1033).isEmpty()
            && ((line >= 1041 && line <= 1043) || (now.isEmpty() && beyondTheAxes(line))))
            continue;
        out << QStringLiteral("line %1: \"%2\" became \"%3\"").arg(line).arg(was, now);
    }
    return out;
}
