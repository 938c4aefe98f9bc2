#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

struct AxisRecord;

// The one [Drive to Motor] row that a complete motor choice selects, copied
// out of the shared recordset so that later queries cannot take it away.
// A missing row reads like a row of Null columns.
class DriveToMotorRow {
public:
    enum Columns { WithCurveKey, VoltagesOnly };

    // The row of the record's drive, series, frame, stack, winding and cable
    // option with the given feedback value.
    static DriveToMotorRow read(const AxisRecord& record, const QString& feedback, Columns columns);

    bool found() const { return m_found; }
    // The column as text; empty for Null or when there is no row.
    QString text(const QString& column) const;
    bool isNull(const QString& column) const;
    // A drive-code column offers its voltage or wiring unless it is "N/A"; a
    // Null column never offers, an empty text does.
    bool offers(const QString& column) const;

private:
    QHash<QString, QVariant> m_values;
    bool m_found = false;
};
