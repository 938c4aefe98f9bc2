#include "CatalogueDatabases.h"

#include <gtest/gtest.h>

namespace {

QStringList values(const QString& sql, const QVariantList& params = {})
{
    return CatalogueDatabases::column(CatalogueDatabases::product(), sql, params);
}

std::string joined(const QString& sql, const QVariantList& params = {})
{
    return values(sql, params).join(u'|').toStdString();
}

int count(const QString& sql, const QVariantList& params = {})
{
    return CatalogueDatabases::number(CatalogueDatabases::product(), sql, params);
}

}

TEST(CatalogueSpecialCases, TechnologiesDrivesAndControllers)
{
    EXPECT_EQ(joined("SELECT DISTINCT [Drives].[Drive Type] FROM [Drives]ORDER BY [Drives].[Drive Type];"),
              "Direct Drive|Servo|Stepper");
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT [Drive Type] FROM Drives GROUP BY 1 HAVING count(*) < 2)"), 0);
    EXPECT_EQ(joined("SELECT DISTINCT [DriveController Type] FROM DriveControllers ORDER BY 1"), "Servo|Stepper");
    EXPECT_GE(count("SELECT count(*) FROM Controllers"), 3);
    // Part-number types, and series offered with drives only, with drive/controllers only, and with both.
    EXPECT_EQ(joined("SELECT DISTINCT [PartNumber Type] FROM Motors ORDER BY 1"), "Colbitum|L7_Servo|QD_Servo|Stepper");
    EXPECT_EQ(joined("SELECT [Motor Name] FROM Motors WHERE [Include with Drives] = 1 AND "
                     "[Include with DriveControllers] = 0 ORDER BY 1"), "CR|CT|LM|ST|ZU");
    EXPECT_EQ(joined("SELECT [Motor Name] FROM Motors WHERE [Include with Drives] = 0 AND "
                     "[Include with DriveControllers] = 1 ORDER BY 1"), "iQO");
    EXPECT_EQ(joined("SELECT [Motor Name] FROM Motors WHERE [Include with Drives] = 1 AND "
                     "[Include with DriveControllers] = 1 ORDER BY 1"), "KX|QDM|SX");
}

TEST(CatalogueSpecialCases, IntegratedUnitsZuAndIqo)
{
    // "ZU": drive and motor in one, offered with drives.
    EXPECT_EQ(joined("SELECT [Drive Type] FROM Drives WHERE [Drive Name] = 'ZU'"), "Servo");
    EXPECT_EQ(joined("SELECT DISTINCT [Motor Name] FROM [Drive to Motor] WHERE [Drive Name] = 'ZU'"), "ZU");
    EXPECT_EQ(joined("SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [Motor Name] = 'ZU'"), "ZU");
    // "iQO": drive/controller and motor in one, offered with drive/controllers.
    EXPECT_EQ(joined("SELECT [DriveController Type] FROM DriveControllers WHERE [DriveController Name] = 'iQO'"),
              "Servo");
    EXPECT_EQ(joined("SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [Motor Name] = 'iQO'"), "iQO");
    EXPECT_EQ(count("SELECT count(*) FROM [All DriveControllers] WHERE [DriveController Name] = 'iQO' AND "
                    "PartNumber IS NULL"), 2);
}

TEST(CatalogueSpecialCases, KxSizeSixteenKeywayAndGearheads)
{
    EXPECT_EQ(joined("SELECT DISTINCT Shaft_Options FROM [Shaft Options] WHERE [Motor Name] = 'KX' AND "
                     "Frame_Size = '16' ORDER BY 1"), "K|S = Smooth Shaft");
    EXPECT_EQ(joined("SELECT DISTINCT GXX FROM Gearhead WHERE [Motor Name] = 'KX' AND Frame_Size = '16' ORDER BY 1"),
              "GP16-005|GP16-010");
    EXPECT_EQ(count("SELECT count(*) FROM Options WHERE [Motor Name] = 'KX' AND Frame_Size = '16' AND "
                    "Options = 'GXX = Gearhead'"), 2);
    EXPECT_GT(count("SELECT count(*) FROM [Shaft Options] WHERE Shaft_Options = 'K = Keyway'"), 0);
}

