#include "curves/CurveDatabase.h"

#include "curves/CurveNotFound.h"
#include "curves/frmCurve.h"
#include "platform/DatabaseError.h"
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
    } catch (const DatabaseError&) {
        MsgBox::show(QStringLiteral("Database not found or already opened with exclusive rights"), MsgBox::OKOnly,
                     Globals::Product_Title);
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
    return QStringLiteral("Performance Curve Not Found");
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

double Stored_Number(const Recordset& rs, const QString& field)
{
    if (rs.isNull(field))
        throw CurveNotFound();
    return rs.number(field);
}

int Stored_ID(const Recordset& rs, const QString& field)
{
    const double id = Stored_Number(rs, field);
    if (id < -32768 || id > 32767)
        throw CurveNotFound();
    return static_cast<int>(id);
}

int First_ID(const Database& db, const QString& sql, const QVariantList& params)
{
    const Recordset& rs = Query(db, sql, params);
    return rs.eof() ? -1 : Stored_ID(rs, QStringLiteral("ID"));
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
