#pragma once

#include "setup/common/ResultArea.h"

#include <QList>

#include <array>
#include <functional>

class ListControl;
class QLabel;
class QPushButton;
class QWidget;
class TextBox;

// The controls of a setup form that the selection cascade works on, by role.
// Each setup form fills one of these with its own widgets; a control the form
// does not have stays null.
struct CascadeControls : ResultAreaControls {
    ListControl* cmbMotor_Tech = nullptr;
    // cmbDrive on the drive and controller forms, cmbDriveController on the
    // drive/controller form.
    ListControl* driveList = nullptr;
    ListControl* cmbMotor_Series = nullptr;
    ListControl* cmbFrame_size = nullptr;
    ListControl* cmbStack_length = nullptr;
    ListControl* cmbWinding = nullptr;
    ListControl* cmbFeedback = nullptr;
    ListControl* cmbShaft_options = nullptr;
    ListControl* cmbCable_Option = nullptr;
    ListControl* cmbOptions = nullptr;
    ListControl* cmbDriveVoltage = nullptr;
    ListControl* cmbWiring = nullptr;
    ListControl* cmbMotor_Cable_Length = nullptr;
    ListControl* cmbFeedback_Cable_Length = nullptr;

    QLabel* lblStack_Length = nullptr;
    QLabel* lblWinding = nullptr;
    QLabel* lblFeedback = nullptr;
    QLabel* lblShaft_Options = nullptr;
    QLabel* lblMotor_Options = nullptr;
    QLabel* picMotor_Series = nullptr;
    // picDrive, picDriveController on the drive/controller form.
    QLabel* picDrive = nullptr;
    // The drive's own button, shown once a drive is chosen: cmdDriveAccessories,
    // cmdDriveController on the drive/controller form.
    QPushButton* driveButton = nullptr;

    TextBox* txtDrive = nullptr;
    TextBox* txtMotor = nullptr;
    TextBox* txtMotor_Part = nullptr;
    QWidget* lblDrive = nullptr;
    QWidget* lblMotor = nullptr;
    QWidget* lblMotor_Part = nullptr;
    QWidget* lblDriveVoltage = nullptr;
    QWidget* lblwiring = nullptr;
    QWidget* lblMotor_Cable_Length = nullptr;
    QWidget* lblFeedback_Cable_Length = nullptr;
    QWidget* cmdCurve = nullptr;
    std::array<QWidget*, 4> lines {}; // Line5 to Line8

    // The result display that every choice above the motor options hides, in
    // the order the handlers hide it.
    QList<QWidget*> resultDisplay;
    // Sets resultDisplay to what every form shows below its choices: cable
    // lengths, part numbers, voltage and wiring, the curve button and Line5 to Line8.
    void listResultDisplay();

    // Makes the seven lists below the motor series with their captions, in
    // the form's own places: the label of the stage-th list at place(stage)
    // (left and top in twips), its list 240 twips lower, both `width` wide.
    struct Place {
        int left;
        int top;
    };
    void makeDetailLists(QWidget* form, int width, int labelHeight, const std::function<Place(int stage)>& place);

    // The seven lists below the motor series, in cascade order.
    std::array<ListControl*, 7> detailLists() const
    {
        return {cmbFrame_size, cmbStack_length, cmbWinding, cmbFeedback, cmbShaft_options, cmbCable_Option,
                cmbOptions};
    }
};
