#include "setup/controller/ControllerDriveChoiceStep.h"

#include "platform/DatabaseFault.h"
#include "platform/ListControl.h"
#include "platform/Pictures.h"
#include "setup/common/AxisSnapshot.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/SelectionCascade.h"
#include "setup/controller/ControllerCascade.h"
#include "setup/controller/ControllerConnection.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"

#include <QLabel>

using namespace Globals;

ControllerDriveChoiceStep::ControllerDriveChoiceStep(const CascadeControls& cascadeControls,
                                                     const ControllerControls& controllerControls,
                                                     SelectionCascade& cascade, SetupForm& form,
                                                     const ControllerConnection& connection)
    : DriveChoiceStep(cascadeControls, cascade, form), m_k(controllerControls), m_connection(connection)
{
}

void ControllerDriveChoiceStep::showPicture(const QString& drive) const
{
    if (Pictures::exists(drive))
        m_c.picDrive->setPixmap(Pictures::load(drive));
    m_c.show(m_c.picDrive);
}

void ControllerDriveChoiceStep::emptyOwn()
{
    m_controllerChosen = m_k.cmbController->listIndex() != -1;
    if (!m_controllerChosen)
        m_k.cmbController->clear();
}

bool ControllerDriveChoiceStep::listAfter(const QString& drive, bool seriesChosen, const AxisSnapshot& before)
{
    if (!seriesChosen)
        m_cascade.listSeriesOfDrive();
    if (!m_controllerChosen) {
        SelectionCascade::fillDistinct(m_k.cmbController,
                                       QStringLiteral("SELECT [Controller to Drive].[Controller Name], "
                                                      "[Controller to Drive].[Drive Name] From [Controller to Drive] "
                                                      "WHERE ((([Controller to Drive].[Drive Name])=?))"
                                                      "ORDER BY [Controller to Drive].[Controller Name];"),
                                       {drive}, QStringLiteral("Controller Name"), false);
        // A pairing names no controller that the catalogue does not list.
        ControllerCascade::narrow(m_k.cmbController, ControllerConnection::controllers());
        // With a series chosen the one controller is handled before the frame sizes are listed.
        if (seriesChosen)
            LoneEntry::choose(m_k.cmbController);
    }
    if (seriesChosen) {
        m_cascade.listFrameSizes();
        if (m_c.cmbFrame_size->listCount() == 0) {
            before.refuse(QStringLiteral("Drive"));
            return false;
        }
    }
    if (m_controllerChosen) {
        if (!ControllerConnection::fits(m_k.cmbController->text(), drive)) {
            m_connection.refuse();
            // Yes resets this axis only: the breakout still serves the others' drives.
            if (before.refuse(QStringLiteral("Controller")))
                m_connection.serveOtherAxes(m_k.cmbController->text());
            return false;
        }
        try {
            m_connection.build(drive);
        } catch (const DatabaseFault&) {
            // A connection the catalogue cannot bill: the drive is not taken.
            before.restore();
            throw;
        }
    }
    return true;
}

void ControllerDriveChoiceStep::recorded(const QString& drive, AxisRecord&)
{
    Last_Drive = drive;
    // The drive now in the record may be the system's first: the breakout stands for it.
    if (m_controllerChosen)
        m_connection.writeText();
}

void ControllerDriveChoiceStep::selectSingle(bool seriesChosen) const
{
    // The record names the drive and the connection is built before a
    // one-entry list runs the steps after it: they read the drive's rows
    // through the record.
    DriveChoiceStep::selectSingle(seriesChosen);
    if (!seriesChosen && !m_controllerChosen)
        LoneEntry::choose(m_k.cmbController);
}
