#include "setup/controller/ControllerProjectFile.h"

#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "setup/controller/ControllerAccessoryDialog.h"
#include "setup/controller/ControllerConnection.h"
#include "setup/controller/ControllerControls.h"
#include "setup/controller/ControllerOptions.h"
#include "setup/controller/frmControl.h"
#include "setup/controller/frmController_Setup.h"
#include "setup/common/AxisProjectBlock.h"
#include "setup/common/ProjectReplay.h"
#include "setup/common/Reconciliation.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

using namespace Globals;

namespace {

constexpr int kAxesInFile = 8;
constexpr int kAxes = static_cast<int>(std::tuple_size_v<decltype(Axis)>);
constexpr AxisProjectBlock::Layout kLayout = AxisProjectBlock::ControllerAxis;
// Where the blocks of the extension begin: after the last line of the file proper.
constexpr int kExtensionLine = ControllerProjectFile::Lines + 1;

using Field = QString AxisRecord::*;
// After the blocks, per axis, in this order.
const Field kAxisFields[] = {&AxisRecord::Drive_Voltage, &AxisRecord::Motor_Wiring, &AxisRecord::Motor_Technology};

List21* const kControllerLists[] = {&Controller_Options,        &Controller_Accessory_Description,
                                          &Controller_Accessory_List_Index, &Controller_Accessory_Entry,
                                          &Controller_Accessory_Quantity,   &Controller_Accessory_List_Item};

AxisRecord& axis(int number)
{
    return Axis[static_cast<std::size_t>(number - 1)];
}

// The line of a block's first value: axes 1 to 8 from line 2, the others in the extension.
int blockLine(int number)
{
    const int block = AxisProjectBlock::lineCount(kLayout);
    return number <= kAxesInFile ? 2 + block * (number - 1) : kExtensionLine + block * (number - kAxesInFile - 1);
}

void writeAxes(QString& text, int first, int last)
{
    for (int a = first; a <= last; ++a)
        AxisProjectBlock::write(axis(a), text, kLayout);
}

void writeAxisFields(QString& text, int first, int last)
{
    for (Field field : kAxisFields)
        for (int a = first; a <= last; ++a)
            text += AxisProjectBlock::value(axis(a).*field);
}

// Lines from `number` on, eight per field; a missing line fails unless tolerated.
int readAxisFields(const QStringList& lines, int number, int first, int last, bool missingTolerated)
{
    for (Field field : kAxisFields)
        for (int a = first; a <= last; ++a, ++number)
            if (!missingTolerated || number <= lines.size())
                axis(a).*field = AxisProjectBlock::line(lines, number);
    return number;
}

int integer(const QString& text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        throw std::runtime_error("A number line of the project file holds no number.");
    return value;
}

// A value goes only into a list that is shown: a hidden list's stale value
// is no difference. An empty value clears the list.
void selectWhenShown(ListControl* list, const QString& value)
{
    if (value.isEmpty())
        list->setListIndex(-1);
    else if (!list->isHidden())
        ProjectReplay::select(list, value);
}

// Lists no dialog could have stored refuse the file.
void checkAccessories()
{
    for (const AxisRecord& record : Axis)
        ProjectReplay::checkAccessories(record.Drive_Accessories);
    ProjectReplay::checkAccessories(Controller_Accessories);
}

// The line of the controller's part number, the first of its lines after the eighth block.
int partNumberLine()
{
    return blockLine(kAxesInFile) + AxisProjectBlock::lineCount(kLayout);
}

// The axis list for the system's axis count (none before a controller was configured).
void listAxes(frmController_Setup& form)
{
    if (Total_Axes == 0)
        return;
    {
        FlagGuard loading(Loading_Lists, true);
        form.Rebuild_Axis_List(Total_Axes);
    }
    form.Update_Replicate();
}

// The drive accessories of the current axis that its drive still offers.
void keepOfferedAccessories(Reconciliation& reconciliation)
{
    AxisRecord& record = Current_Record();
    reconciliation.keepOfferedDriveAccessories(ControllerAccessoryDialog::request(record.Drive_Name), record);
}

// Every axis but the first with a drive is shown once, held to the catalogue
// as axis 1 is, so that its part numbers are in the report at once; an axis
// beyond the count too, which the count hides and keeps. Axis 1 is shown at the end.
void replayAxes(frmController_Setup& form, ListControl* axes, Reconciliation& reconciliation)
{
    bool moved = false;
    for (int a = 2; a <= kAxes; ++a) {
        if (axis(a).Drive_Name.isEmpty()) {
            // No drive offers what such an axis holds for one.
            FlagGuard replaying(Loading_Project, true);
            const int shown = std::exchange(Current_Axis, a);
            keepOfferedAccessories(reconciliation);
            Current_Axis = shown;
            continue;
        }
        if (a <= axes->listCount()) {
            FlagGuard loading(Loading_Lists, true);
            axes->setListIndex(a - 1);
        }
        FlagGuard replaying(Loading_Project, true);
        Current_Axis = a;
        form.Load_Axis(ProjectReplay::ControllerProject, &reconciliation);
        keepOfferedAccessories(reconciliation);
        moved = true;
    }
    if (!moved)
        return;
    {
        FlagGuard loading(Loading_Lists, true);
        axes->setListIndex(0);
    }
    FlagGuard replaying(Loading_Project, true);
    Current_Axis = 1;
    form.Load_Axis();
    form.Update_Replicate();
}

// Whether any of axes 9 to 16 holds a choice: the extension keeps it whatever the count.
bool extensionHoldsAChoice()
{
    return std::any_of(Axis.begin() + kAxesInFile, Axis.end(),
                       [](const AxisRecord& record) { return !(static_cast<const AxisSelections&>(record) == AxisSelections()); });
}

} // namespace

