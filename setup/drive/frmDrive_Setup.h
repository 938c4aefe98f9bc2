#pragma once

#include "setup/common/SingleAxisSetupForm.h"

#include <QString>

// The setup form of kind 4: one drive with one motor, its cables and the
// drive's accessories, on axis 1.
class frmDrive_Setup : public SingleAxisSetupForm {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name = SetupKinds::DriveForm;

    frmDrive_Setup();
    ~frmDrive_Setup() override;

    // The setup-form interface; Reset also forgets the last controller.
    void Reset() override;
    QString Save_String() override;
    void Update_Accessories_Display() override;
    QStringList offeredDriveAccessories(const QString& drive) const override;

    // The accessory button's handler.
    void cmdDriveAccessories_Click();

protected:
    void replayProject() override;
};
