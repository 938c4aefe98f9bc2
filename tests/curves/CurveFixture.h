#pragma once

#include "curves/CurveTable.h"
#include "support/AppFixture.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "sizing/MotorModelACX.h"

class frmCurve;
struct AxisRecord;

// A drive-only setup (kind 4, axis 1) with its own sizing control, and a
// folder for curve databases built by the test.
class CurveFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds a database file in the test folder from SQL statements.
    void makeDatabase(const QString& fileName, const QStringList& statements);
    // Curve databases come from the test folder from now on.
    void useTestFolder();
    // A copy of the catalogue's database in the test folder, with more rows.
    void copyCatalogue(const QString& fileName, const QStringList& statements = {});

    // The curve keys of the current axis.
    void setAxis(const char* type, const QString& motor, const QString& drive);
    // Direct-drive fixture: motor "DD-5C3P" (ID 7) on drive "BDD-X" (ID 3) has
    // five continuous and three peak points; "DD-EMPTY" has a drive row but no
    // points, "DD-NULL" a point without torque, "DD-BIG" (on "BDD-B") 101
    // continuous points, one more than the table holds with its closing point.
    frmCurve* showDirectDrive(const QString& motor, const QString& drive);
    // A stepper curve of the axis' motor at a wiring and input voltage.
    frmCurve* showStepperAxis(const QString& motor, const QString& wiring, const QString& voltage,
                              const QString& drive);
    // Stepper fixture at 48VDC: "ST1" series (ID 1) on SMD-A (11, four points),
    // SMD-B (12, one point), SMD-D (14, none); "ST1" parallel (ID 2) on SMD-A
    // (13, two points); "ST2" series on SMD-A with the points (0, 1.2), (10, 0.8).
    frmCurve* showStepper(const QString& motor, const QString& wiring, const QString& drive);
    // KX232AE on the 3 A drive BSD2303 at 230 VAC (325 V bus), from the catalogue.
    void useServoPair();
    // The servo pair's curve; catalogueChanges run on a copy of the servo database first.
    frmCurve* showServo(const QStringList& catalogueChanges = {});

    // The curve button of a setup form, on the current axis.
    frmCurve* showCurve();
    frmCurve* window() const;
    const CurveTable& table() const;
    // Rows of the table as "speed/torque" (stepper) or "cs/ct/ps/pt" texts,
    // "-" for an empty cell.
    QString row(int r) const;
    int filledRows() const;

    AxisRecord& axis();

    std::unique_ptr<Pulvane_V4::MotorModelACX> socx;
    QTemporaryDir folder;
};

// Stored-curve database schemas of the catalogue.
extern const QStringList kDirectDriveSchema;
extern const QStringList kStepperSchema;
