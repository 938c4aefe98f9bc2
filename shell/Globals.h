#pragma once

#include "platform/Database.h"
#include "platform/Recordset.h"
#include "shell/AxisRecord.h"

#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace Pulvane_V4 {
class MotorModelACX;
}

// The program's shared state: every variable lives from start-up to exit.
// The module's procedures are declared by role in their own headers
// (Report.h, PartNumbers.h, PriceRequest.h, ...) inside this namespace.
namespace Globals {

using List21 = std::array<QString, 21>;

// Shell, database and cascade state
extern QString App_Path;
extern QString Project_Path;
extern Database System_Database;
extern Recordset Shared_Recordset;
extern bool Loading_Lists;
extern bool Loading_Project;
// The duplicate filter grows as needed: a list is never cut at 21 values.
extern QStringList Distinct_List;
extern int Distinct_Count;
extern bool Distinct_Found;
extern QString Report_Text;
extern QString Project_Text;
extern QStringList Project_Lines;
extern QString Last_Controller;
extern QString Last_Drive;
extern QString Last_Motor_Series;
extern QString Current_Form;
extern int Current_Axis;
extern int System_Type;

// The sixteen axis records; the current one is Axis[Current_Axis - 1].
extern std::array<AxisRecord, 16> Axis;
AxisRecord& Current_Record();

// Bill of material, lines numbered from 1; the arrays grow as needed.
extern int BOM_Count;
extern QVector<int> BOM_Quantity;
extern QVector<QString> BOM_Part_Number;

// Price-and-availability exchange, answers numbered from 1.
extern QString Price_Request_XML;
extern QDomDocument Price_Response;
extern QVector<QString> Response_Model;
extern QVector<QString> Response_Promise_Date;
extern QVector<QString> Response_Unit;
extern int Response_Count;
extern int Http_Ready_State;
extern QString Price_Table_Text;

// Controller configuration (setup kind 1)
extern QString Controller_Name;
extern QString Controller_Extra;
extern QString Controller_Part_Number;
extern List21 Controller_Options;
extern int Total_Axes;
extern int Total_Servos;
extern int Total_Steppers;
extern QString Breakout_Axes;
extern bool Controller_JTR_Ready;
extern bool Controller_LUMIO_Ready;
extern bool Controller_DUW_Ready;
extern int Controller_Expansion_IO;
extern QString Required_Accessory;
extern QString Required_Accessory_Part_Number;
extern QString Required_Accessory_Length;
extern List21 Controller_Accessory_Entry;
extern List21 Controller_Accessory_Quantity;
extern List21 Controller_Accessory_Description;
extern List21 Controller_Accessory_List_Index;
extern List21 Controller_Accessory_List_Item;

// Drive/controller configuration (setup kind 2)
extern QString Drive_Controller_Name;
extern QString Drive_Controller_Part_Number;
extern QString Drive_Controller_Extra;
extern List21 Drive_Controller_Options;
extern QString Drive_Controller_Notes;
extern QString Drive_Controller_Option_Code;
extern bool Drive_Controller_JTR_Ready;
extern bool Drive_Controller_DUW_Ready;
extern bool Drive_Controller_Expansion_IO;
extern QString Drive_Controller_Extra_2;
extern List21 Drive_Controller_Accessory_Entry;
extern List21 Drive_Controller_Accessory_Quantity;
extern List21 Drive_Controller_Accessory_Description;
extern List21 Drive_Controller_Accessory_List_Index;
extern List21 Drive_Controller_Accessory_List_Item;

// The main window's sizing control, reached by the curve code through here.
Pulvane_V4::MotorModelACX* SOCX();
void Set_SOCX(Pulvane_V4::MotorModelACX* control);

// Puts every variable back to its start-up value (tests start from a clean state).
void Reset_All_State();

} // namespace Globals
