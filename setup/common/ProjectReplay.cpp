#include "setup/common/ProjectReplay.h"

#include "setup/common/Reconciliation.h"

#include "platform/DatabaseFault.h"
#include "platform/ListControl.h"
#include "shell/AxisRecord.h"
#include "shell/Globals.h"
#include "shell/frmGear.h"

#include <algorithm>
#include <stdexcept>

using namespace Globals;

namespace {
const QString kQdServo = QStringLiteral("QD_Servo");
} // namespace

ProjectReplay::ProjectReplay(const CascadeControls& controls, Mode mode, Reconciliation* reconciliation)
    : m_c(controls), m_mode(mode), m_reconciliation(reconciliation)
{
    if (mode != Axis && !reconciliation)
        throw std::logic_error("A project file's replay reconciles it with the catalogue.");
}

ProjectReplay& ProjectReplay::withRules(const CascadeRules& rules)
{
    m_rules = rules;
    return *this;
}

ProjectReplay& ProjectReplay::withControllerDrives(std::function<void()> list)
{
    m_controllerDrives = std::move(list);
    return *this;
}

ProjectReplay& ProjectReplay::withVoltageLine(bool held)
{
    m_voltageLine = held;
    return *this;
}

template <class Step>
void ProjectReplay::attempt(Stage stage, Step step) const
{
    if (m_mode != Axis) {
        m_reconciliation->attempt(stage, Current_Axis, step);
        return;
    }
    try {
        step();
    } catch (const DatabaseFault&) {
        // The catalogue's fault is told, not passed over as a value no longer offered.
        throw;
    } catch (const std::exception&) {
        // The list keeps what the step reached; the next step runs.
    }
}

void ProjectReplay::checkAccessories(const AccessoryChoice& choice)
{
    if (!AccessoryStore::Could_Be_Stored(choice))
        throw std::runtime_error("The accessory lists of the project file are no dialog's.");
}

void ProjectReplay::select(ListControl* list, const QString& value)
{
    // A handler that does not take the choice puts the former entry back.
    if (!list->setText(value) || list->text().compare(value, Qt::CaseInsensitive) != 0)
        throw std::runtime_error(QStringLiteral("\"%1\" is not offered in %2.")
                                     .arg(value, list->objectName())
                                     .toStdString());
}

void ProjectReplay::selectOrClear(ListControl* list, const QString& value)
{
    if (value.isEmpty())
        list->setListIndex(-1);
    else
        select(list, value);
}

QString ProjectReplay::lookUpTechnology(const AxisRecord& record) const
{
    if (!record.Motor_Series.isEmpty()) {
        const Recordset& rs = Run_Query(QStringLiteral("SELECT DISTINCT [Motors].[Motor Type], [Motors].[Motor Name]"
                                                       "FROM [Motors] WHERE (([Motors].[Motor Name]) = ?) "
                                                       "ORDER BY [Motors].[Motor Type];"),
                                        {record.Motor_Series});
        return rs.text(QStringLiteral("Motor Type")); // throws when the series is unknown
    }
    const Recordset& rs = Run_Query(m_rules.driveTechnologySql, {record.Drive_Name});
    return rs.text(m_rules.driveTechnologyColumn);
}

