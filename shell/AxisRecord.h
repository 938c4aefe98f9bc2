#pragma once

#include "shell/AccessoryChoice.h"

#include <QString>

// The selections of one axis: every field is text except the DC bus voltage.
struct AxisSelections {
    using List21 = AccessoryChoice::List21;

    QString Motor_Technology;
    QString Part_Number_Type;
    QString Motor_Part_Number;
    QString Curve_Motor_Part_Number;
    QString Curve_Drive_Part_Number;
    QString Motor_Notes;
    QString Motor_Series;
    QString Frame_Size;
    QString Stack_Length;
    QString Winding;
    QString Feedback;
    QString Shaft_Option;
    QString Cable_Option;
    QString Motor_Option;
    QString Drive_Name;
    QString Drive_Notes;
    QString Drive_Part_Number;
    QString Drive_Voltage;
    QString Switching_Frequency;
    double Bus_Voltage = 0.0;
    QString Motor_Wiring;
    QString Drive_Code;
    QString Motor_Cable;
    QString Motor_Cable_Part_Number;
    QString Motor_Cable_Length;
    QString Feedback_Cable;
    QString Feedback_Cable_Part_Number;
    QString Feedback_Cable_Length;
    QString Required_Drive_Accessory;
    QString Drive_Controller_Accessory;
    AccessoryChoice Drive_Accessories;
    QString Gearhead_Notes;
    QString Gearhead_Code;
    QString Controller_Cable;
    QString Controller_Cable_Part_Number;
    QString Controller_Cable_Length;
    QString Controller_Cable_Notes;

    bool operator==(const AxisSelections&) const = default;
};

// An axis record: its selections, and the drive accessory lists by the names
// the project blocks, the report and the dialogs use them by.
struct AxisRecord : AxisSelections {
    AxisRecord() = default;
    // A copy's names refer to its own lists.
    AxisRecord(const AxisRecord& other) : AxisSelections(other) {}
    AxisRecord& operator=(const AxisRecord& other)
    {
        AxisSelections::operator=(other);
        return *this;
    }
    bool operator==(const AxisRecord& other) const { return AxisSelections::operator==(other); }

    List21& Drive_Accessory_Entry = Drive_Accessories.Entry;
    List21& Drive_Accessory_Quantity = Drive_Accessories.Quantity;
    List21& Drive_Accessory_Description = Drive_Accessories.Description;
    List21& Drive_Accessory_List_Index = Drive_Accessories.List_Index;
    List21& Drive_Accessory_List_Item = Drive_Accessories.List_Item;
};