QString ControllerProjectFile::text()
{
    // A controller file is of kind 1, also while the drive accessory dialog
    // has System_Type at 3.
    QString text = AxisProjectBlock::value(QString::number(SetupKinds::Controller));
    writeAxes(text, 1, kAxesInFile);
    for (const QString& value : {Controller_Part_Number, Controller_Name, Controller_Extra,
                                 QString::number(Controller_Expansion_IO), Required_Accessory,
                                 Required_Accessory_Length, Breakout_Axes, QString::number(Total_Axes),
                                 QString::number(Total_Servos), QString::number(Total_Steppers)})
        text += AxisProjectBlock::value(value);
    for (const List21* list : kControllerLists)
        for (const QString& entry : *list)
            text += AxisProjectBlock::value(entry);
    writeAxisFields(text, 1, kAxesInFile);
    if (Total_Axes > kAxesInFile || extensionHoldsAChoice()) {
        writeAxes(text, kAxesInFile + 1, kAxes);
        writeAxisFields(text, kAxesInFile + 1, kAxes);
    }
    return text;
}

void ControllerProjectFile::read(const QStringList& lines, AxisProjectBlock::Values values)
{
    for (int a = 1; a <= kAxesInFile; ++a)
        AxisProjectBlock::read(lines, axis(a), blockLine(a), kLayout, values);

    // The controller's lines follow the eighth block; its part number (the
    // first of them) comes back from the options dialog.
    if (values == AxisProjectBlock::Held)
        Controller_Part_Number = AxisProjectBlock::line(lines, partNumberLine());
    int number = partNumberLine() + 1;
    const auto next = [&] { return AxisProjectBlock::line(lines, number++); };
    Controller_Name = next();
    Controller_Extra = next();
    Controller_Expansion_IO = integer(next());
    Required_Accessory = next();
    Required_Accessory_Length = next();
    Breakout_Axes = next();
    // The form has sixteen axes: a count beyond them is no file it wrote.
    Total_Axes = integer(next());
    if (Total_Axes < 0 || Total_Axes > kAxes)
        throw std::runtime_error("The project file's axis count is out of range.");
    Total_Servos = integer(next());
    Total_Steppers = integer(next());
    for (List21* list : kControllerLists)
        for (QString& entry : *list)
            entry = next();

    // Files written before these lines existed end earlier.
    readAxisFields(lines, number, 1, kAxesInFile, true);

    // A controller of more than eight axes has the extension, and so has a
    // file whose axes beyond the eighth hold a choice: whole either way.
    if (Total_Axes > kAxesInFile || lines.size() >= ExtendedLines) {
        for (int a = kAxesInFile + 1; a <= kAxes; ++a)
            AxisProjectBlock::read(lines, axis(a), blockLine(a), kLayout, values);
        readAxisFields(lines, blockLine(kAxes + 1), kAxesInFile + 1, kAxes, false);
    }
}

