#pragma once

#include "setup/common/SetupFormBase.h"

#include <QString>

#include <memory>

class DriveChoiceStep;
class DriveVoltageStep;
class MotorOptionsStep;
class QLabel;
class TextBox;

// What the two single-axis setup forms (a drive, a drive/controller, each
// with one motor on axis 1) share beyond the frame: the cascade's controls in
// one layout, the technology list and Reset. A form names its drive list, its
// button and its result captions, adds its rules and steps, and handles its
// button itself.
class SingleAxisSetupForm : public SetupFormBase {
    Q_OBJECT
public:
    ~SingleAxisSetupForm() override;

    // Brings the form and the axis record back to the state before any
    // choice and opens the product database again; the technology list stays
    // while Keep_Technology is set.
    void Reset() override;

    void cmbMotor_Tech_Click();

    // Makes Reset keep the technology list while the technology handler resets the form.
    bool Keep_Technology = false;

protected:
    // Names and captions of what the forms show differently.
    struct Layout {
        const char* driveList;          // cmbDrive, cmbDriveController
        QString driveCaption;           // its label lblDrive_Select
        const char* drivePicture;       // picDrive, picDriveController
        const char* driveBox;           // the drive's part-number box and its label
        const char* driveBoxLabel;
        QString driveBoxCaption;
        const char* button;             // the drive's own button
        QString buttonCaption;
        QString accessoriesCaption;     // lblAccessories
        int resultsTop;                 // the upper separator line
        int resultsHeight;              // the result boxes
    };

    SingleAxisSetupForm(int kind, const QString& caption, int widthTwips, int heightTwips);

    // Builds the controls, then wires every list and button to the steps
    // given; the form's button runs the handler given.
    void build(const Layout& layout, std::unique_ptr<DriveChoiceStep> driveChoice,
               std::unique_ptr<MotorOptionsStep> motorOptions, std::unique_ptr<DriveVoltageStep> voltage,
               std::function<void()> buttonClick);

    TextBox* m_txtAccessories = nullptr;
    QLabel* m_lblAccessories = nullptr;

private:
    void createControls(const Layout& layout);
};
