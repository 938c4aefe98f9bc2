#include "setup/controller/ControllerChoiceStep.h"

#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/Pictures.h"
#include "setup/controller/ControllerCascade.h"
#include "setup/controller/ControllerConnection.h"
#include "setup/common/AxisSnapshot.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/SelectionCascade.h"
#include "setup/common/TextBox.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <QLabel>
#include <QPushButton>

using namespace Globals;

ControllerChoiceStep::ControllerChoiceStep(const CascadeControls& cascadeControls,
                                           const ControllerControls& controllerControls,
                                           const ControllerConnection& connection)
    : m_c(cascadeControls), m_k(controllerControls), m_connection(connection)
{
}

bool ControllerChoiceStep::listDrives() const
{
    QStringList drives;
    const QString column = QStringLiteral("Drive Name");
    for (Recordset& rs = Run_Query(QStringLiteral("SELECT [Controller to Drive].[Controller Name], "
                                                  "[Controller to Drive].[Drive Name] From [Controller to Drive] "
                                                  "WHERE ((([Controller to Drive].[Controller Name])=?))"
                                                  "ORDER BY [Controller to Drive].[Drive Name];"),
                                   {m_k.cmbController->text()});
         !rs.eof(); rs.moveNext())
        if (!rs.isNull(column) && !rs.text(column).isEmpty())
            drives << rs.text(column);

    if (m_c.cmbMotor_Series->listIndex() == -1) {
        m_c.driveList->clear();
        m_c.driveList->addItems(drives);
        return true;
    }
    // The series listed the drives that pair with it: keep those the controller works with.
    const int left = ControllerCascade::narrow(m_c.driveList, drives);
    if (left == 0)
        return false;
    // The drive step runs for the one drive left, so that the record names it.
    LoneEntry::choose(m_c.driveList);
    return true;
}

void ControllerChoiceStep::clearConfiguration() const
{
    // An options dialog still open configures the controller that goes: it
    // closes with its configuration (a replay keeps the stored one).
    Dependents::drop(Stage::ControllerOptions);
}

bool ControllerChoiceStep::choose(const QString& controller) const
{
    const AxisSnapshot before(m_k.cmbController);
    const auto axes = Axis;
    try {
        return connect(controller, before);
    } catch (const DatabaseFault&) {
        Axis = axes;
        before.restore();
        throw;
    }
}

bool ControllerChoiceStep::connect(const QString& controller, const AxisSnapshot& before) const
{
    FlagGuard loading(Loading_Lists, true);
    // A controller without a picture keeps the previous one.
    if (Pictures::exists(controller))
        m_k.picController->setPixmap(Pictures::load(controller));
    m_k.show(m_k.picController);
    m_k.show(m_k.cmdController);
    // Another controller than the system's: the former one's breakout goes
    // (a replay keeps the stored one), and every other axis must go with it too.
    const bool another = !Loading_Project && controller != Controller_Name;
    if (another)
        m_connection.forgetBreakout();
    const QList<int> misfits = another ? otherAxesNotFitting(controller) : QList<int>();

    const bool driveChosen = m_c.driveList->listIndex() != -1;
    const QString drive = m_c.driveList->text();
    const bool fits = driveChosen ? ControllerConnection::fits(controller, drive) : listDrives();
    if (fits && misfits.isEmpty()) {
        if (driveChosen)
            m_connection.build(drive);
    } else {
        if (driveChosen && !fits)
            m_connection.refuse();
        // Yes resets every axis that does not go with the controller.
        if (!before.refuse(QStringLiteral("Controller"), !fits))
            return false;
        for (int a : misfits)
            Dependents::drop(Stage::Axis, a);
        m_k.show(m_k.cmdController);
        if (fits && driveChosen)
            m_connection.build(drive);
        else
            listDrives();
    }
    if (another)
        connectOtherAxes(controller);
    return true;
}

QList<int> ControllerChoiceStep::otherAxesNotFitting(const QString& controller) const
{
    QList<int> misfits;
    for (int a = 1; a <= static_cast<int>(Axis.size()); ++a)
        if (a != Current_Axis && !ControllerConnection::takes(controller, Axis[static_cast<std::size_t>(a - 1)]))
            misfits << a;
    return misfits;
}

void ControllerChoiceStep::connectOtherAxes(const QString& controller) const
{
    bool connected = m_c.driveList->listIndex() != -1;
    for (int a = 1; a <= static_cast<int>(Axis.size()); ++a) {
        AxisRecord& record = Axis[static_cast<std::size_t>(a - 1)];
        if (a == Current_Axis || record.Drive_Name.isEmpty())
            continue;
        ControllerConnection::connect(record, controller, record.Drive_Name);
        connected = true;
    }
    // The current axis has no drive, another one has: the breakout serves it.
    if (connected && m_c.driveList->listIndex() == -1)
        m_connection.requireAccessoryOf(controller);
}

void ControllerChoiceStep::click()
{
    if (Loading_Lists)
        return;
    const QString controller = m_k.cmbController->text();
    const bool repeated = controller == Last_Controller;
    if (!repeated && !choose(controller))
        return;
    // Chosen anew or again, the controller starts unconfigured (a replay keeps
    // its configuration): the form shows no part number, and the axis list
    // waits for the options dialog.
    if (!repeated || !Loading_Project) {
        m_k.txtController_part->setText(QString());
        m_k.txtController_part->hide();
        m_k.lblController_Part->hide();
        m_k.cmbAxis->setEnabled(false);
        m_k.lblAxis->setEnabled(false);
        m_k.cmbReplicate->hide();
        m_k.lblReplicate->hide();
    }
    Last_Controller = controller;
    Controller_Name = controller;
    clearConfiguration();
}
