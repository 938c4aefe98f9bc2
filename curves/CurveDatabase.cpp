#include "curves/CurveDatabase.h"

#include "curves/CurveNotFound.h"
#include "curves/frmCurve.h"
#include "platform/DatabaseError.h"
#include "platform/DatabaseFault.h"
#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "sizing/SizingError.h"


namespace CurveDatabase {

void Open(Database& db, const QString& fileName)
{
    Globals::App_Path = Globals::Application_Folder();
    try {
        db = Database::open(Globals::App_Path + fileName);
    } catch (const DatabaseError& error) {
        MsgBox::show(QStringLiteral("Database not found or already opened with exclusive rights\n")
                         + QString::fromUtf8(error.what()),
                     MsgBox::OKOnly, Globals::Product_Title);
    }
}

Recordset& Query(const Database& db, const QString& sql, const QVariantList& params)
{
    Globals::Shared_Recordset = db.OpenRecordset(sql, params);
    return Globals::Shared_Recordset;
}

QString Failure_Message(const std::exception& error)
{
    if (dynamic_cast<const Pulvane_V4::SizingError*>(&error))
        return QString::fromStdString(error.what());
    const QString notFound = QStringLiteral("Performance Curve Not Found");
    // A database never opened has been told at its opening.
    if (dynamic_cast<const DatabaseFault*>(&error))
        return notFound + QLatin1Char('\n') + QString::fromUtf8(error.what());
    return notFound;
}

void Default_Units(QString& SpeedUnits, QString& TorqueUnits)
{
    if (SpeedUnits.isEmpty())
        SpeedUnits = QStringLiteral("rpm");
    if (TorqueUnits.isEmpty())
        TorqueUnits = QStringLiteral("oz-in");
}

void Not_Found(const QString& message)
{
    Forms::unload<frmCurve>();
    MsgBox::show(message, MsgBox::OKOnly, Globals::Product_Title);
}

int First_ID(const Database& db, const QString& table, const QStringList& key, const QString& sql,
             const QVariantList& params)
{
    const Recordset& rs = Query(db, sql, params);
    return rs.eof() ? -1 : StoredRow(rs, db, table, [key] { return key; }).id(QStringLiteral("ID"));
}

StoredRow::Key Points_Key(const Database& db, int MotorID, int DriveID)
{
    return [db, MotorID, DriveID] {
        // Its own statement: the shared recordset still holds the points.
        auto nameOf = [&db](const QString& sql, int id) {
            try {
                const Recordset rs = db.OpenRecordset(sql, {id});
                if (!rs.eof() && !rs.text(QStringLiteral("Name")).isEmpty())
                    return rs.text(QStringLiteral("Name"));
            } catch (const DatabaseError&) {
                // Named by its number, as the points hold it.
            }
            return QString::number(id);
        };
        QStringList key {nameOf(QStringLiteral("SELECT ProductKey AS Name FROM MotorData WHERE ID = ?"), MotorID)};
        if (DriveID >= 0)
            key << nameOf(QStringLiteral("SELECT Name FROM Drives WHERE ID = ?"), DriveID);
        return key;
    };
}

void Show_Stored_Curve(const std::function<std::pair<int, int>()>& findIDs, Stored_Drawer draw)
{
    try {
        frmCurve::Drawing drawing;
        const auto [m, d] = findIDs();
        if (m >= 0 && d >= 0) {
            frmCurve* form = Forms::get<frmCurve>();
            form->MotorID = m;
            form->DriveID = d;
            QString speed = form->cmbSpeed_units()->text();
            QString torque = form->cmbTorque_Units()->text();
            draw(speed, torque, m, d);
            return;
        }
    } catch (const std::exception& error) {
        Not_Found(Failure_Message(error));
        return;
    }
    Not_Found(QStringLiteral("Performance Curve Not Found"));
}

} // namespace CurveDatabase
