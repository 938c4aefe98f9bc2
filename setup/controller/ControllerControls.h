#pragma once

#include "setup/common/ResultArea.h"

#include <array>

class ListControl;
class QLabel;
class QPushButton;
class QWidget;
class TextBox;

// The controls of the controller setup form that belong to the controller and
// its connection to the axis' drive, by role. The drive and motor cascade of
// the form works on its CascadeControls.
struct ControllerControls : ResultAreaControls {
    ListControl* cmbController = nullptr;
    ListControl* cmbAxis = nullptr;
    ListControl* cmbReplicate = nullptr;
    ListControl* cmbAxis_Number = nullptr;
    ListControl* cmbReq_Accessories_length = nullptr;
    ListControl* cmbController_Cable_Length = nullptr;
    QWidget* lblAxis = nullptr;
    QWidget* lblReplicate = nullptr;
    QWidget* lblAxis_Number = nullptr;
    QWidget* lblReq_Accessories_length = nullptr;
    QWidget* lblController_Cable_Length = nullptr;

    TextBox* txtController = nullptr;
    TextBox* txtController_part = nullptr;
    QWidget* lblController = nullptr;
    QWidget* lblController_Part = nullptr;
    QLabel* picController = nullptr;
    QPushButton* cmdController = nullptr;
    QPushButton* cmdDriveAccessories = nullptr;
    std::array<QWidget*, 4> lines {}; // Line1 to Line4
};
