#include "setup/common/DriveToMotorRow.h"

#include "shell/AxisRecord.h"
#include "shell/Globals.h"

namespace {

const QString kWhere = QStringLiteral(
    "WHERE ((([Drive to Motor].[Drive Name])=?) AND "
    "(([Drive to Motor].[Motor Name])=?) AND "
    "(([Drive to Motor].Frame_Size)=?) AND "
    "(([Drive to Motor].Stack_Length)=?) AND "
    "(([Drive to Motor].Winding)=?) AND "
    "(([Drive to Motor].Feedback)=?) AND "
    "(([Drive to Motor].Cable_Option)=?));");

const QString kWithCurveKey = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], "
    "[Drive to Motor].Frame_Size, [Drive to Motor].Stack_Length, [Drive to Motor].Winding, "
    "[Drive to Motor].Feedback, [Drive to Motor].Cable_Option, [Drive to Motor].Motor_Cable, "
    "[Drive to Motor].Feedback_Cable, [Drive to Motor].Notes, [Drive to Motor].[24VDC_Drive], "
    "[Drive to Motor].[48VDC_Drive], [Drive to Motor].[75VDC_Drive], [Drive to Motor].[120VAC_Drive], "
    "[Drive to Motor].[230VAC_Drive], [Drive to Motor].[460VAC_Drive], [Drive to Motor].[24VDC_Drive_Parallel], "
    "[Drive to Motor].[48VDC_Drive_Parallel], [Drive to Motor].[75VDC_Drive_Parallel], "
    "[Drive to Motor].[120VAC_Drive_Parallel], "
    "[Drive to Motor].[230VAC_Drive_Parallel], [Drive to Motor].[460VAC_Drive_Parallel], [Drive to Motor].Drive_Notes, "
    "[Drive to Motor].[Curve Database Motor Part Number] From [Drive to Motor] ");

const QString kVoltagesOnly = QStringLiteral(
    "SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size, "
    "[Drive to Motor].Stack_Length, [Drive to Motor].Winding, [Drive to Motor].Feedback, "
    "[Drive to Motor].Cable_Option, [Drive to Motor].Motor_Cable, [Drive to Motor].Feedback_Cable, "
    "[Drive to Motor].Notes, [Drive to Motor].[24VDC_Drive], [Drive to Motor].[48VDC_Drive], "
    "[Drive to Motor].[75VDC_Drive], [Drive to Motor].[120VAC_Drive], [Drive to Motor].[230VAC_Drive], "
    "[Drive to Motor].[460VAC_Drive], [Drive to Motor].[24VDC_Drive_Parallel], "
    "[Drive to Motor].[48VDC_Drive_Parallel], [Drive to Motor].[75VDC_Drive_Parallel], "
    "[Drive to Motor].[120VAC_Drive_Parallel], [Drive to Motor].[230VAC_Drive_Parallel], "
    "[Drive to Motor].[460VAC_Drive_Parallel],[Drive to Motor].Drive_Notes From [Drive to Motor] ");

} // namespace

DriveToMotorRow DriveToMotorRow::read(const AxisRecord& record, const QString& feedback, Columns columns)
{
    const QString& select = columns == WithCurveKey ? kWithCurveKey : kVoltagesOnly;
    const Recordset& rs = Globals::Run_Query(select + kWhere,
                                             {record.Drive_Name, record.Motor_Series, record.Frame_Size,
                                              record.Stack_Length, record.Winding, feedback,
                                              record.Cable_Option});
    DriveToMotorRow row;
    if (rs.eof())
        return row;
    row.m_found = true;
    for (const QString& field : rs.fieldNames())
        row.m_values.insert(field.toLower(), rs.value(field));
    return row;
}

QString DriveToMotorRow::text(const QString& column) const
{
    const QVariant value = m_values.value(column.toLower());
    return value.isNull() ? QString() : value.toString();
}

bool DriveToMotorRow::isNull(const QString& column) const
{
    return m_values.value(column.toLower()).isNull();
}

bool DriveToMotorRow::offers(const QString& column) const
{
    return !isNull(column) && text(column).compare(QLatin1String("N/A"), Qt::CaseInsensitive) != 0;
}
