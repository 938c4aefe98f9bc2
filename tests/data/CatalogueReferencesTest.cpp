#include "CatalogueDatabases.h"

#include "platform/Pictures.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace {

const Database& db() { return CatalogueDatabases::product(); }

QStringList values(const QString& sql, const QVariantList& params = {})
{
    return CatalogueDatabases::column(db(), sql, params);
}

int count(const QString& sql, const QVariantList& params = {})
{
    return CatalogueDatabases::number(db(), sql, params);
}

const char* const kVoltages[] = {"24VDC", "48VDC", "75VDC", "120VAC", "230VAC", "460VAC"};

bool offers(const Recordset& row, const QString& column)
{
    return !row.isNull(column) && row.text(column) != QLatin1String("N/A");
}

}

TEST(CatalogueReferences, EveryNamedCableExistsWithLengthsAndPartNumbers)
{
    // "N/A" stands for no cable (flying leads, integrated feedback).
    const QStringList named = values(QStringLiteral(
        "SELECT Motor_Cable FROM [Drive to Motor] UNION SELECT Feedback_Cable FROM [Drive to Motor] "
        "UNION SELECT Cable FROM [Controller to Drive]"));
    for (const QString& cable : named) {
        if (cable == QLatin1String("N/A"))
            continue;
        EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM Cables WHERE Cable = ?"), {cable}), 0)
            << cable.toStdString();
    }
    // Only a pairing that needs no cable may go without a part number.
    EXPECT_EQ(values(QStringLiteral("SELECT DISTINCT Cable FROM Cables WHERE [Cable Part Number] IS NULL OR "
                                    "[Cable Part Number] = '' OR Length IS NULL OR Length = ''"))
                  .join(u'|').toStdString(),
              "No Cable Required");
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM (SELECT [Cable Part Number] FROM Cables WHERE "
                                   "[Cable Part Number] <> '' GROUP BY 1 HAVING count(*) > 1)")), 0);
}

TEST(CatalogueReferences, EveryDriveAndDriveControllerHasItsConstructionRows)
{
    const QStringList drives = values(QStringLiteral("SELECT [Drive Name] FROM Drives"));
    const QStringList dcs = values(QStringLiteral("SELECT [DriveController Name] FROM DriveControllers"));
    for (const QString& name : drives + dcs)
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM [Drive Construction] WHERE [Drive Name] = ?"), {name}), 1)
            << name.toStdString();
    for (const QString& name : dcs)
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM [DriveController Construction] WHERE "
                                       "[DriveController Name] = ?"), {name}), 1)
            << name.toStdString();
}

TEST(CatalogueReferences, DriveToMotorRowsNameKnownProductsOfOneTechnology)
{
    EXPECT_EQ(values(QStringLiteral(
                  "SELECT DISTINCT m.[Drive Name] FROM [Drive to Motor] m WHERE m.[Drive Name] NOT IN "
                  "(SELECT [Drive Name] FROM Drives UNION SELECT [DriveController Name] FROM DriveControllers)"))
                  .join(u'|').toStdString(), "");
    EXPECT_EQ(values(QStringLiteral("SELECT DISTINCT [Motor Name] FROM [Drive to Motor] WHERE [Motor Name] NOT IN "
                                    "(SELECT [Motor Name] FROM Motors)")).join(u'|').toStdString(), "");
    EXPECT_EQ(values(QStringLiteral(
                  "SELECT DISTINCT m.[Drive Name] || '/' || m.[Motor Name] FROM [Drive to Motor] m "
                  "JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
                  "LEFT JOIN Drives d ON d.[Drive Name] = m.[Drive Name] "
                  "LEFT JOIN DriveControllers c ON c.[DriveController Name] = m.[Drive Name] "
                  "WHERE coalesce(d.[Drive Type], c.[DriveController Type]) <> s.[Motor Type]"))
                  .join(u'|').toStdString(), "");
    // One row per key: the row query of the motor options takes the first row only.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM [Drive to Motor] GROUP BY [Drive Name], "
                                   "[Motor Name], Frame_Size, Stack_Length, Winding, Feedback, Cable_Option "
                                   "HAVING count(*) > 1)")), 0);
}

