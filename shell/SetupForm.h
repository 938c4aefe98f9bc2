#pragma once

#include <QString>
#include <QStringList>

class ListControl;

// What the shell and the shared dialogs ask of a setup form. The three setup
// forms implement it; the shell reaches them by name through Forms.
class SetupForm {
public:
    virtual ~SetupForm() = default;

    virtual void Reset() = 0;
    virtual void Load_Previous_Values() = 0;
    virtual QString Save_String() = 0;
    virtual void Open_File() = 0;
    virtual void Update_Accessories_Display() = 0;
    // Only the controller setup resets a single axis.
    virtual void Reset_Axis() {}
    // Brings what the bill reads but the steps derive on their way up to the
    // record, so that the bill is the same however the user got there.
    virtual void settleBill() {}
    // What the form's accessory dialog offers for a drive; none where the
    // form chooses no drive accessories.
    virtual QStringList offeredDriveAccessories(const QString& /*drive*/) const { return {}; }

    // The lists the gearhead dialog writes back into.
    virtual ListControl* cmbShaft_options() = 0;
    virtual ListControl* cmbOptions() = 0;
};
