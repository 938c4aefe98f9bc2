#include "DriveFormTest.h"

#include "setup/drive/frmDrive_Setup.h"
#include "shell/SetupKinds.h"

const QStringList kCascadeLists {"cmbMotor_Tech",   "cmbDrive",         "cmbMotor_Series", "cmbFrame_size",
                                  "cmbStack_length", "cmbWinding",       "cmbFeedback",     "cmbShaft_options",
                                  "cmbCable_Option", "cmbOptions",       "cmbDriveVoltage", "cmbWiring",
                                  "cmbMotor_Cable_Length", "cmbFeedback_Cable_Length"};

const QStringList kResultDisplay {"cmbMotor_Cable_Length", "lblMotor_Cable_Length", "cmbFeedback_Cable_Length",
                                  "lblFeedback_Cable_Length", "txtDrive", "lblDrive", "cmbDriveVoltage",
                                  "lblDriveVoltage", "cmbWiring", "lblwiring", "cmdCurve", "txtMotor", "lblMotor",
                                  "txtMotor_Part", "lblMotor_Part", "Line5", "Line6", "Line7", "Line8"};

const QStringList kLmServo {"Servo", "BSD-460", "LM", "80", "2", "", "R = Resolver", "S = Smooth Shaft", "",
                            "0 = Standard"};
const QStringList kKxServo {"Servo", "BSD-230", "KX", "23", "1", "A", "E = Encoder", "S = Smooth Shaft",
                            "C = Connectors", "0 = Standard"};
const QStringList kSxStepper {"Stepper", "SMD-48", "SX", "23", "1", "A", "S = Single Shaft", "R = Round Shaft",
                              "C = Connector", "None"};
const QStringList kCtDirectDrive {"Direct Drive", "BDD-460", "", "40", "", "", "E = 20-bit Encoder",
                                  "S = Solid Shaft", "", "N/A"};

const QString kDrivePrompt = QStringLiteral("Motor and Drive Incompatibility.  Would you like to reset the axis?");
const QString kKeywayMessage = QStringLiteral("Please select another shaft Options\r\nKeyway on Size 16 motors is not "
                                              "valid unless with a gearhead");

DriveFormTest::DriveFormTest()
    : SetupFormFixture(SetupKinds::Drive)
{
}

frmDrive_Setup* DriveFormTest::form()
{
    return dynamic_cast<frmDrive_Setup*>(setupForm());
}