TEST(CatalogueSpecialCases, QdFramesAndMotorOptions)
{
    EXPECT_EQ(joined("SELECT DISTINCT m.Frame_Size FROM [Drive to Motor] m JOIN Motors s ON s.[Motor Name] = "
                     "m.[Motor Name] WHERE s.[PartNumber Type] = 'QD_Servo' ORDER BY 1"), "092 = 92 mm|130 = 130 mm");
    // "Any" rows, a winding-specific row, a QD row keyed on the mounting, "None" and gearhead requests.
    EXPECT_GT(count("SELECT count(*) FROM Options WHERE Winding = 'Any' AND Feedback = 'Any' AND Cable_Option = 'Any'"),
              0);
    EXPECT_EQ(joined("SELECT DISTINCT Options FROM Options WHERE Winding = 'B'"), "F = Fan Cooling");
    EXPECT_EQ(joined("SELECT DISTINCT Feedback FROM Options WHERE [Motor Name] = 'QDM' AND Feedback <> 'Any'"),
              "M1 = IEC Flange");
    EXPECT_EQ(joined("SELECT DISTINCT [Motor Name] FROM Options WHERE Options = 'None' ORDER BY 1"), "ST|SX");
    EXPECT_EQ(joined("SELECT DISTINCT [Motor Name] FROM Options WHERE Options LIKE 'GXX = %' ORDER BY 1"), "KX|ST");
    EXPECT_EQ(joined("SELECT DISTINCT [Motor Name] FROM Options WHERE Options = 'N/A' ORDER BY 1"), "CR|CT");
}

TEST(CatalogueSpecialCases, OfferedVoltagesOfEveryKind)
{
    EXPECT_GT(count("SELECT count(*) FROM [Drive to Motor] WHERE [230VAC_Drive] NOT IN ('', 'N/A')"), 0);
    EXPECT_GT(count("SELECT count(*) FROM [Drive to Motor] WHERE [24VDC_Drive] = 'N/A'"), 0);
    EXPECT_GT(count("SELECT count(*) FROM [Drive to Motor] WHERE [460VAC_Drive] IS NULL"), 0);
    EXPECT_EQ(joined("SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [230VAC_Drive] = ''"), "BDD-230");
    EXPECT_EQ(joined("SELECT DISTINCT [Drive Name] FROM [Drive to Motor] WHERE [460VAC_Drive] NOT IN ('', 'N/A') "
                     "ORDER BY 1"), "BDD-460|BSD-460");
    // Steppers: series and parallel codes, and one row that offers only parallel wiring at 75 VDC.
    EXPECT_GT(count("SELECT count(*) FROM [Drive to Motor] m JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
                    "WHERE s.[PartNumber Type] = 'Stepper' AND [24VDC_Drive] <> 'N/A' AND "
                    "[24VDC_Drive_Parallel] <> 'N/A' AND [24VDC_Drive] <> [24VDC_Drive_Parallel]"), 0);
    EXPECT_EQ(joined("SELECT DISTINCT [Drive Name] || ' ' || [Motor Name] || Frame_Size || Stack_Length || Winding "
                     "FROM [Drive to Motor] WHERE [75VDC_Drive] = 'N/A' AND [75VDC_Drive_Parallel] <> 'N/A'"),
              "SMD-48 SX233A");
    EXPECT_EQ(joined("SELECT DISTINCT [Drive Name] || ' ' || [Motor Name] || Frame_Size || Stack_Length || Winding "
                     "FROM [Drive to Motor] WHERE [48VDC_Drive] <> 'N/A' AND [48VDC_Drive_Parallel] = 'N/A' "
                     "AND [Motor Name] = 'SX' ORDER BY 1"), "SMD-48 SX233B");
}

TEST(CatalogueSpecialCases, ConstructionCablesAndAccessories)
{
    EXPECT_EQ(joined("SELECT [DriveController Name] || '=' || [Power Level First] FROM [DriveController Construction] "
                     "ORDER BY 1"), "BSC-230=1|SPC-48=0|iQO=0");
    EXPECT_EQ(joined("SELECT Cables.Length From Cables WHERE (((Cables.Cable)=?))ORDER BY Cables.Length;",
                     {"MPC-S1"}), "10|15|25|3|5");
    EXPECT_EQ(joined("SELECT Cable FROM [Controller to Drive] WHERE Cable LIKE 'No%'"), "No Cable Required");
    EXPECT_EQ(joined("SELECT DISTINCT ControllerDriveRequired_Accessory FROM [Controller to Drive] ORDER BY 1"),
              "IFX-STP|N/A|None");
    // Rows that the accessory lists never show.
    for (const char* table : {"Drive Only Accessories", "Drive Accessories"}) {
        const QString column = table == QLatin1String("Drive Accessories") ? "Drive Accessory" : "Drive Only Accessory";
        EXPECT_EQ(joined(QStringLiteral("SELECT DISTINCT \"%1\" FROM \"%2\" WHERE \"%1\" IN ('', 'N/A', 'None') "
                                        "ORDER BY 1").arg(column, table)), "|N/A|None") << table;
    }
    EXPECT_EQ(joined("SELECT DISTINCT [DriveController Accessory] FROM [DriveController Accessories] WHERE "
                     "[DriveController Accessory] IN ('', 'N/A', 'None') ORDER BY 1"), "|N/A");
    EXPECT_EQ(joined("SELECT [Controller Name] FROM [Controller Accessories] WHERE [Controller Accessory] LIKE "
                     "'HX25%' ORDER BY 1"), "9Q10|KEX200");
}