bool ControllerProjectFile::holdsVoltageLine(const QStringList& lines, int number)
{
    // The extension always holds its axes' voltages; a line held is followed
    // by another, the empty text after the file's last CR at least.
    return number > kAxesInFile || lines.size() > Lines - 3 * kAxesInFile + number;
}

void ControllerProjectFile::replay(frmController_Setup& form, const ControllerControls& controller,
                                   Reconciliation& reconciliation)
{
    checkAccessories();
    const bool breakoutSaved = ControllerConnection::isBreakout(Required_Accessory);
    ProjectReplay::selectOrClear(controller.cmbController, Controller_Name);
    Current_Axis = 1;
    form.axisReplay(ProjectReplay::ControllerProject, &reconciliation).run(axis(1));
    reconciliation.attempt(Stage::ControllerCableLength, 1, [&] {
        ProjectReplay::selectOrClear(controller.cmbController_Cable_Length, axis(1).Controller_Cable_Length);
    });
    keepOfferedAccessories(reconciliation);

    // An axis 1 without a drive built no connection: the ports come from the controller.
    if (controller.cmbAxis_Number->listCount() == 0)
        ControllerConnection(controller).listPorts();
    // Ports the catalogue no longer offers went with options it no longer
    // offers: the list is left for the user, and the options dialog tells it.
    const bool portsLost = !controller.cmbAxis_Number->isHidden() && !Breakout_Axes.isEmpty()
        && controller.cmbAxis_Number->findEntry(Breakout_Axes) < 0;
    // A breakout that is none now takes the ports and length chosen for it.
    const bool breakoutLost = breakoutSaved && !ControllerConnection::isBreakout(Required_Accessory);
    if (portsLost || (breakoutLost && !Breakout_Axes.isEmpty())) {
        ControllerConnection::forgetPorts();
        ControllerConnection(controller).writeText();
    }
    selectWhenShown(controller.cmbAxis_Number, Breakout_Axes);
    reconciliation.attempt(Stage::BreakoutLength, 0, [&] {
        selectWhenShown(controller.cmbReq_Accessories_length, Required_Accessory_Length);
    });
    ControllerConnection(controller).writeText();
    Loading_Project = false;
    listAxes(form);
    replayAxes(form, controller.cmbAxis, reconciliation);

    // The restored options name the controller. A project saved before any
    // Done (an axis count of 0) takes the controller's count, as Done would;
    // any other count stays until the user's Done.
    frmControl* options = Forms::get<frmControl>();
    if (options && !AxisProjectBlock::line(Project_Lines, partNumberLine()).isEmpty())
        options->restoreEmptyLastLevel();
    if (portsLost && options)
        options->tellLost();
    if (Total_Axes == 0 && !Controller_Part_Number.isEmpty())
        reconciliation.attemptDerived([&] {
            ControllerOptions::takeAxisCounts(Controller_Name, ControllerOptions::saved());
            listAxes(form);
        });
    form.cmdController_Click();
    if (options)
        options->keepOfferedAccessories(reconciliation);
}
