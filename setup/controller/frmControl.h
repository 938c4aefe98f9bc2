#pragma once

#include "setup/common/OptionsLevelsDialog.h"
#include "setup/controller/ControllerOptions.h"
#include "shell/AccessoryStore.h"

// The options dialog of the controller setup: the chosen controller's six
// option levels give its part number, axis counts and expansion readiness;
// from here the user picks its accessories and expansion cards. Closing it by
// Done or its close box gives the setup form one axis per axis of the
// controller. Its results live in the controller globals.
class frmControl : public OptionsLevelsDialog {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::ControllerOptionsDialog;
    static constexpr int Levels = ControllerOptions::Levels;

    frmControl();

    // What the accessory dialog offers for the saved controller and options.
    static AccessoryStore::Offer Offered_Accessories();

    void Form_Activate() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // From ControllerOptions: level 1 lists neither "N/A" nor an empty value.
    void listLevel(ListControl* list, int level, const QStringList& above) const override;
    QStringList levelCaptions() const override;
    // The part number, its readiness for expansion kinds and their notes.
    QString configure(const QStringList& chosen) override;
    AccessoryRequest accessoryRequest() const override;
    AccessoryStore::Offer offeredAccessories() const override { return Offered_Accessories(); }
    // Complete: the setup form shows the part number and takes the axis counts.
    void configurationDone(bool complete) override;
    // Done and the close box give the setup form the controller's axes.
    void closed(bool byUser) override;
};
