#include "CatalogueDatabases.h"
#include "VoltageOffers.h"

#include "platform/Pictures.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include <tuple>

namespace {

using C = CatalogueDatabases;

// Each query lists what breaks a rule, so it must return nothing.
void expectNone(std::initializer_list<const char*> queries)
{
    for (const char* sql : queries)
        EXPECT_EQ(C::joined(QString::fromUtf8(sql)), "") << sql;
}

}

TEST(CatalogueReferences, EveryNamedCableExistsWithLengthsAndPartNumbers)
{
    expectNone({
        // "N/A" stands for no cable (flying leads, integrated feedback).
        "SELECT Motor_Cable FROM [Drive to Motor] UNION SELECT Feedback_Cable FROM [Drive to Motor] "
        "UNION SELECT Cable FROM [Controller to Drive] EXCEPT SELECT Cable FROM Cables EXCEPT SELECT 'N/A'",
        "SELECT [Cable Part Number] FROM Cables WHERE [Cable Part Number] <> '' GROUP BY 1 HAVING count(*) > 1",
    });
    // Only a pairing that needs no cable may go without a part number.
    EXPECT_EQ(C::joined("SELECT DISTINCT Cable FROM Cables WHERE [Cable Part Number] IS NULL OR "
                        "[Cable Part Number] = '' OR Length IS NULL OR Length = ''"),
              "No Cable Required");
}

TEST(CatalogueReferences, ProductsHaveTheirConstructionConfigurationAndCaptionRows)
{
    expectNone({
        "SELECT [Drive Name] FROM Drives UNION ALL SELECT [DriveController Name] FROM DriveControllers "
        "EXCEPT SELECT [Drive Name] FROM [Drive Construction] GROUP BY 1 HAVING count(*) = 1",
        "SELECT [DriveController Name] FROM DriveControllers EXCEPT SELECT [DriveController Name] "
        "FROM [DriveController Construction] GROUP BY 1 HAVING count(*) = 1",
        "SELECT [DriveController Name] FROM DriveControllers EXCEPT SELECT [DriveController Name] "
        "FROM [All DriveControllers]",
        "SELECT [DriveController Name] FROM DriveControllers EXCEPT SELECT [DriveController Name] "
        "FROM [DriveController Option Names] GROUP BY 1 HAVING count(*) = 1",
        "SELECT [Controller Name] FROM Controllers EXCEPT SELECT [Controller Name] FROM [All Controllers] "
        "WHERE [Part Number] <> '' AND TotalAxes > 0",
        "SELECT [Controller Name] FROM Controllers EXCEPT SELECT [Controller Name] FROM [Controller Option Names] "
        "GROUP BY 1 HAVING count(*) = 1",
        "SELECT [Controller Name] FROM Controllers EXCEPT SELECT [Controller Name] FROM [Controller to Drive]",
        // One required accessory per controller: the form reads it from the first row.
        "SELECT [Controller Name] FROM [All Controllers] GROUP BY 1 HAVING count(DISTINCT [Required Accessory]) <> 1",
        "SELECT t.[Drive Name] FROM [Controller to Drive] t LEFT JOIN Drives d ON d.[Drive Name] = t.[Drive Name] "
        "WHERE d.[Drive Type] IS NULL OR d.[Drive Type] <> t.Tech",
        // Card quantities must be entries of the dialog's quantity lists.
        "SELECT [DUW Number] FROM ExpIO WHERE [Required Quantity] NOT IN ('0','1','2','3','4','5','6','7','8')",
    });
}

TEST(CatalogueReferences, DriveToMotorRowsNameKnownProductsOfOneTechnology)
{
    expectNone({
        "SELECT DISTINCT m.[Drive Name] FROM [Drive to Motor] m WHERE m.[Drive Name] NOT IN "
        "(SELECT [Drive Name] FROM Drives UNION SELECT [DriveController Name] FROM DriveControllers)",
        "SELECT DISTINCT [Motor Name] FROM [Drive to Motor] WHERE [Motor Name] NOT IN (SELECT [Motor Name] FROM Motors)",
        "SELECT DISTINCT m.[Drive Name] || '/' || m.[Motor Name] FROM [Drive to Motor] m "
        "JOIN Motors s ON s.[Motor Name] = m.[Motor Name] LEFT JOIN Drives d ON d.[Drive Name] = m.[Drive Name] "
        "LEFT JOIN DriveControllers c ON c.[DriveController Name] = m.[Drive Name] "
        "WHERE coalesce(d.[Drive Type], c.[DriveController Type]) <> s.[Motor Type]",
        // One row per key: the row query of the motor options takes the first row only.
        "SELECT [Drive Name] FROM [Drive to Motor] GROUP BY [Drive Name], [Motor Name], Frame_Size, Stack_Length, "
        "Winding, Feedback, Cable_Option HAVING count(*) > 1",
    });
}

