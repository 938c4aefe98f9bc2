#pragma once

#include "platform/Database.h"
#include "platform/Recordset.h"
#include "shell/AccessoryChoice.h"
#include "shell/AxisRecord.h"

#include <QByteArray>
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

using List21 = AccessoryChoice::List21;

// The product title: the main window's bare caption and the title of the
// program's own messages.
inline const QString Product_Title = QStringLiteral("Brevan Quenro");

// What a controller's options dialog configures (setup kind 1); a new
// controller empties it through Dependents::drop.
struct ControllerConfiguration {
    QString Controller_Part_Number;
    List21 Controller_Options;
    bool Controller_JTR_Ready = false;
    bool Controller_LUMIO_Ready = false;
    bool Controller_DUW_Ready = false;
    // The expansion-I/O choice: nonzero when chosen (a kind-1 file keeps the number it holds).
    int Controller_Expansion_IO = 0;
    AccessoryChoice Controller_Accessories;
};

// The breakout of a controller: its required accessory, completed with the
// ports chosen, the cable length and the part number they give.
struct ControllerBreakout {
    QString Breakout_Axes;
    QString Required_Accessory;
    QString Required_Accessory_Part_Number;
    QString Required_Accessory_Length;
};

// The controller system of setup kind 1; its form's Reset empties it through Dependents::drop.
struct ControllerSystem {
    QString Controller_Name;
    QString Controller_Extra;
    ControllerBreakout breakout;
    ControllerConfiguration configuration;
    int Total_Axes = 0;
    int Total_Servos = 0;
    int Total_Steppers = 0;
};

// What a drive/controller's options dialog configures (setup kind 2).
struct DriveControllerConfiguration {
    List21 Drive_Controller_Options;
    QString Drive_Controller_Option_Code;
    AccessoryChoice Drive_Controller_Accessories;
    bool Drive_Controller_JTR_Ready = false;
    bool Drive_Controller_DUW_Ready = false;
    int Drive_Controller_Expansion_IO = 0;
};

// The drive/controller of setup kind 2. The two extra texts are carried from
// file to file: nothing but Reset and a project empties them.
struct DriveControllerSystem {
    QString Drive_Controller_Name;
    QString Drive_Controller_Part_Number;
    QString Drive_Controller_Extra;
    QString Drive_Controller_Notes;
    QString Drive_Controller_Extra_2;
    DriveControllerConfiguration configuration;
};

// The shared state with its start-up values: Reset_All_State puts a fresh one
// in place, so that each start value is written here and nowhere else.
struct State {
    // Shell, database and cascade state
    QString App_Path;
    QString Project_Path;
    Database System_Database;
    Recordset Shared_Recordset;
    bool Loading_Lists = false;
    bool Loading_Project = false;
    // The duplicate filter grows as needed: a list is never cut at 21 values.
    QStringList Distinct_List;
    int Distinct_Count = 0;
    bool Distinct_Found = false;
    QString Report_Text;
    QString Project_Text;
    QStringList Project_Lines;
    QString Last_Controller;
    QString Last_Drive;
    QString Last_Motor_Series;
    QString Current_Form;
    int Current_Axis = 0;
    int System_Type = 0;

    // Bill of material, lines numbered from 1; the arrays grow as needed.
    int BOM_Count = 0;
    QVector<int> BOM_Quantity = QVector<int>(201);
    QVector<QString> BOM_Part_Number = QVector<QString>(201);

    // Price-and-availability exchange, answers numbered from 1.
    QString Price_Request_XML;
    QByteArray Price_Response; // the answer of the batch last sent, as received
    QVector<QString> Response_Model = QVector<QString>(201);
    QVector<QString> Response_Promise_Date = QVector<QString>(201);
    QVector<QString> Response_Unit = QVector<QString>(201);
    int Response_Count = 0;
    int Http_Ready_State = 0;
    QString Price_Table_Text;

    ControllerSystem controller;
    DriveControllerSystem driveController;
};
extern State sharedState;

