#pragma once

#include "platform/Database.h"
#include "platform/Recordset.h"
#include "shell/AxisRecord.h"

#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include <array>

namespace Pulvane_V4 {
class MotorModelACX;
}
class QStatusBar;

// The program's shared state: every variable lives from start-up to exit.
// The module's procedures are declared by role in their own headers
// (Report.h, PartNumbers.h, PriceRequest.h, ...) inside this namespace.
namespace Globals {

using List21 = std::array<QString, 21>;

// The product title: the main window's bare caption and the title of the
// program's own messages.
inline const QString Product_Title = QStringLiteral("Brevan Quenro");

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

// The main window's status bar, null while there is none; the curve code
// reaches it through here.
QStatusBar* Status_Bar();
void Set_Status_Bar(QStatusBar* bar);

// Puts the program's whole state back to its start-up value, so that nothing
// carries over from an earlier system or test: every variable here, the
// accessory dialog's public texts and the state of every module that added
// its reset; also drops a folder set by Set_App_Folder_For_Tests.
void Reset_All_State();
// A module above the shell adds the reset of its own state (once; adding it
// again changes nothing).
using State_Reset = void (*)();
void Add_State_Reset(State_Reset reset);

// The folder of the running program with a trailing "/" (the test folder when
// one is set); Open_Database copies it into App_Path.
QString Application_Folder();

// Opens "System Databases97.mdb" in the application folder (App_Path, ending in
// "/"); a file that has not changed since the last open keeps its connection.
// When it cannot be opened, or holds no table of the catalogue (an empty or a
// foreign file), the user is told and the program ends.
void Open_Database();
// Throws DatabaseError naming a table of the catalogue that the open product
// database lacks (nothing when none is open), so that a project is not blamed
// for a broken catalogue.
void Require_Catalogue_Tables();
// Test seam: Open_Database uses this folder instead of the executable's and,
// after the message, throws DatabaseError instead of ending the program.
// An empty folder goes back to the executable's.
void Set_App_Folder_For_Tests(const QString& folder);

// Every query of the program: Shared_Recordset becomes the rows of the
// statement, each chosen value bound to a "?" in order.
Recordset& Run_Query(const QString& sql, const QVariantList& params = {});

// The file name part of Project_Path (after its last "/" or "\").
QString Get_File_Name();
// What Read_File reads at most: far more than any project, report or table.
inline constexpr qint64 Max_Read_Bytes = 4 * 1024 * 1024;
// The whole file as Windows-1252 text. Throws DiskFile::Refused for a file
// that is no regular file or larger than Max_Read_Bytes, std::runtime_error
// when it cannot be read.
QString Read_File(const QString& path);
// Writes the text as Windows-1252, exactly its bytes (plus CR LF when
// noLineBreak is false), through a temporary file renamed over the target. A
// failed write is reported to the user with its reason, leaves the old file as
// it was and gives false.
bool Write_File(const QString& path, const QString& text, bool noLineBreak);

// "K = Keyway" -> "K" and "Keyway".
QString Get_Code(const QString& item);
QString Get_Description(const QString& item);

// Asks whether to reset the axis after an incompatible choice ("Controller" or
// "Drive") and on Yes resets it through the setup form of the current kind.
// True when a form was reset.
bool Ask_Reset_Axis(const QString& kind);

} // namespace Globals
