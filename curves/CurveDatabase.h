#pragma once

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
// is reported to the user and db keeps what it held.
void Open(Database& db, const QString& fileName);

// Runs a query on a curve database into Shared_Recordset; throws DatabaseError
// when the database was never opened or the statement fails.
Recordset& Query(const Database& db, const QString& sql, const QVariantList& params = {});

// The message for a failed curve: the library's own text for a sizing error,
// else "Performance Curve Not Found".
QString Failure_Message(const std::exception& error);

// An empty unit text stands for the first units of the curve window's lists.
void Default_Units(QString& SpeedUnits, QString& TorqueUnits);

// Unloads the curve window, then tells the user.
void Not_Found(const QString& message);

// A stored number; a Null field is a gap in the curve data and fails.
double Stored_Number(const Recordset& rs, const QString& field);

// A 16-bit record number; a Null or a number beyond that range fails.
int Stored_ID(const Recordset& rs, const QString& field);
// The "ID" of the first row of a query, -1 when it finds none.
int First_ID(const Database& db, const QString& sql, const QVariantList& params);

// The show of a stored curve: findIDs opens the database and gives the motor
// and drive IDs (-1 when missing); when both exist they go into the curve
// window and draw runs with its unit texts. Anything missing or failing ends
// in the not-found path.
using Stored_Drawer = void (*)(QString& SpeedUnits, QString& TorqueUnits, int MotorID, int DriveID);
void Show_Stored_Curve(const std::function<std::pair<int, int>()>& findIDs, Stored_Drawer draw);

} // namespace CurveDatabase
