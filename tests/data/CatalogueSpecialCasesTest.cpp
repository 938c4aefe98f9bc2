#include "CatalogueDatabases.h"

#include <gtest/gtest.h>

namespace {

using C = CatalogueDatabases;

// A special case of the catalogue, named by a query and the rows it must return
// (the first column of every row, joined by "|"; a test of a condition returns "1").
struct Case {
    const char* sql;
    const char* rows;
    const Database& (*db)() = &C::product;
};

void expectRows(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(C::join(C::column(c.db(), QString::fromUtf8(c.sql))), c.rows) << c.sql;
}

}

TEST(CatalogueSpecialCases, TechnologiesDrivesAndControllers)
{
    expectRows({
        {"SELECT DISTINCT [Drives].[Drive Type] FROM [Drives]ORDER BY [Drives].[Drive Type];",
         "Direct Drive|Servo|Stepper"},
        {"SELECT count(*) FROM (SELECT [Drive Type] FROM Drives GROUP BY 1 HAVING count(*) < 2)", "0"},
        {"SELECT DISTINCT [DriveController Type] FROM DriveControllers ORDER BY 1", "Servo|Stepper"},
        {"SELECT count(*) >= 3 FROM Controllers", "1"},
        // Part-number types, and series offered with drives only, with drive/controllers only, and with both.
        {"SELECT DISTINCT [PartNumber Type] FROM Motors ORDER BY 1", "Colbitum|L7_Servo|QD_Servo|Stepper"},
        {"SELECT [Motor Name] FROM Motors WHERE [Include with Drives] = 1 AND [Include with DriveControllers] = 0 "
         "ORDER BY 1", "CR|CT|LM|ST|ZU"},
        {"SELECT [Motor Name] FROM Motors WHERE [Include with Drives] = 0 AND [Include with DriveControllers] = 1 "
         "ORDER BY 1", "iQO"},
        {"SELECT [Motor Name] FROM Motors WHERE [Include with Drives] = 1 AND [Include with DriveControllers] = 1 "
         "ORDER BY 1", "KX|QDM|SX"},
    });
}

TEST(CatalogueSpecialCases, IntegratedUnitsZuAndIqo)
{
    expectRows({
        // "ZU": drive and motor in one, offered with drives.
        {"SELECT [Drive Type] FROM Drives WHERE [Drive Name] = 'ZU'", "Servo"},
        {"SELECT DISTINCT [Motor Name] FROM [Drive to Motor] WHERE [Drive Name] = 'ZU'", "ZU"},
        {"SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [Motor Name] = 'ZU'", "ZU"},
        // "iQO": drive/controller and motor in one, offered with drive/controllers.
        {"SELECT [DriveController Type] FROM DriveControllers WHERE [DriveController Name] = 'iQO'", "Servo"},
        {"SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [Motor Name] = 'iQO'", "iQO"},
        {"SELECT count(*) FROM [All DriveControllers] WHERE [DriveController Name] = 'iQO' AND PartNumber IS NULL",
         "2"},
    });
}

TEST(CatalogueSpecialCases, KxSizeSixteenKeywayAndGearheads)
{
    expectRows({
        {"SELECT DISTINCT Shaft_Options FROM [Shaft Options] WHERE [Motor Name] = 'KX' AND Frame_Size = '16' "
         "ORDER BY 1", "K|S = Smooth Shaft"},
        {"SELECT DISTINCT GXX FROM Gearhead WHERE [Motor Name] = 'KX' AND Frame_Size = '16' ORDER BY 1",
         "GP16-005|GP16-010"},
        {"SELECT count(*) FROM Options WHERE [Motor Name] = 'KX' AND Frame_Size = '16' AND Options = 'GXX = Gearhead'",
         "2"},
        {"SELECT count(*) > 0 FROM [Shaft Options] WHERE Shaft_Options = 'K = Keyway'", "1"},
    });
}

TEST(CatalogueSpecialCases, QdFramesAndMotorOptions)
{
    expectRows({
        {"SELECT DISTINCT m.Frame_Size FROM [Drive to Motor] m JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
         "WHERE s.[PartNumber Type] = 'QD_Servo' ORDER BY 1", "092 = 92 mm|130 = 130 mm"},
        // "Any" rows, a winding-specific row, a QD row keyed on the mounting, "None" and gearhead requests.
        {"SELECT count(*) > 0 FROM Options WHERE Winding = 'Any' AND Feedback = 'Any' AND Cable_Option = 'Any'", "1"},
        {"SELECT DISTINCT Options FROM Options WHERE Winding = 'B'", "F = Fan Cooling"},
        {"SELECT DISTINCT Feedback FROM Options WHERE [Motor Name] = 'QDM' AND Feedback <> 'Any'", "M1 = IEC Flange"},
        {"SELECT DISTINCT [Motor Name] FROM Options WHERE Options = 'None' ORDER BY 1", "ST|SX"},
        {"SELECT DISTINCT [Motor Name] FROM Options WHERE Options LIKE 'GXX = %' ORDER BY 1", "KX|ST"},
        {"SELECT DISTINCT [Motor Name] FROM Options WHERE Options = 'N/A' ORDER BY 1", "CR|CT"},
    });
}

