#include "setup/common/MotorOptionsStep.h"

#include "platform/DatabaseFault.h"
#include "platform/FlagGuard.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "setup/common/CableLengthStep.h"
#include "setup/common/DriveToMotorRow.h"
#include "setup/common/DriveVoltageStep.h"
#include "setup/common/InputVoltage.h"
#include "setup/common/MotorPartNumber.h"
#include "setup/common/TextBox.h"
#include "shell/AxisRecord.h"
#include "shell/Dependents.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmGear.h"

#include <algorithm>
#include <tuple>

using namespace Globals;

MotorOptionsStep::MotorOptionsStep(const CascadeControls& controls, const CascadeRules& rules,
                                   QString& feedbackKey)
    : m_c(controls), m_rules(rules), m_feedbackKey(feedbackKey)
{
}

bool MotorOptionsStep::refusesKeyway(const AxisRecord& record) const
{
    // Whole list texts: a catalogue may name the keyway "K = Keyway" where it is valid.
    return record.Gearhead_Code.isEmpty()
        && m_c.cmbShaft_options->text().compare(QLatin1String("K"), Qt::CaseInsensitive) == 0
        && m_c.cmbFrame_size->text() == QLatin1String("16")
        && m_c.cmbMotor_Series->text().compare(QLatin1String("KX"), Qt::CaseInsensitive) == 0;
}

void MotorOptionsStep::restoreCatalogueKeyway(AxisRecord& record) const
{
    // The gearhead dialog adds its "K = Keyway" where the catalogue spells the
    // keyway otherwise (the bare "K" of size 16): without the gearhead the
    // shaft goes back to the catalogue's entry, and its own rules apply again.
    ListControl* shaft = m_c.cmbShaft_options;
    const int added = shaft->findEntry(frmGear::Keyway);
    if (record.Shaft_Option != frmGear::Keyway || added < 0)
        return;
    const QString code = Get_Code(frmGear::Keyway);
    const QStringList entries = shaft->items();
    const auto own = std::ranges::find_if(
        entries, [&](const QString& entry) { return entry != frmGear::Keyway && Get_Code(entry) == code; });
    if (own == entries.end())
        return;
    shaft->removeItem(added);
    shaft->setText(*own); // its handler waits: Loading_Lists is set
    record.Shaft_Option = *own;
}

void MotorOptionsStep::followGearhead(AxisRecord& record, const QString& option) const
{
    // The list keeps the gearheads the dialog added: picking one of them
    // chooses that gearhead again, any other option drops the gearhead the
    // dialog chose, so that the project file and the report hold what the
    // form shows.
    if (frmGear::Offered_Gearheads(record).contains(option)) {
        record.Gearhead_Code = option;
        record.Gearhead_Notes = frmGear::Gearhead_Notes(record, option);
    } else if (!record.Gearhead_Code.isEmpty() && m_c.cmbOptions->findEntry(record.Gearhead_Code) >= 0) {
        record.Gearhead_Code.clear();
        record.Gearhead_Notes.clear();
        restoreCatalogueKeyway(record);
    }
}

void MotorOptionsStep::storeDriveNotes(AxisRecord& record, const DriveToMotorRow& row)
{
    record.Drive_Notes = row.text(QStringLiteral("Drive_Notes"));
}

void MotorOptionsStep::showNoDriveResult(AxisRecord&)
{
    if (m_c.txtDrive)
        m_c.txtDrive->setText(QString());
}

void MotorOptionsStep::showResultsBeforeFlag()
{
    if (m_c.txtDrive)
        m_c.show(m_c.txtDrive);
    if (m_c.lblDrive)
        m_c.show(m_c.lblDrive);
    m_c.show(m_c.txtMotor_Part);
    m_c.show(m_c.lblMotor_Part);
}

void MotorOptionsStep::showResultsAfterFlag()
{
    m_c.show(m_c.txtMotor);
    m_c.show(m_c.lblMotor);
    for (QWidget* line : m_c.lines)
        m_c.show(line);
}