TEST(CatalogueReferences, EveryMotorSizeHasShaftAndMotorOptions)
{
    Recordset sizes = db().OpenRecordset(QStringLiteral(
        "SELECT DISTINCT m.[Motor Name], m.Frame_Size, m.Stack_Length, m.Winding, m.Feedback, m.Cable_Option, "
        "s.[PartNumber Type] FROM [Drive to Motor] m JOIN Motors s ON s.[Motor Name] = m.[Motor Name]"));
    ASSERT_FALSE(sizes.eof());
    for (; !sizes.eof(); sizes.moveNext()) {
        const QString series = sizes.text("Motor Name");
        const QVariantList size{series, sizes.text("Frame_Size"), sizes.text("Stack_Length")};
        const QString where = series + " " + sizes.text("Frame_Size") + " " + sizes.text("Stack_Length");
        const QStringList shafts = values(QStringLiteral(
            "SELECT Shaft_Options FROM [Shaft Options] WHERE [Motor Name] = ? AND Frame_Size = ? AND "
            "Stack_Length = ?"), size);
        ASSERT_FALSE(shafts.isEmpty()) << where.toStdString();
        // A QD motor's options are matched on its mounting (the shaft option).
        const bool qd = sizes.text("PartNumber Type") == QLatin1String("QD_Servo");
        for (const QString& shaft : qd ? shafts : QStringList{sizes.text("Feedback")}) {
            EXPECT_GT(count(QStringLiteral(
                          "SELECT count(*) FROM Options WHERE [Motor Name] = ? AND Frame_Size = ? AND "
                          "Stack_Length = ? AND Winding IN (?, 'Any') AND Feedback IN (?, 'Any') AND "
                          "Cable_Option IN (?, 'Any') AND Options NOT LIKE 'GXX%'"),
                          size + QVariantList{sizes.text("Winding"), shaft, sizes.text("Cable_Option")}), 0)
                << where.toStdString();
        }
    }
}

TEST(CatalogueReferences, GearheadRequestsHaveGearheadsAndAKeywayToSelect)
{
    Recordset requests = db().OpenRecordset(QStringLiteral(
        "SELECT DISTINCT [Motor Name], Frame_Size, Stack_Length FROM Options WHERE Options LIKE 'GXX%'"));
    int seen = 0;
    for (; !requests.eof(); requests.moveNext(), ++seen) {
        const QVariantList size{requests.text("Motor Name"), requests.text("Frame_Size"), requests.text("Stack_Length")};
        EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM Gearhead WHERE [Motor Name] = ? AND Frame_Size = ? AND "
                                       "Stack_Length = ? AND GXX LIKE 'G%' AND Notes <> ''"), size), 0);
        // The gearhead dialog selects "K = Keyway"; only KX size 16 gets the entry added for it.
        const bool kx16 = size[0] == "KX" && size[1] == "16";
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM [Shaft Options] WHERE [Motor Name] = ? AND "
                                       "Frame_Size = ? AND Stack_Length = ? AND Shaft_Options = 'K = Keyway'"), size),
                  kx16 ? 0 : 1)
            << size[0].toString().toStdString() << " " << size[1].toString().toStdString();
    }
    EXPECT_GE(seen, 3);
}

TEST(CatalogueReferences, EveryDrivePartNumberTheFormsBuildHasACrossReference)
{
    Recordset rows = db().OpenRecordset(QStringLiteral(
        "SELECT m.*, s.[PartNumber Type] AS PartNumberType, c.Prefix AS ConstructionPrefix, "
        "c.DriveOnly_Controller_Portion AS ConstructionTail FROM [Drive to Motor] m "
        "JOIN Motors s ON s.[Motor Name] = m.[Motor Name] "
        "JOIN [Drive Construction] c ON c.[Drive Name] = m.[Drive Name]"));
    int built = 0;
    for (; !rows.eof(); rows.moveNext()) {
        const bool stepper = rows.text("PartNumberType") == QLatin1String("Stepper");
        for (const char* voltage : kVoltages) {
            const QString plain = QLatin1String(voltage) + QLatin1String("_Drive");
            const QString parallel = plain + QLatin1String("_Parallel");
            QStringList columns;
            if (stepper) {
                for (const QString& c : {plain, parallel})
                    if (offers(rows, c))
                        columns << c;
            } else if (offers(rows, plain) || offers(rows, parallel)) {
                // Other motors read the plain column whatever the parallel one holds.
                EXPECT_TRUE(offers(rows, plain)) << rows.text("Drive Name").toStdString() << " " << voltage;
                columns << plain;
            }
            for (const QString& column : columns) {
                const QString part = rows.text("ConstructionPrefix") + rows.text(column) + rows.text("ConstructionTail");
                EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM [Drive Cross Ref] WHERE [Drive Part Number] = ?"),
                                {part}), 1)
                    << part.toStdString();
                ++built;
            }
        }
    }
    EXPECT_GT(built, 200);
}