TEST(CatalogueReferences, EveryMotorSizeHasShaftAndMotorOptions)
{
    Recordset sizes = C::product().OpenRecordset(
        "SELECT DISTINCT m.[Motor Name], m.Frame_Size, m.Stack_Length, m.Winding, m.Feedback, m.Cable_Option, "
        "s.[PartNumber Type] FROM [Drive to Motor] m JOIN Motors s ON s.[Motor Name] = m.[Motor Name]");
    ASSERT_FALSE(sizes.eof());
    for (; !sizes.eof(); sizes.moveNext()) {
        const QString series = sizes.text("Motor Name");
        const QVariantList size{series, sizes.text("Frame_Size"), sizes.text("Stack_Length")};
        const std::string where = (series + " " + sizes.text("Frame_Size") + " " + sizes.text("Stack_Length"))
                                      .toStdString();
        const QStringList shafts = C::column(
            "SELECT Shaft_Options FROM [Shaft Options] WHERE [Motor Name] = ? AND Frame_Size = ? AND Stack_Length = ?",
            size);
        ASSERT_FALSE(shafts.isEmpty()) << where;
        // A QD motor's options are matched on its mounting (the shaft option).
        const bool qd = sizes.text("PartNumber Type") == QLatin1String("QD_Servo");
        for (const QString& shaft : qd ? shafts : QStringList{sizes.text("Feedback")}) {
            EXPECT_GT(C::number("SELECT count(*) FROM Options WHERE [Motor Name] = ? AND Frame_Size = ? AND "
                                "Stack_Length = ? AND Winding IN (?, 'Any') AND Feedback IN (?, 'Any') AND "
                                "Cable_Option IN (?, 'Any') AND Options NOT LIKE 'GXX%'",
                                size + QVariantList{sizes.text("Winding"), shaft, sizes.text("Cable_Option")}), 0)
                << where;
        }
    }
}

TEST(CatalogueReferences, GearheadRequestsHaveGearheadsAndAKeywayToSelect)
{
    Recordset requests = C::product().OpenRecordset(
        "SELECT DISTINCT [Motor Name], Frame_Size, Stack_Length FROM Options WHERE Options LIKE 'GXX%'");
    int seen = 0;
    for (; !requests.eof(); requests.moveNext(), ++seen) {
        const QVariantList size{requests.text("Motor Name"), requests.text("Frame_Size"), requests.text("Stack_Length")};
        const std::string where = (size[0].toString() + " " + size[1].toString()).toStdString();
        EXPECT_GT(C::number("SELECT count(*) FROM Gearhead WHERE [Motor Name] = ? AND Frame_Size = ? AND "
                            "Stack_Length = ? AND GXX LIKE 'G%' AND Notes <> ''", size), 0) << where;
        // The gearhead dialog selects "K = Keyway"; only KX size 16 gets the entry added for it.
        const bool kx16 = size[0] == "KX" && size[1] == "16";
        EXPECT_EQ(C::number("SELECT count(*) FROM [Shaft Options] WHERE [Motor Name] = ? AND Frame_Size = ? AND "
                            "Stack_Length = ? AND Shaft_Options = 'K = Keyway'", size), kx16 ? 0 : 1)
            << where;
    }
    EXPECT_GE(seen, 3);
}

TEST(CatalogueReferences, EveryDrivePartNumberTheFormsBuildHasACrossReference)
{
    int built = 0;
    for (Recordset row = VoltageOffers::rows(); !row.eof(); row.moveNext()) {
        const bool stepper = row.text("PartNumberType") == QLatin1String("Stepper");
        for (const VoltageOffer& offer : VoltageOffers::of(row, stepper)) {
            // Other motors read the plain column whatever the parallel one holds.
            EXPECT_TRUE(VoltageOffers::offers(row, offer.column))
                << row.text("Drive Name").toStdString() << " " << offer.voltage.toStdString();
            const QString part = VoltageOffers::drivePartNumber(row, offer.column);
            EXPECT_EQ(C::number("SELECT count(*) FROM [Drive Cross Ref] WHERE [Drive Part Number] = ?", {part}), 1)
                << part.toStdString();
            ++built;
        }
    }
    EXPECT_GT(built, 200);
}

TEST(CatalogueReferences, OptionLevelsAndBreakoutCablesFitTheOptionsDialogs)
{
    // A level lists "N/A" alone (it stays hidden and passes) or real values, never both.
    for (const auto& [table, name, levels] : {std::tuple{"All Controllers", "Controller Name", 6},
                                              std::tuple{"All DriveControllers", "DriveController Name", 4}}) {
        QString above = QStringLiteral("[%1]").arg(QLatin1String(name));
        for (int level = 2; level <= levels; ++level) {
            above += QStringLiteral(", Option%1").arg(level - 1);
            EXPECT_EQ(C::joined(QStringLiteral("SELECT %1 FROM [%2] GROUP BY %1 HAVING max(Option%3 = 'N/A') = 1 "
                                               "AND min(Option%3 = 'N/A') = 0")
                                    .arg(above, QLatin1String(table))
                                    .arg(level)),
                      "")
                << table << " level " << level;
        }
    }
    // The breakout cable named by a TNL required accessory and each port count.
    Recordset breakouts = C::product().OpenRecordset(
        "SELECT DISTINCT [Required Accessory], [TNL Axes] FROM [All Controllers] WHERE [Required Accessory] LIKE "
        "'TNL%' AND [TNL Axes] <> 0");
    ASSERT_FALSE(breakouts.eof());
    for (; !breakouts.eof(); breakouts.moveNext()) {
        const QString base = breakouts.text("Required Accessory");
        const QString cable = (base.at(6) == u'n' ? base.left(6) + breakouts.text("TNL Axes") : base.left(7)) + "-XX";
        EXPECT_GT(C::number("SELECT count(*) FROM Cables WHERE Cable = ?", {cable}), 0) << cable.toStdString();
    }
}

TEST(CatalogueReferences, EveryCatalogueNameHasAPicture)
{
    const QStringList names = C::column(
        "SELECT [Drive Name] FROM Drives UNION SELECT [DriveController Name] FROM DriveControllers "
        "UNION SELECT [Controller Name] FROM Controllers UNION SELECT [Motor Name] FROM Motors");
    EXPECT_EQ(names.size(), 23);
    for (const QString& name : names) {
        const QPixmap picture = Pictures::load(name);
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(picture.width(), 120) << name.toStdString();
        EXPECT_EQ(picture.height(), 90) << name.toStdString();
    }
    EXPECT_TRUE(Pictures::load(QStringLiteral("kx")).isNull());   // names are exact
}