void ProjectReplay::run(AxisRecord& record) const
{
    // 1. Technology, looked up for files that have none.
    attempt(Stage::Technology, [&] {
        if (!record.Motor_Technology.isEmpty())
            select(m_c.cmbMotor_Tech, record.Motor_Technology);
        else if (!record.Motor_Series.isEmpty() || !record.Drive_Name.isEmpty())
            select(m_c.cmbMotor_Tech, lookUpTechnology(record));
        else
            m_c.cmbMotor_Tech->setListIndex(-1);
    });

    // The drive first, unless the technology's list lacks it: a controller
    // chosen after the technology lists every drive of its own, and else the
    // series' own drive list holds every drive paired with it, whatever its table.
    const auto driveOffered = [&] {
        return record.Drive_Name.isEmpty() || m_c.driveList->findEntry(record.Drive_Name) >= 0;
    };
    if (!driveOffered() && m_controllerDrives)
        m_controllerDrives();
    const bool seriesFirst = !driveOffered() && m_c.cmbMotor_Series->findEntry(record.Motor_Series) >= 0;
    if (seriesFirst)
        attempt(Stage::Series, [&] { selectOrClear(m_c.cmbMotor_Series, record.Motor_Series); });
    attempt(Stage::Drive, [&] { selectOrClear(m_c.driveList, record.Drive_Name); });
    if (!seriesFirst)
        attempt(Stage::Series, [&] { selectOrClear(m_c.cmbMotor_Series, record.Motor_Series); });

    // The motor's details in the order the lists take them: an empty value
    // with a value after it was the list's empty entry, chosen.
    const bool qdServo = record.Part_Number_Type == kQdServo;
    using Field = QString AxisSelections::*;
    const QList<Field> details = {&AxisSelections::Frame_Size, &AxisSelections::Stack_Length,
                                  &AxisSelections::Winding,
                                  qdServo ? &AxisSelections::Shaft_Option : &AxisSelections::Feedback,
                                  qdServo ? &AxisSelections::Feedback : &AxisSelections::Shaft_Option,
                                  &AxisSelections::Cable_Option, &AxisSelections::Motor_Option,
                                  &AxisSelections::Drive_Voltage};
    const auto detail = [&](ListControl* list, qsizetype position) {
        const QString& value = record.*details.at(position);
        const bool chosenAfter = std::any_of(details.begin() + position + 1, details.end(),
                                             [&](Field later) { return !(record.*later).isEmpty(); });
        if (value.isEmpty() && chosenAfter && list->findEntry(QString()) >= 0)
            select(list, QString());
        else
            selectOrClear(list, value);
    };
    attempt(Stage::FrameSize, [&] { detail(m_c.cmbFrame_size, 0); });
    attempt(Stage::StackLength, [&] { detail(m_c.cmbStack_length, 1); });
    attempt(Stage::Winding, [&] { detail(m_c.cmbWinding, 2); });
    attempt(Stage::FourthList, [&] { detail(m_c.cmbFeedback, 3); });
    const QString fifth = qdServo ? record.Feedback : record.Shaft_Option;
    // The gearhead dialog adds the keyway entry to this series and frame; a
    // project saved with it needs it again.
    if (fifth == frmGear::Keyway && m_c.cmbShaft_options->findEntry(fifth) < 0
        && record.Motor_Series.compare(QLatin1String("KX"), Qt::CaseInsensitive) == 0
        && record.Frame_Size == QLatin1String("16"))
        m_c.cmbShaft_options->addItem(frmGear::Keyway);
    attempt(Stage::FifthList, [&] { detail(m_c.cmbShaft_options, 4); });
    attempt(Stage::CableOption, [&] { detail(m_c.cmbCable_Option, 5); });

    attempt(Stage::MotorOption, [&] {
        if (!record.Motor_Option.isEmpty() && !record.Gearhead_Code.isEmpty()
            && record.Gearhead_Code.compare(QLatin1String("GXX"), Qt::CaseInsensitive) != 0) {
            // A stored gearhead is taken only where the user could have chosen it:
            // the motor offers the gearhead option and the gearhead dialog this code.
            const bool placeholder = std::ranges::any_of(
                m_c.cmbOptions->items(),
                [](const QString& option) { return option.startsWith(QLatin1String("GXX"), Qt::CaseInsensitive); });
            const QStringList gearheads = placeholder ? frmGear::Offered_Gearheads(record) : QStringList();
            const auto code = std::ranges::find_if(gearheads, [&](const QString& offered) {
                return offered.compare(record.Gearhead_Code, Qt::CaseInsensitive) == 0;
            });
            if (code == gearheads.end()) {
                // The motor is offered: the gearhead, with the option it came
                // with, is the user's to choose again.
                if (!m_reconciliation || (!placeholder && m_c.cmbOptions->findEntry(record.Motor_Option) < 0))
                    throw std::runtime_error(QStringLiteral("The gearhead \"%1\" is not offered for this motor.")
                                                 .arg(record.Gearhead_Code)
                                                 .toStdString());
                m_reconciliation->leave(Stage::MotorOption, Current_Axis);
                return;
            }
            // The notes stand as the file holds them: the user may have emptied them.
            record.Gearhead_Code = *code;
            m_c.cmbOptions->addItem(*code);
            select(m_c.cmbOptions, *code);
        } else {
            detail(m_c.cmbOptions, 6);
        }
    });

    // Only what the motor options step offered.
    const bool intoShownLists = m_mode != Project;
    attempt(Stage::Voltage, [&] {
        if (m_mode == Axis) {
            // An axis without a voltage keeps none.
            if (!m_c.cmbDriveVoltage->isHidden() && !record.Drive_Voltage.isEmpty())
                select(m_c.cmbDriveVoltage, record.Drive_Voltage);
        } else if (!record.Drive_Voltage.isEmpty()) {
            if (!intoShownLists || !m_c.cmbDriveVoltage->isHidden())
                select(m_c.cmbDriveVoltage, record.Drive_Voltage);
        } else if (m_c.cmbOptions->listIndex() != -1 && !m_voltageLine) {
            m_c.cmbDriveVoltage->setListIndex(0); // an empty list selects nothing
        } else {
            m_c.cmbDriveVoltage->setListIndex(-1);
        }
    });

    attempt(Stage::Wiring, [&] {
        if (!record.Motor_Wiring.isEmpty() && (!intoShownLists || !m_c.cmbWiring->isHidden()))
            select(m_c.cmbWiring, record.Motor_Wiring);
    });

    attempt(Stage::MotorCableLength, [&] { selectOrClear(m_c.cmbMotor_Cable_Length, record.Motor_Cable_Length); });
    attempt(Stage::FeedbackCableLength,
            [&] { selectOrClear(m_c.cmbFeedback_Cable_Length, record.Feedback_Cable_Length); });
}
