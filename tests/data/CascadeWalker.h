#pragma once

#include "platform/Database.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// One way through a setup form, from the technology down to the cable lengths.
struct CascadePath {
    QString controller;        // controller setups only
    QString technology;
    QString drive;             // the drive or drive/controller
    QString series;
    QString frame;
    QString stack;
    QString winding;
    QString feedback;
    QString shaft;             // the mounting of a QD_Servo motor
    QString cableOption;
    QString motorOption;
    QString voltage;
    QString wiring;            // steppers only
    QString drivePartNumber;
    QString curveMotorKey;
    QString curveDriveKey;
    QStringList motorCableLengths;
    QStringList feedbackCableLengths;

    QString describe() const;
};

// Walks the product database the way the setup forms' cascades do (same
// tables, filters and order) and finds, for every motor series a setup kind
// offers, the first configuration that can be finished: a motor option other
// than a gearhead request and no refused keyway, an offered input voltage
// (and wiring), a drive part number with its construction row and cross
// reference, and motor cable lengths.
class CascadeWalker {
public:
    explicit CascadeWalker(const Database& product) : m_db(product) {}

    QMap<QString, CascadePath> drivePaths() const;
    QMap<QString, CascadePath> driveControllerPaths() const;
    QMap<QString, CascadePath> controllerPaths() const;

    // Every motor series offered with drives ("Include with Drives") or with
    // drive/controllers ("Include with DriveControllers").
    QStringList seriesOffered(const QString& includeColumn) const;

private:
    QStringList list(const QString& sql, const QVariantList& params = {}) const;
    // The technology list, then the drives each technology offers (the
    // technology bound first, then the values of more).
    QList<CascadePath> heads(const QString& technologies, const QString& names, const QVariantList& more = {}) const;
    QStringList seriesOfDrive(const QString& drive, const QString& includeColumn) const;
    // The first finished path of every series that one of the drives offers.
    QMap<QString, CascadePath> pathsFrom(const QList<CascadePath>& heads, const QString& includeColumn) const;
    // [Drive to Motor] rows under the path's keys above the column (all seven keys
    // without one), ordered by the column; keyValues lists that column's values.
    Recordset keyRows(const QString& select, const CascadePath& path, const QString& column = {}) const;
    QStringList keyValues(const QString& column, const CascadePath& path) const;
    std::optional<CascadePath> finish(CascadePath path) const;
    bool finishRow(CascadePath& path, const QString& partNumberType) const;

    Database m_db;
};
