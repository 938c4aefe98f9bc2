#pragma once

#include "setup/common/OptionsLevelsDialog.h"
#include "shell/AccessoryStore.h"

// The options dialog of the drive/controller chosen on the setup form: up to
// four option levels, numbered from 1. The last level gives the option code
// and the full part number, shown on the setup form as well. Everything it
// decides lives in the Drive_Controller_* globals.
class frmDriveControl : public OptionsLevelsDialog {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::DriveControllerOptionsDialog;
    static constexpr int Levels = 4;

    frmDriveControl();

    // The setup form shows the same choice.
    void Update_Accessories_Display() override;

    // What the accessory dialog offers for the saved drive/controller and options.
    static AccessoryStore::Offer Offered_Accessories();

private:
    // From [All DriveControllers]: below level 1 an empty value is an option.
    // Level 1 with values throws DatabaseFault when [DriveController
    // Construction] has no row for the drive/controller.
    void listLevel(ListControl* list, int level, const QStringList& above) const override;
    QStringList levelCaptions() const override;
    // The option code, readiness and notes; the result is the part number with its notes.
    QString configure(const QStringList& chosen) override;
    // The part number of the motor's own stays; the setup form hides its
    // accessories, which the choice may drop.
    void configurationWithdrawn() override;
    AccessoryRequest accessoryRequest() const override;
    AccessoryStore::Offer offeredAccessories() const override { return Offered_Accessories(); }
    // Complete: the setup form shows the part number.
    void configurationDone(bool complete) override;
    // The setup form shows the accessories stored.
    void closed(bool byUser) override;

    // Built from the options and the axis, shown on the setup form too.
    QString showPartNumber() const;
};
