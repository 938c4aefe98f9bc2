#include "setup/common/Reconciliation.h"

#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/MsgBox.h"
#include "setup/common/AccessoryRequest.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/ProjectValues.h"
#include "shell/frmAccessories.h"

#include <QFileInfo>

#include <exception>

using namespace Globals;

namespace {

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// One line of the message, blaming neither side: the program cannot know
// whether the file or the catalogue changed.
QString told(const Dependents::Difference& d, bool axesNamed)
{
    const QString what =
        capitalized(axesNamed && d.axis ? QStringLiteral("Axis %1 %2").arg(d.axis).arg(d.what) : d.what);
    if (d.folded)
        return QStringLiteral("%1: \"%2\" in several rows in the project file, in one now.").arg(what, d.saved);
    if (d.saved.isEmpty())
        return QStringLiteral("%1: \"%2\" now, not in the project file.").arg(what, d.now);
    if (d.now.isEmpty())
        return QStringLiteral("%1: \"%2\" in the project file, none now.").arg(what, d.saved);
    return QStringLiteral("%1: \"%2\" in the project file, \"%3\" now.").arg(what, d.saved, d.now);
}

} // namespace

Reconciliation::Outcome Reconciliation::whenNotOffered(Stage stage)
{
    switch (stage) {
    // The product, and the motor down to the option that chooses its configuration.
    case Stage::Controller:
    case Stage::Technology:
    case Stage::Drive:
    case Stage::Series:
    case Stage::FrameSize:
    case Stage::StackLength:
    case Stage::Winding:
    case Stage::FourthList:
    case Stage::FifthList:
    case Stage::CableOption:
    case Stage::MotorOption:
        return Refused;
    // A voltage, a wiring, a cable length, a gearhead, an accessory, an option level, a breakout.
    default:
        return LeftForUser;
    }
}

void Reconciliation::attempt(Stage stage, int axis, const std::function<void()>& step)
{
    try {
        step();
    } catch (const DatabaseFault& fault) {
        if (whenNotOffered(stage) == Refused)
            throw;
        m_faults << QString::fromUtf8(fault.what());
        leave(stage, axis);
    } catch (const std::exception&) {
        if (whenNotOffered(stage) == Refused)
            throw;
        leave(stage, axis);
    }
}

bool Reconciliation::attemptDerived(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const DatabaseFault& fault) {
        m_faults << QString::fromUtf8(fault.what());
        return false;
    }
}

void Reconciliation::leave(Stage stage, int axis)
{
    // A replay keeps what it restores: this value goes all the same.
    FlagGuard emptying(Loading_Project, false);
    Dependents::drop(stage, axis);
}

void Reconciliation::keepOffered(const AccessoryRequest& request, const AccessoryStore::Offer& offer)
{
    if (AccessoryStore::Storable(request.context, offer, *request.choice))
        return;
    *request.choice = AccessoryStore::Offered_Part(request.context, offer, *request.choice);
    storeAsShown(request);
}

void Reconciliation::storeAsShown(const AccessoryRequest& request)
{
    if (frmAccessories* dialog = request.open(false))
        dialog->Store_Shown();
    Forms::unload<frmAccessories>();
}

void Reconciliation::keepOfferedDriveAccessories(const AccessoryRequest& request, const AxisRecord& record)
{
    const QStringList offered = request.offered();
    keepOffered(request, {offered, {}, {}, {}});
    if (!AccessoryStore::Offers(offered, record.Required_Drive_Accessory))
        leave(Stage::DriveOffer, Current_Axis);
}

void Reconciliation::tell(const std::function<void()>& readHeld, bool axesNamed) const
{
    const ProjectValues now = ProjectValues::current();
    ProjectValues saved = now;
    saved.exchange();
    try {
        readHeld();
    } catch (...) {
        saved.exchange();
        throw;
    }
    saved.exchange();

    QStringList lines = m_faults;
    for (const Dependents::Difference& d : Dependents::differences(saved, now))
        lines << told(d, axesNamed);
    if (lines.isEmpty())
        return;
    lines.prepend(QStringLiteral("The project file and the database %1 differ; the project now holds what the "
                                 "database offers:")
                      .arg(QFileInfo(System_Database.path()).fileName()));
    MsgBox::show(lines.join(QStringLiteral("\r\n")), MsgBox::OKOnly, Product_Title);
}
