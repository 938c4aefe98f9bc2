#pragma once

#include "curves/StoredRow.h"
#include "platform/Database.h"
#include "platform/Recordset.h"

#include <QString>
#include <QVariantList>

#include <exception>
#include <functional>
#include <utility>

// What the three curve modules share: their databases in the application
// folder, the one shared recordset, and the not-found ending.
namespace CurveDatabase {

// Sets App_Path to the application folder and opens the file there into db. A file that cannot be opened
// is reported to the user, with a second line naming why, and db keeps what it held.
void Open(Database& db, const QString& fileName);

// Runs a query on a curve database into Shared_Recordset; throws DatabaseError
// when the database was never opened or the statement fails.
Recordset& Query(const Database& db, const QString& sql, const QVariantList& params = {});

// The message for a failed curve: the library's own text for a sizing error,
// else "Performance Curve Not Found", with a second line naming the file and
// its fault when the database is damaged.
QString Failure_Message(const std::exception& error);

// An empty unit text stands for the first units of the curve window's lists.
void Default_Units(QString& SpeedUnits, QString& TorqueUnits);

// Unloads the curve window, then tells the user.
void Not_Found(const QString& message);

// The "ID" of the first row of a query on the table, -1 when it finds none;
// the key names the row when its ID is damaged.
int First_ID(const Database& db, const QString& table, const QStringList& key, const QString& sql,
             const QVariantList& params);
// What names a damaged row of stored curve points: the motor's ProductKey and,
// for a drive's own points, the drive's Name, looked up by their IDs.
StoredRow::Key Points_Key(const Database& db, int MotorID, int DriveID = -1);

// The show of a stored curve: findIDs opens the database and gives the motor
// and drive IDs (-1 when missing); when both exist they go into the curve
// window and draw runs with its unit texts. Anything missing or failing ends
// in the not-found path.
using Stored_Drawer = void (*)(QString& SpeedUnits, QString& TorqueUnits, int MotorID, int DriveID);
void Show_Stored_Curve(const std::function<std::pair<int, int>()>& findIDs, Stored_Drawer draw);

} // namespace CurveDatabase
