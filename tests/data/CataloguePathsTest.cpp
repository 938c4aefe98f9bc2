#include "CascadeWalker.h"
#include "CatalogueDatabases.h"

#include <gtest/gtest.h>

namespace {

std::string keys(const QMap<QString, CascadePath>& paths)
{
    return CatalogueDatabases::join(paths.keys());
}

std::string offered(const CascadeWalker& walker, const char* includeColumn)
{
    return CatalogueDatabases::sortedJoin(walker.seriesOffered(QLatin1String(includeColumn)));
}

}

TEST(CataloguePaths, EverySeriesOfferedWithDrivesCanBeFinishedInTheDriveSetup)
{
    const CascadeWalker walker(CatalogueDatabases::product());
    const QMap<QString, CascadePath> paths = walker.drivePaths();
    EXPECT_EQ(keys(paths), offered(walker, "Include with Drives"));
    EXPECT_EQ(keys(paths), "CR|CT|KX|LM|QDM|ST|SX|ZU");

    // The first KX configuration: every list down to the cable lengths.
    const CascadePath kx = paths.value("KX");
    EXPECT_EQ(kx.describe().toStdString(),
              "Servo -> BSD-230 -> KX -> 16 -> 1 -> A -> E = Encoder -> S = Smooth Shaft -> C = Connectors -> "
              "0 = Standard -> 120VAC");
    EXPECT_EQ(kx.drivePartNumber.toStdString(), "BSD2303-A0");
    EXPECT_EQ(kx.curveDriveKey.toStdString(), "BSD2303");
    EXPECT_EQ(kx.curveMotorKey.toStdString(), "KX161AE");
    EXPECT_EQ(CatalogueDatabases::join(kx.motorCableLengths), "10|15|25|3|5");
    EXPECT_EQ(CatalogueDatabases::join(kx.feedbackCableLengths), "10|15|25|3|5");

    const CascadePath cr = paths.value("CR");
    EXPECT_EQ(cr.drivePartNumber.toStdString(), "BDD230-00");   // one size: an empty drive code
    EXPECT_EQ(cr.curveMotorKey.toStdString(), "CR02100-230");
}

TEST(CataloguePaths, EverySeriesOfferedWithDriveControllersCanBeFinished)
{
    const CascadeWalker walker(CatalogueDatabases::product());
    const QMap<QString, CascadePath> paths = walker.driveControllerPaths();
    EXPECT_EQ(keys(paths), offered(walker, "Include with DriveControllers"));
    EXPECT_EQ(keys(paths), "KX|QDM|SX|iQO");

    const CascadePath sx = paths.value("SX");
    EXPECT_EQ(sx.describe().toStdString(),
              "Stepper -> SPC-48 -> SX -> 17 -> 1 -> A -> D = Double Shaft -> F = Flatted Shaft -> C = Connector -> "
              "E = Rear Encoder -> 24VDC -> SERIES");
    EXPECT_EQ(sx.drivePartNumber.toStdString(), "SPC48-3");
    EXPECT_TRUE(sx.feedbackCableLengths.isEmpty());   // a stepper has no feedback cable
}

TEST(CataloguePaths, EverySeriesOfferedWithDrivesCanBeFinishedUnderAController)
{
    const CascadeWalker walker(CatalogueDatabases::product());
    const QMap<QString, CascadePath> paths = walker.controllerPaths();
    EXPECT_EQ(keys(paths), offered(walker, "Include with Drives"));
    EXPECT_EQ(paths.value("ZU").describe().toStdString(),
              "KEX200 -> Servo -> ZU -> ZU -> 23 -> 1 -> D -> E = Encoder -> S = Smooth Shaft -> N/A -> "
              "0 = Standard -> 24VDC");
    EXPECT_EQ(paths.value("CT").controller.toStdString(), "BMC1600");
}
