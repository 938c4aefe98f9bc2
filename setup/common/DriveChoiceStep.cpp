#include "setup/common/DriveChoiceStep.h"

#include "platform/ListControl.h"
#include "platform/Pictures.h"
#include "setup/common/LoneEntry.h"
#include "setup/common/SelectionCascade.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"
#include "shell/Stage.h"

#include <QPushButton>

using namespace Globals;

DriveChoiceStep::DriveChoiceStep(const CascadeControls& controls, SelectionCascade& cascade, SetupForm& form)
    : m_c(controls), m_cascade(cascade), m_form(form)
{
}

DriveChoiceStep::~DriveChoiceStep() = default;

void DriveChoiceStep::click()
{
    const bool made = m_cascade.upperChoice(m_c.driveList, Last_Drive, Stage::Drive,
                                            [this](const QString& drive, const AxisSnapshot& before,
                                                   AxisRecord& record) { chosen(drive, before, record); });
    if (!made && !Loading_Lists)
        chosenAgain(m_c.driveList->text());
}

void DriveChoiceStep::chosen(const QString& drive, const AxisSnapshot& before, AxisRecord& record)
{
    const bool seriesChosen = m_c.cmbMotor_Series->listIndex() != -1;
    showPicture(drive);
    // The series list is filled afresh for the drive: nothing of a series stays behind it.
    if (!seriesChosen) {
        m_c.cmbMotor_Series->clear();
        Dependents::drop(Stage::Series);
    }
    emptyOwn();
    if (listAfter(drive, seriesChosen, before))
        finish(drive, seriesChosen, record);
}

void DriveChoiceStep::finish(const QString& drive, bool seriesChosen, AxisRecord& record)
{
    record.Drive_Name = drive;
    // The accessories chosen for the old drive went with it; what only a file
    // carries for a drive stays while the new one offers it too.
    if (!Loading_Project) {
        Dependents::driveChosen(m_form.offeredDriveAccessories(drive));
        m_form.Update_Accessories_Display();
    }
    m_c.show(m_c.driveButton);
    recorded(drive, record);
    Loading_Lists = false;
    selectSingle(seriesChosen);
}

void DriveChoiceStep::showPicture(const QString& drive) const
{
    Pictures::showIn(m_c.picDrive, drive);
}

bool DriveChoiceStep::listAfter(const QString&, bool seriesChosen, const AxisSnapshot& before)
{
    return m_cascade.listAfterDrive(seriesChosen, before);
}

void DriveChoiceStep::selectSingle(bool seriesChosen) const
{
    LoneEntry::choose(seriesChosen ? m_c.cmbFrame_size : m_c.cmbMotor_Series);
}