TEST(CatalogueSpecialCases, OfferedVoltagesOfEveryKind)
{
    expectRows({
        {"SELECT count(*) > 0 FROM [Drive to Motor] WHERE [230VAC_Drive] NOT IN ('', 'N/A')", "1"},
        {"SELECT count(*) > 0 FROM [Drive to Motor] WHERE [24VDC_Drive] = 'N/A'", "1"},
        {"SELECT count(*) > 0 FROM [Drive to Motor] WHERE [460VAC_Drive] IS NULL", "1"},
        {"SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [230VAC_Drive] = ''", "BDD-230"},
        {"SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [460VAC_Drive] NOT IN ('', 'N/A') ORDER BY 1",
         "BDD-460|BSD-460"},
        // Steppers: series and parallel codes, and one row that offers only parallel wiring at 75 VDC.
        {"SELECT count(*) > 0 FROM [Drive to Motor] m JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
         "WHERE s.[PartNumber Type] = 'Stepper' AND [24VDC_Drive] <> 'N/A' AND [24VDC_Drive_Parallel] <> 'N/A' "
         "AND [24VDC_Drive] <> [24VDC_Drive_Parallel]", "1"},
        {"SELECT DISTINCT [Drive Name] || ' ' || [Motor Name] || Frame_Size || Stack_Length || Winding "
         "FROM [Drive to Motor] WHERE [75VDC_Drive] = 'N/A' AND [75VDC_Drive_Parallel] <> 'N/A'", "SMD-48 SX233A"},
        {"SELECT DISTINCT [Drive Name] || ' ' || [Motor Name] || Frame_Size || Stack_Length || Winding "
         "FROM [Drive to Motor] WHERE [48VDC_Drive] <> 'N/A' AND [48VDC_Drive_Parallel] = 'N/A' "
         "AND [Motor Name] = 'SX' ORDER BY 1", "SMD-48 SX233B"},
    });
}

TEST(CatalogueSpecialCases, ConstructionCablesAndAccessories)
{
    expectRows({
        {"SELECT [DriveController Name] || '=' || [Power Level First] FROM [DriveController Construction] ORDER BY 1",
         "BSC-230=1|SPC-48=0|iQO=0"},
        {"SELECT Cables.Length From Cables WHERE (((Cables.Cable)='MPC-S1'))ORDER BY Cables.Length;", "10|15|25|3|5"},
        {"SELECT Cable FROM [Controller to Drive] WHERE Cable LIKE 'No%'", "No Cable Required"},
        // Controller cables with a single length: the form selects it by itself.
        {"SELECT Cable FROM Cables WHERE Cable IN (SELECT Cable FROM [Controller to Drive]) GROUP BY Cable "
         "HAVING count(*) = 1 ORDER BY 1", "CDC-DD|No Cable Required"},
        {"SELECT DISTINCT ControllerDriveRequired_Accessory FROM [Controller to Drive] ORDER BY 1", "IFX-STP|N/A|None"},
        // Rows that the accessory lists never show.
        {"SELECT DISTINCT [Drive Only Accessory] FROM [Drive Only Accessories] WHERE [Drive Only Accessory] "
         "IN ('', 'N/A', 'None') ORDER BY 1", "|N/A|None"},
        {"SELECT DISTINCT [Drive Accessory] FROM [Drive Accessories] WHERE [Drive Accessory] IN ('', 'N/A', 'None') "
         "ORDER BY 1", "|N/A|None"},
        {"SELECT DISTINCT [DriveController Accessory] FROM [DriveController Accessories] WHERE "
         "[DriveController Accessory] IN ('', 'N/A', 'None') ORDER BY 1", "|N/A"},
        {"SELECT [Controller Name] FROM [Controller Accessories] WHERE [Controller Accessory] LIKE 'HX25%' ORDER BY 1",
         "9Q10|KEX200"},
    });
}

TEST(CatalogueSpecialCases, DriveControllerOptions)
{
    expectRows({
        {"SELECT [Drivecontroller Option1 Name] || ',' || [Drivecontroller Option4 Name] FROM "
         "[DriveController Option Names] WHERE [DriveController Name] = 'BSC-230'", "Communication,Safety"},
        {"SELECT DISTINCT Option2 FROM [All DriveControllers] WHERE [DriveController Name] = 'BSC-230'", "N/A"},
        {"SELECT count(*) > 0 FROM [All DriveControllers] WHERE [JTR Ready] = 1 AND [Expansion IO Notes] <> ''", "1"},
        {"SELECT count(*) > 0 FROM [All DriveControllers] WHERE [DUW Ready] = 1 AND [Expansion IO Notes] <> ''", "1"},
    });
}

