#pragma once

#include <QString>

#include <array>

// The selections of one axis: every field is text except the DC bus voltage.
struct AxisRecord {
    using List21 = std::array<QString, 21>;

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
    List21 Drive_Accessory_Entry;
    List21 Drive_Accessory_Quantity;
    List21 Drive_Accessory_Description;
    List21 Drive_Accessory_List_Index;
    List21 Drive_Accessory_List_Item;
    QString Gearhead_Notes;
    QString Gearhead_Code;
    QString Controller_Cable;
    QString Controller_Cable_Part_Number;
    QString Controller_Cable_Length;
    QString Controller_Cable_Notes;

    bool operator==(const AxisRecord&) const = default;
};