// The system's names for the state.
inline constexpr auto& App_Path = sharedState.App_Path;
inline constexpr auto& Project_Path = sharedState.Project_Path;
inline constexpr auto& System_Database = sharedState.System_Database;
inline constexpr auto& Shared_Recordset = sharedState.Shared_Recordset;
inline constexpr auto& Loading_Lists = sharedState.Loading_Lists;
inline constexpr auto& Loading_Project = sharedState.Loading_Project;
inline constexpr auto& Distinct_List = sharedState.Distinct_List;
inline constexpr auto& Distinct_Count = sharedState.Distinct_Count;
inline constexpr auto& Distinct_Found = sharedState.Distinct_Found;
inline constexpr auto& Report_Text = sharedState.Report_Text;
inline constexpr auto& Project_Text = sharedState.Project_Text;
inline constexpr auto& Project_Lines = sharedState.Project_Lines;
inline constexpr auto& Last_Controller = sharedState.Last_Controller;
inline constexpr auto& Last_Drive = sharedState.Last_Drive;
inline constexpr auto& Last_Motor_Series = sharedState.Last_Motor_Series;
inline constexpr auto& Current_Form = sharedState.Current_Form;
inline constexpr auto& Current_Axis = sharedState.Current_Axis;
inline constexpr auto& System_Type = sharedState.System_Type;

inline constexpr auto& BOM_Count = sharedState.BOM_Count;
inline constexpr auto& BOM_Quantity = sharedState.BOM_Quantity;
inline constexpr auto& BOM_Part_Number = sharedState.BOM_Part_Number;

inline constexpr auto& Price_Request_XML = sharedState.Price_Request_XML;
inline constexpr auto& Price_Response = sharedState.Price_Response;
inline constexpr auto& Response_Model = sharedState.Response_Model;
inline constexpr auto& Response_Promise_Date = sharedState.Response_Promise_Date;
inline constexpr auto& Response_Unit = sharedState.Response_Unit;
inline constexpr auto& Response_Count = sharedState.Response_Count;
inline constexpr auto& Http_Ready_State = sharedState.Http_Ready_State;
inline constexpr auto& Price_Table_Text = sharedState.Price_Table_Text;

inline constexpr auto& Controller_Name = sharedState.controller.Controller_Name;
inline constexpr auto& Controller_Extra = sharedState.controller.Controller_Extra;
inline constexpr auto& Controller_Part_Number = sharedState.controller.configuration.Controller_Part_Number;
inline constexpr auto& Controller_Options = sharedState.controller.configuration.Controller_Options;
inline constexpr auto& Total_Axes = sharedState.controller.Total_Axes;
inline constexpr auto& Total_Servos = sharedState.controller.Total_Servos;
inline constexpr auto& Total_Steppers = sharedState.controller.Total_Steppers;
inline constexpr auto& Breakout_Axes = sharedState.controller.breakout.Breakout_Axes;
inline constexpr auto& Controller_JTR_Ready = sharedState.controller.configuration.Controller_JTR_Ready;
inline constexpr auto& Controller_LUMIO_Ready = sharedState.controller.configuration.Controller_LUMIO_Ready;
inline constexpr auto& Controller_DUW_Ready = sharedState.controller.configuration.Controller_DUW_Ready;
inline constexpr auto& Controller_Expansion_IO = sharedState.controller.configuration.Controller_Expansion_IO;
inline constexpr auto& Required_Accessory = sharedState.controller.breakout.Required_Accessory;
inline constexpr auto& Required_Accessory_Part_Number = sharedState.controller.breakout.Required_Accessory_Part_Number;
inline constexpr auto& Required_Accessory_Length = sharedState.controller.breakout.Required_Accessory_Length;
inline constexpr auto& Controller_Accessories = sharedState.controller.configuration.Controller_Accessories;
inline constexpr auto& Controller_Accessory_Entry = sharedState.controller.configuration.Controller_Accessories.Entry;
inline constexpr auto& Controller_Accessory_Quantity = sharedState.controller.configuration.Controller_Accessories.Quantity;
inline constexpr auto& Controller_Accessory_Description = sharedState.controller.configuration.Controller_Accessories.Description;
inline constexpr auto& Controller_Accessory_List_Index = sharedState.controller.configuration.Controller_Accessories.List_Index;
inline constexpr auto& Controller_Accessory_List_Item = sharedState.controller.configuration.Controller_Accessories.List_Item;