TEST(CatalogueSpecialCases, DriveControllerOptions)
{
    EXPECT_EQ(joined("SELECT [Drivecontroller Option1 Name] || ',' || [Drivecontroller Option4 Name] FROM "
                     "[DriveController Option Names] WHERE [DriveController Name] = 'BSC-230'"), "Communication,Safety");
    EXPECT_EQ(joined("SELECT DISTINCT Option2 FROM [All DriveControllers] WHERE [DriveController Name] = 'BSC-230'"),
              "N/A");
    EXPECT_GT(count("SELECT count(*) FROM [All DriveControllers] WHERE [JTR Ready] = 1 AND [Expansion IO Notes] <> ''"),
              0);
    EXPECT_GT(count("SELECT count(*) FROM [All DriveControllers] WHERE [DUW Ready] = 1 AND [Expansion IO Notes] <> ''"),
              0);
}

TEST(CatalogueSpecialCases, ControllerOptionsBreakoutsAndExpansionIo)
{
    // KEX names carry the axis count in level 3, 9Q names in level 2 (the breakout-module quantity).
    EXPECT_EQ(joined("SELECT DISTINCT Option3 FROM [All Controllers] WHERE [Controller Name] LIKE 'KEX%' ORDER BY 1"),
              "2 = 2 Axes|4 = 4 Axes|6 = 6 Axes|8 = 8 Axes");
    EXPECT_EQ(joined("SELECT DISTINCT Option2 FROM [All Controllers] WHERE [Controller Name] LIKE '9Q%' ORDER BY 1"),
              "2 = 2 Axes|4 = 4 Axes|8 = 8 Axes");
    EXPECT_EQ(joined("SELECT DISTINCT Option5 FROM [All Controllers] WHERE [Controller Name] = 'KEX200'"), "N/A");
    EXPECT_EQ(joined("SELECT DISTINCT [Controller Name] || ':' || [Required Accessory] FROM [All Controllers] "
                     "ORDER BY 1"), "9Q10:TNL-BK8|BMC100:None|BMC300:BRK-300|KEX200:TNL-BKn");
    EXPECT_EQ(joined("SELECT DISTINCT [Controller Name] FROM [All Controllers] WHERE [TNL Axes] = 0 ORDER BY 1"),
              "9Q10|BMC100|BMC300");
    EXPECT_EQ(joined("SELECT [Controller Name] FROM [All Controllers] GROUP BY 1 HAVING max([JTR Ready]) = 1 AND "
                     "max([LUMIO Ready]) = 1"), "KEX200");
    EXPECT_EQ(joined("SELECT DISTINCT [Controller Name] FROM [All Controllers] WHERE [DUW Ready] = 1"), "9Q10");
    EXPECT_EQ(count("SELECT count(*) FROM ExpIO WHERE [Expansion IO Type] = 'JTR'"), 10);
    EXPECT_EQ(count("SELECT count(*) FROM ExpIO WHERE [Expansion IO Type] = 'DUW'"), 3);
    EXPECT_EQ(count("SELECT count(*) FROM ExpIO WHERE [Expansion IO Type] = 'LUMIO'"), 16);
    EXPECT_EQ(joined("SELECT [DUW Number] FROM ExpIO WHERE [Required Quantity] <> '0' ORDER BY 1"),
              "LUM-BC01|LUM-EC00");
}

TEST(CatalogueSpecialCases, ServoAmplifiersOfferSeveralSwitchingFrequencies)
{
    EXPECT_EQ(CatalogueDatabases::number(CatalogueDatabases::servo(),
                                         "SELECT count(*) FROM (SELECT PartNumber FROM AmplifierDataTable "
                                         "GROUP BY 1 HAVING count(DISTINCT SwitchFreq) < 2)"), 0);
    EXPECT_EQ(CatalogueDatabases::column(CatalogueDatabases::servo(),
                                         "SELECT DISTINCT AmpFamily FROM AmplifierDataTable WHERE PartNumber LIKE 'ZU%'")
                  .join(u'|').toStdString(),
              "Teldun");
}