TEST(CatalogueReferences, ControllerAndDriveControllerConfigurationsAreComplete)
{
    for (const QString& controller : values(QStringLiteral("SELECT [Controller Name] FROM Controllers"))) {
        const std::string name = controller.toStdString();
        EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM [All Controllers] WHERE [Controller Name] = ? AND "
                                       "[Part Number] <> '' AND TotalAxes > 0"), {controller}), 0) << name;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM [Controller Option Names] WHERE [Controller Name] = ?"),
                        {controller}), 1) << name;
        EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM [Controller to Drive] WHERE [Controller Name] = ?"),
                        {controller}), 0) << name;
        EXPECT_EQ(count(QStringLiteral("SELECT count(DISTINCT [Required Accessory]) FROM [All Controllers] WHERE "
                                       "[Controller Name] = ?"), {controller}), 1) << name;
        // The breakout cable named by the required accessory and each port count.
        const QString base = values(QStringLiteral("SELECT [Required Accessory] FROM [All Controllers] WHERE "
                                                   "[Controller Name] = ?"), {controller}).value(0);
        if (!base.startsWith(QLatin1String("TNL")))
            continue;
        for (const QString& ports : values(QStringLiteral(
                 "SELECT DISTINCT [TNL Axes] FROM [All Controllers] WHERE [Controller Name] = ? AND [TNL Axes] <> 0"),
                 {controller})) {
            const QString cable = (base.at(6) == u'n' ? base.left(6) + ports : base.left(7)) + QLatin1String("-XX");
            EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM Cables WHERE Cable = ?"), {cable}), 0)
                << cable.toStdString();
        }
    }
    EXPECT_EQ(values(QStringLiteral(
                  "SELECT t.[Drive Name] FROM [Controller to Drive] t LEFT JOIN Drives d ON d.[Drive Name] = "
                  "t.[Drive Name] WHERE d.[Drive Type] IS NULL OR d.[Drive Type] <> t.Tech")).join(u'|').toStdString(),
              "");
    for (const QString& dc : values(QStringLiteral("SELECT [DriveController Name] FROM DriveControllers"))) {
        EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM [All DriveControllers] WHERE [DriveController Name] = ?"),
                        {dc}), 0) << dc.toStdString();
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM [DriveController Option Names] WHERE "
                                       "[DriveController Name] = ?"), {dc}), 1) << dc.toStdString();
    }
    // Card quantities must be entries of the dialog's quantity lists.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ExpIO WHERE [Required Quantity] NOT IN "
                                   "('0','1','2','3','4','5','6','7','8')")), 0);
}

TEST(CatalogueReferences, EveryCatalogueNameHasAPicture)
{
    const QStringList names = values(QStringLiteral(
        "SELECT [Drive Name] FROM Drives UNION SELECT [DriveController Name] FROM DriveControllers "
        "UNION SELECT [Controller Name] FROM Controllers UNION SELECT [Motor Name] FROM Motors"));
    EXPECT_EQ(names.size(), 22);
    for (const QString& name : names) {
        const QPixmap picture = Pictures::load(name);
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(picture.width(), 120) << name.toStdString();
        EXPECT_EQ(picture.height(), 90) << name.toStdString();
    }
    EXPECT_TRUE(Pictures::load(QStringLiteral("kx")).isNull());   // names are exact
}