inline constexpr auto& Drive_Controller_Name = sharedState.driveController.Drive_Controller_Name;
inline constexpr auto& Drive_Controller_Part_Number = sharedState.driveController.Drive_Controller_Part_Number;
inline constexpr auto& Drive_Controller_Extra = sharedState.driveController.Drive_Controller_Extra;
inline constexpr auto& Drive_Controller_Options = sharedState.driveController.configuration.Drive_Controller_Options;
inline constexpr auto& Drive_Controller_Notes = sharedState.driveController.Drive_Controller_Notes;
inline constexpr auto& Drive_Controller_Option_Code = sharedState.driveController.configuration.Drive_Controller_Option_Code;
inline constexpr auto& Drive_Controller_JTR_Ready = sharedState.driveController.configuration.Drive_Controller_JTR_Ready;
inline constexpr auto& Drive_Controller_DUW_Ready = sharedState.driveController.configuration.Drive_Controller_DUW_Ready;
inline constexpr auto& Drive_Controller_Expansion_IO = sharedState.driveController.configuration.Drive_Controller_Expansion_IO;
inline constexpr auto& Drive_Controller_Extra_2 = sharedState.driveController.Drive_Controller_Extra_2;
inline constexpr auto& Drive_Controller_Accessories = sharedState.driveController.configuration.Drive_Controller_Accessories;
inline constexpr auto& Drive_Controller_Accessory_Entry = sharedState.driveController.configuration.Drive_Controller_Accessories.Entry;
inline constexpr auto& Drive_Controller_Accessory_Quantity = sharedState.driveController.configuration.Drive_Controller_Accessories.Quantity;
inline constexpr auto& Drive_Controller_Accessory_Description = sharedState.driveController.configuration.Drive_Controller_Accessories.Description;
inline constexpr auto& Drive_Controller_Accessory_List_Index = sharedState.driveController.configuration.Drive_Controller_Accessories.List_Index;
inline constexpr auto& Drive_Controller_Accessory_List_Item = sharedState.driveController.configuration.Drive_Controller_Accessories.List_Item;

// The sixteen axis records; the current one is Axis[Current_Axis - 1]. Apart
// from State so that callers size their loops by its type, an array; it starts
// and resets as default records.
extern std::array<AxisRecord, 16> Axis;
AxisRecord& Current_Record();

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
// Throws DatabaseFault naming a table or column of the catalogue that the open
// product database lacks (nothing when none is open), so that a project is not
// blamed for a broken catalogue. An empty table is valid: its lists are empty.
void Require_Catalogue_Tables();
// A column of the catalogue the program reads. A step that uses a needed
// column names a row without its value (Null or empty) as the catalogue's
// damage; in any other column such a value means something, or is damage
// only as Null where a step says so.
struct Catalogue_Column {
    QString table;
    QString column;
    bool needed;
};
QList<Catalogue_Column> Catalogue_Columns();
// Test seam: Open_Database uses this folder instead of the executable's and,
// after the message, throws DatabaseError instead of ending the program.
// An empty folder goes back to the executable's.
void Set_App_Folder_For_Tests(const QString& folder);

// Every catalogue query: Shared_Recordset becomes the rows of the
// statement, each chosen value bound to a "?" in order.
Recordset& Run_Query(const QString& sql, const QVariantList& params = {});

// The file name part of Project_Path (after its last "/" or "\").
QString Get_File_Name();
// What Read_File reads at most: far more than any project, report or table.
inline constexpr qint64 Max_Read_Bytes = 4 * 1024 * 1024;
// What a user may type into a box whose text a project keeps (the gearhead
// notes of an axis, one byte a character in the file): the notes of all
// sixteen axes fill a quarter of what Open reads, so that the largest project
// the program writes opens again.
inline constexpr int Max_Typed_Length = 64 * 1024;
static_assert(std::tuple_size_v<decltype(Axis)> * Max_Typed_Length <= Max_Read_Bytes / 4);
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
// With resetCurrentAxis false it only asks: true for Yes.
bool Ask_Reset_Axis(const QString& kind, bool resetCurrentAxis = true);

} // namespace Globals
