#pragma once

#include "setup/common/CascadeControls.h"
#include "setup/common/CascadeRules.h"

#include <QString>

struct AxisRecord;
class DriveToMotorRow;

// The motor-options list's choice, the step at which a motor choice becomes
// complete: it opens the gearhead dialog for a gearhead placeholder, refuses a
// keyway shaft that needs a gearhead, or reads the [Drive to Motor] row, builds
// the motor part number, offers the input voltages (selecting the first, which
// builds the drive part number), fills the cable-length lists and shows the
// results.
class MotorOptionsStep {
public:
    // feedbackKey: the form's Feedback_Key, which this step sets to the axis'
    // feedback before its row query, so that the voltage and wiring steps
    // query the same [Drive to Motor] row.
    MotorOptionsStep(const CascadeControls& controls, const CascadeRules& rules, QString& feedbackKey);
    virtual ~MotorOptionsStep() = default;
    MotorOptionsStep(const MotorOptionsStep&) = delete;
    MotorOptionsStep& operator=(const MotorOptionsStep&) = delete;

    void click();

protected:
    // Where the row's drive notes go (the drive/controller form keeps them elsewhere).
    virtual void storeDriveNotes(AxisRecord& record, const DriveToMotorRow& row);
    // The drive text of an axis that has no input voltage to choose.
    virtual void showNoDriveResult(AxisRecord& record);
    // Shows the result panel; the flag is cleared by the step in between.
    virtual void showResultsBeforeFlag();
    virtual void showResultsAfterFlag();

    const CascadeControls& m_c;
    const CascadeRules& m_rules;

private:
    bool refusesKeyway(const AxisRecord& record) const;
    void followGearhead(AxisRecord& record, const QString& option) const;
    void restoreCatalogueKeyway(AxisRecord& record) const;

    QString& m_feedbackKey;
    // Set while the refusal re-selects the feedback, so that the cascade it
    // runs cannot refuse and re-select again.
    bool m_reselecting = false;
};