void MotorOptionsStep::click()
{
    if (Loading_Lists)
        return;
    FlagGuard loading(Loading_Lists, true);
    AxisRecord& record = Current_Record();
    const QString option = m_c.cmbOptions->text();
    const QString previousOption = record.Motor_Option;
    record.Motor_Option = option;

    // A placeholder the user picks always asks for a gearhead, rather than
    // building a part number with the placeholder in it; the gearhead stays
    // until the dialog hands back another one. A replayed placeholder is
    // shown without the dialog: that belongs to a user's choice, and the
    // replay may go on to other axes.
    const bool placeholder = option.startsWith(QLatin1String("GXX"), Qt::CaseInsensitive);
    if (placeholder
        && (!Loading_Project || !(m_rules.gearheadOnlyWithoutGearhead && !record.Gearhead_Code.isEmpty()))) {
        if (!Loading_Project) {
            // The curve drawn for the former option stands for nothing while a
            // gearhead is being chosen; the values stay for Cancel.
            Dependents::closeWindows(Stage::MotorResult);
            System_Type = m_rules.systemType;
            if (auto* gear = Forms::get<frmGear>()) {
                gear->Show();
                gear->Return_To(previousOption);
            }
            Current_Form = frmGear::Name;
        }
        Loading_Lists = false;
        return;
    }

    // The cables' lengths are read before anything changes: a cable row
    // without its length is the catalogue's to name, and the option is not
    // taken. A cable without rows (or none) offers no length.
    QStringList motorLengths;
    QStringList feedbackLengths;
    try {
        const DriveToMotorRow cables = DriveToMotorRow::read(record, record.Feedback, DriveToMotorRow::VoltagesOnly);
        motorLengths = CableLengthStep::lengths(cables.text(QStringLiteral("Motor_Cable")));
        feedbackLengths = CableLengthStep::lengths(cables.text(QStringLiteral("Feedback_Cable")));
    } catch (const DatabaseFault&) {
        record.Motor_Option = previousOption;
        m_c.cmbOptions->restore(m_c.cmbOptions->items(), m_c.cmbOptions->formerIndex());
        throw;
    }

    // The gearhead dialog of a placeholder stands for nothing once another
    // option is chosen: it closes as Cancel does, which leaves that option.
    if (!Loading_Project)
        Dependents::closeWindows(Stage::MotorOption);
    if (!Loading_Project && option != record.Gearhead_Code)
        followGearhead(record, option);

    if (refusesKeyway(record)) {
        Loading_Lists = false;
        // A refusal inside the feedback re-selection would start it again, and again.
        if (m_reselecting)
            return;
        MsgBox::show(m_rules.keywayMessage, MsgBox::OKOnly, Product_Title);
        FlagGuard reselecting(m_reselecting, true);
        m_c.cmbFeedback->setText(m_c.cmbFeedback->text());
        return;
    }

    // What the former option gave goes: part numbers, notes, cables and their
    // lengths, the voltage with what it gave, and the curve drawn for them.
    Dependents::drop(Stage::MotorResult);
    if (!option.startsWith(QLatin1String("G"), Qt::CaseInsensitive))
        record.Gearhead_Notes.clear();

    m_feedbackKey = record.Feedback;
    const DriveToMotorRow row = DriveToMotorRow::read(record, m_feedbackKey, DriveToMotorRow::WithCurveKey);

    if (const auto built = MotorPartNumber::build(record)) {
        record.Motor_Part_Number = built->partNumber;
        if (built->clearsGearhead)
            record.Gearhead_Code.clear();
    }

    storeDriveNotes(record, row);
    record.Feedback_Cable = row.text(QStringLiteral("Feedback_Cable"));
    record.Motor_Cable = row.text(QStringLiteral("Motor_Cable"));
    record.Motor_Notes = row.text(QStringLiteral("Notes"));
    record.Curve_Motor_Part_Number = row.text(QStringLiteral("Curve Database Motor Part Number"));

    m_c.cmbDriveVoltage->clear();
    m_c.cmbDriveVoltage->addItems(InputVoltage::offered(row));
    m_c.show(m_c.cmbDriveVoltage);
    m_c.show(m_c.lblDriveVoltage);

    // A row that offers no voltage leaves the list empty and unselected, and
    // the axis without a drive code.
    const bool voltageOffered = m_c.cmbDriveVoltage->listCount() > 0;
    if (!Loading_Project) {
        if (voltageOffered)
            m_c.cmbDriveVoltage->setListIndex(0);
        DriveVoltageStep::lookUpCurveDriveKey(record);
    }

    const QString crlf = QStringLiteral("\r\n");
    m_c.txtMotor->setText(QStringLiteral("Motor Cable: ") + record.Motor_Cable + crlf
                          + QStringLiteral("Feedback Cable: ") + record.Feedback_Cable + crlf
                          + QStringLiteral("Notes: ") + record.Motor_Notes);
    if (!voltageOffered)
        showNoDriveResult(record);
    else if (m_rules.optionsWritesDriveText && m_c.txtDrive)
        m_c.txtDrive->setText(QStringLiteral("Drive: ") + record.Drive_Part_Number + crlf + QStringLiteral("Notes: ")
                              + record.Drive_Notes);
    m_c.txtMotor_Part->setText(QStringLiteral("Motor: ") + record.Motor_Part_Number);

    // The refilled lists have no length chosen, and neither has the record
    // since the drop above; a replay keeps its stored lengths. A list without
    // lengths keeps its hidden state: nothing is billed for that cable.
    for (const auto& [list, label, offered] :
         {std::tuple {m_c.cmbMotor_Cable_Length, m_c.lblMotor_Cable_Length, &motorLengths},
          std::tuple {m_c.cmbFeedback_Cable_Length, m_c.lblFeedback_Cable_Length, &feedbackLengths}}) {
        list->clear();
        list->addItems(*offered);
        if (!offered->isEmpty()) {
            m_c.show(list);
            m_c.show(label);
        }
    }

    showResultsBeforeFlag();
    Loading_Lists = false;
    showResultsAfterFlag();
}