TEST(CatalogueSpecialCases, ControllerOptionsBreakoutsAndExpansionIo)
{
    expectRows({
        // KEX names carry the axis count in level 3, 9Q names in level 2 (the breakout-module quantity).
        {"SELECT DISTINCT Option3 FROM [All Controllers] WHERE [Controller Name] LIKE 'KEX%' ORDER BY 1",
         "2 = 2 Axes|4 = 4 Axes|6 = 6 Axes|8 = 8 Axes"},
        {"SELECT DISTINCT Option2 FROM [All Controllers] WHERE [Controller Name] LIKE '9Q%' ORDER BY 1",
         "2 = 2 Axes|4 = 4 Axes|8 = 8 Axes"},
        {"SELECT DISTINCT Option5 FROM [All Controllers] WHERE [Controller Name] = 'KEX200'", "N/A"},
        {"SELECT DISTINCT [Controller Name] || ':' || [Required Accessory] FROM [All Controllers] ORDER BY 1",
         "9Q10:TNL-BK8|BMC100:None|BMC1600:TNL-BKn|BMC300:BRK-300|KEX200:TNL-BKn"},
        {"SELECT DISTINCT [Controller Name] FROM [All Controllers] WHERE [TNL Axes] = 0 ORDER BY 1",
         "9Q10|BMC100|BMC300"},
        {"SELECT [Controller Name] FROM [All Controllers] GROUP BY 1 HAVING max([JTR Ready]) = 1 AND "
         "max([LUMIO Ready]) = 1", "KEX200"},
        {"SELECT DISTINCT [Controller Name] FROM [All Controllers] WHERE [DUW Ready] = 1", "9Q10"},
        {"SELECT [Expansion IO Type] || '=' || count(*) FROM ExpIO GROUP BY [Expansion IO Type] ORDER BY 1", "DUW=3|JTR=10|LUMIO=16"},
        {"SELECT [DUW Number] FROM ExpIO WHERE [Required Quantity] <> '0' ORDER BY 1", "LUM-BC01|LUM-EC00"},
    });
}

// Every axis of the controller form can be used: a family of 12 and 16 axes whose name the
// breakout-module rule of the accessory dialog (KEX and 9Q names) does not read.
TEST(CatalogueSpecialCases, ControllerOfTwelveAndSixteenAxes)
{
    expectRows({
        {"SELECT DISTINCT [Controller Name] FROM [All Controllers] WHERE TotalAxes > 8", "BMC1600"},
        {"SELECT DISTINCT Option1 || ' ' || TotalAxes || '/' || TotalServos || '/' || TotalSteppers "
         "FROM [All Controllers] WHERE [Controller Name] = 'BMC1600' ORDER BY TotalAxes",
         "12 = 12 Axes 12/12/6|16 = 16 Axes 16/16/8"},
        {"SELECT DISTINCT [All Controllers].[TNL Axes] From [All Controllers] WHERE "
         "((([All Controllers].[Controller Name])='BMC1600') AND (NOT ([All Controllers].[TNL Axes])=0))"
         "ORDER BY [All Controllers].[TNL Axes];", "12|16"},
        {"SELECT [Cable Part Number] FROM Cables WHERE Cable = 'TNL-BK16-XX' ORDER BY 1",
         "TNL-BK16-01|TNL-BK16-02|TNL-BK16-03"},
        {"SELECT DISTINCT Tech FROM [Controller to Drive] WHERE [Controller Name] = 'BMC1600' ORDER BY 1",
         "Direct Drive|Servo|Stepper"},
        {"SELECT [Option6 Name] FROM [Controller Option Names] WHERE [Controller Name] = 'BMC1600'", "Display"},
        {"SELECT count(*) FROM [Controller Accessories] WHERE [Controller Name] = 'BMC1600'", "3"},
    });
}

TEST(CatalogueSpecialCases, CurveDataOfSeveralFrequenciesWiringsAndVoltages)
{
    expectRows({
        {"SELECT count(*) FROM (SELECT PartNumber FROM AmplifierDataTable GROUP BY 1 "
         "HAVING count(DISTINCT SwitchFreq) < 2)", "0", &C::servo},
        // A higher switching frequency carries less current, as on a real drive.
        {"SELECT count(*) FROM AmplifierDataTable a INNER JOIN AmplifierDataTable b ON a.PartNumber = b.PartNumber "
         "AND a.VsDefault = b.VsDefault AND b.SwitchFreq > a.SwitchFreq "
         "WHERE b.IrDrivePeakSine >= a.IrDrivePeakSine OR b.IpDrivePeakSine >= a.IpDrivePeakSine", "0", &C::servo},
        {"SELECT DISTINCT AmpFamily FROM AmplifierDataTable WHERE PartNumber LIKE 'ZU%'", "Teldun", &C::servo},
        {"SELECT DISTINCT MotorWiringType FROM MotorData ORDER BY 1", "PARALLEL|SERIES", &C::stepper},
        {"SELECT count(DISTINCT Voltage) >= 4 FROM MotorData", "1", &C::stepper},
    });
}
