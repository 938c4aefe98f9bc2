#include "setup/controller/DriveChoiceStep.h"

#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/Pictures.h"
#include "setup/controller/ControllerConnection.h"
#include "setup/common/AxisSnapshot.h"
#include "setup/common/SelectionCascade.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"

#include <QLabel>
#include <QPushButton>

using namespace Globals;

DriveChoiceStep::DriveChoiceStep(const CascadeControls& cascadeControls, const ControllerControls& controllerControls,
                                 SelectionCascade& cascade, const ControllerConnection& connection)
    : m_c(cascadeControls), m_k(controllerControls), m_cascade(cascade), m_connection(connection)
{
}

void DriveChoiceStep::click()
{
    if (Loading_Lists)
        return;
    const QString drive = m_c.driveList->text();
    if (drive == Last_Drive)
        return;
    const bool controllerChosen = m_k.cmbController->listIndex() != -1;
    const bool seriesChosen = m_c.cmbMotor_Series->listIndex() != -1;
    const AxisSnapshot before(m_c.driveList);
    FlagGuard loading(Loading_Lists, true);
    AxisRecord& record = Current_Record();

    // A drive without a picture keeps the previous one.
    if (Pictures::exists(drive))
        m_k.picDrive->setPixmap(Pictures::load(drive));
    m_k.show(m_k.picDrive);
    m_cascade.hideResultDisplay();
    if (!controllerChosen)
        m_k.cmbController->clear();
    if (!seriesChosen)
        m_c.cmbMotor_Series->clear();
    m_cascade.emptyAndDisable(SelectionCascade::FrameSize);
    if (!Loading_Project) {
        if (!seriesChosen)
            record.Motor_Series.clear();
        SelectionCascade::clearChoicesFrom(record, SelectionCascade::FrameSize);
        if (!controllerChosen)
            record.Controller_Cable_Part_Number.clear();
    }

    if (!seriesChosen)
        m_cascade.listSeriesOfDrive();
    if (!controllerChosen) {
        SelectionCascade::fillDistinct(m_k.cmbController,
                                       QStringLiteral("SELECT [Controller to Drive].[Controller Name], "
                                                      "[Controller to Drive].[Drive Name] From [Controller to Drive] "
                                                      "WHERE ((([Controller to Drive].[Drive Name])=?))"
                                                      "ORDER BY [Controller to Drive].[Controller Name];"),
                                       {drive}, QStringLiteral("Controller Name"));
        m_k.cmbController->setListIndex(-1);
        // With a series chosen the one controller is handled before the frame sizes are listed.
        if (seriesChosen && m_k.cmbController->listCount() == 1) {
            FlagGuard running(Loading_Lists, false);
            m_k.cmbController->setListIndex(0);
        }
    }
    if (seriesChosen) {
        m_cascade.listFrameSizes();
        if (m_c.cmbFrame_size->listCount() == 0) {
            before.refuse(QStringLiteral("Drive"));
            return;
        }
        // Selected while the flag is set: the stack lengths wait for the user's choice.
        if (m_c.cmbFrame_size->listCount() == 1)
            m_c.cmbFrame_size->setListIndex(0);
    }
    if (controllerChosen) {
        if (!ControllerConnection::fits(m_k.cmbController->text(), drive)) {
            m_connection.refuse();
            before.refuse(QStringLiteral("Controller"));
            return;
        }
        m_connection.build(drive, ControllerConnection::DriveChosen);
    }

    m_k.show(m_k.cmdDriveAccessories);
    Last_Drive = drive;
    record.Drive_Name = drive;
    m_cascade.clearDerived(record);
    if (!Loading_Project)
        for (AxisRecord::List21* list :
             {&record.Drive_Accessory_Entry, &record.Drive_Accessory_List_Index, &record.Drive_Accessory_Quantity,
              &record.Drive_Accessory_Description, &record.Drive_Accessory_List_Item})
            list->fill(QString());
    Loading_Lists = false;

    // The record names the drive before a one-entry list runs the steps after
    // it: they read the drive's rows through the record.
    if (!seriesChosen && m_c.cmbMotor_Series->listCount() == 1)
        m_c.cmbMotor_Series->setListIndex(0);
    if (!controllerChosen && !seriesChosen && m_k.cmbController->listCount() == 1)
        m_k.cmbController->setListIndex(0);
}
