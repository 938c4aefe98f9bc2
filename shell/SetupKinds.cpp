#include "shell/SetupKinds.h"

#include "shell/Globals.h"
#include "shell/Report.h"

const QList<SetupKinds::Kind>& SetupKinds::all()
{
    static const QList<Kind> kinds = {
        {Controller, ControllerForm, ControllerOptionsDialog,
         QStringLiteral("Separate Controller, Drive and Motor Setup"), false, &Globals::controllerReport},
        {DriveController, DriveControllerForm, DriveControllerOptionsDialog,
         QStringLiteral("Standalone Drive/Controller and Motor Setup"), true, &Globals::driveControllerReport},
        {Drive, DriveForm, QString(), QStringLiteral("Drive and Motor Setup"), true, &Globals::driveReport},
    };
    return kinds;
}

const SetupKinds::Kind* SetupKinds::find(int number)
{
    for (const Kind& kind : all())
        if (kind.number == number)
            return &kind;
    return nullptr;
}

QString SetupKinds::formName(int number)
{
    const Kind* kind = find(number);
    return kind ? kind->form : QString();
}

namespace {
AccessoryChoice& axisAccessories()
{
    return Globals::Current_Record().Drive_Accessories;
}
} // namespace

const SetupKinds::AccessoryContext* SetupKinds::accessoryContext(int number)
{
    static const AccessoryContext contexts[] = {
        {Controller, Controller, true, &Globals::Controller_Expansion_IO, true,
         []() -> AccessoryChoice& { return Globals::Controller_Accessories; }, Stage::ControllerAccessories},
        {DriveController, DriveController, true, &Globals::Drive_Controller_Expansion_IO, false,
         []() -> AccessoryChoice& { return Globals::Drive_Controller_Accessories; }, Stage::DriveControllerAccessories},
        {ControllerAxisAccessories, Controller, false, nullptr, false, &axisAccessories, Stage::DriveConfiguration},
        {Drive, Drive, false, nullptr, false, &axisAccessories, Stage::DriveConfiguration},
    };
    for (const AccessoryContext& context : contexts)
        if (context.number == number)
            return &context;
    return nullptr;
}
