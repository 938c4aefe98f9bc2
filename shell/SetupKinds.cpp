#include "shell/SetupKinds.h"

const QList<SetupKinds::Kind>& SetupKinds::all()
{
    static const QList<Kind> kinds = {
        {Controller, QStringLiteral("frmController_Setup"), QStringLiteral("frmControl"),
         QStringLiteral("Separate Controller, Drive and Motor Setup"), false},
        {DriveController, QStringLiteral("frmDriveController_Setup"), QStringLiteral("frmDriveControl"),
         QStringLiteral("Standalone Drive/Controller and Motor Setup"), true},
        {Drive, QStringLiteral("frmDrive_Setup"), QString(), QStringLiteral("Drive and Motor Setup"), true},
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
