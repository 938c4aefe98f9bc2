#include "CatalogueDatabases.h"

#include <gtest/gtest.h>

#include <QMap>

namespace {

using C = CatalogueDatabases;
using Columns = QMap<QString, QStringList>;

QStringList columnsOf(const Database& db, const QString& table)
{
    return C::column(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
}

QStringList textColumnsOf(const Database& db, const QString& table)
{
    return C::column(
        db, QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE upper(type) = 'TEXT'"), {table});
}

QStringList tablesOf(const Database& db)
{
    return C::column(
        db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
}

void expectTables(const Database& db, const Columns& expected)
{
    EXPECT_EQ(C::sortedJoin(tablesOf(db)), C::sortedJoin(expected.keys()));
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(C::sortedJoin(columnsOf(db, it.key())), C::sortedJoin(it.value())) << it.key().toStdString();
}

QList<const Database*> allDatabases()
{
    return {&C::product(), &C::servo(), &C::directDrive(), &C::stepper()};
}

QStringList numbered(const QString& pattern, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << pattern.arg(i);
    return names;
}

const QStringList kVoltageColumns = {
    "24VDC_Drive", "48VDC_Drive", "75VDC_Drive", "120VAC_Drive", "230VAC_Drive", "460VAC_Drive",
    "24VDC_Drive_Parallel", "48VDC_Drive_Parallel", "75VDC_Drive_Parallel", "120VAC_Drive_Parallel",
    "230VAC_Drive_Parallel", "460VAC_Drive_Parallel"};

const QStringList kFeedbackFlags = {"IncEncFeedback", "ResFeedback", "Rendat", "Endat", "SinCos", "HallOnly"};

}

TEST(CatalogueSchema, ProductDatabaseHoldsEveryTableAndFieldTheProgramReads)
{
    expectTables(C::product(), {
        {"Drives", {"Drive Type", "Drive Name"}},
        {"DriveControllers", {"DriveController Type", "DriveController Name"}},
        {"Controllers", {"Controller Name"}},
        {"Motors", {"Motor Name", "Motor Type", "Include with Drives", "Include with DriveControllers",
                    "PartNumber Type"}},
        {"Drive to Motor", QStringList{"Drive Name", "Motor Name", "Frame_Size", "Stack_Length", "Winding",
                                       "Feedback", "Cable_Option", "Motor_Cable", "Feedback_Cable", "Notes",
                                       "Drive_Notes", "Curve Database Motor Part Number"} + kVoltageColumns},
        {"Shaft Options", {"Motor Name", "Frame_Size", "Stack_Length", "Shaft_Options"}},
        {"Options", {"Motor Name", "Frame_Size", "Stack_Length", "Winding", "Feedback", "Cable_Option", "Options"}},
        {"Gearhead", {"Motor Name", "Frame_Size", "Stack_Length", "GXX", "Notes"}},
        {"Cables", {"Cable", "Length", "Cable Part Number", "Notes"}},
        {"Drive Cross Ref", {"Drive Part Number", "Database Part Number"}},
        {"Drive Construction", {"Drive Name", "Prefix", "DriveOnly_Controller_Portion"}},
        {"DriveController Construction", {"DriveController Name", "Prefix", "Power Level First"}},
        {"Drive Only Accessories", {"Drive Name", "Drive Only Accessory"}},
        {"Drive Accessories", {"Drive Name", "Drive Accessory"}},
        {"DriveController Accessories", {"DriveController Name", "DriveController Accessory"}},
        {"All DriveControllers", QStringList{"DriveController Name"} + numbered("Option%1", 4)
                                     + QStringList{"PartNumber", "JTR Ready", "DUW Ready", "Expansion IO Notes"}},
        {"DriveController Option Names",
         QStringList{"DriveController Name"} + numbered("Drivecontroller Option%1 Name", 4)},
        {"All Controllers", QStringList{"Controller Name"} + numbered("Option%1", 6)
                                + QStringList{"Part Number", "TotalAxes", "TotalServos", "TotalSteppers",
                                              "JTR Ready", "DUW Ready", "LUMIO Ready", "Expansion IO Notes",
                                              "Required Accessory", "TNL Axes"}},
        {"Controller Option Names", QStringList{"Controller Name"} + numbered("Option%1 Name", 6)},
        {"Controller Accessories", {"Controller Name", "Controller Accessory"}},
        {"Controller to Drive", {"Controller Name", "Drive Name", "Tech", "Cable", "ControllerDriveRequired_Accessory"}},
        {"ExpIO", {"Expansion IO Type", "DUW Number", "DUW Description", "Required Quantity"}},
    });
}

TEST(CatalogueSchema, CurveDatabasesHoldTheTablesTheCurveBuildersRead)
{
    expectTables(C::servo(), {
        {"MotorData", QStringList{"ProductKey", "MotorKb", "WindingResistance", "MaxInductance", "MinInductance",
                                  "WindingThermalResistance", "MotorThermalResistance", "MotorMaxBusVoltage",
                                  "WindingThermalTimeConstant", "MotorThermalTimeConstant", "Damping", "Friction",
                                  "RatedWindingTemp", "MotorAmbientTemp", "MotorMaxWindingTemp", "MotorMaxCaseTemp",
                                  "MotorMinCaseTemp", "MotorPoles", "MaxSpeed", "FeedbackResolution",
                                  "EncoderMaxSpeed", "MotorRptc", "Inertia", "MotorSeriesName", "FrameSize",
                                  "MotorStackNumber", "MotorWindingLetter", "FeedbackLetter"} + kFeedbackFlags},
        {"AmplifierDataTable", QStringList{"Dname", "PartNumber", "AmpFamily", "UnitsofVoltage", "VsDefault",
                                           "VsMaxAmplifier", "VsMinAmplifier", "IrDrivePeakSine", "IpDrivePeakSine",
                                           "SwitchFreq", "SwitchFreqEnable", "MaxContPower", "MaxPeakPower"}
                                   + kFeedbackFlags},
    });
    expectTables(C::directDrive(), {
        {"MotorData", {"ID", "ProductKey", "MotorSeriesName", "FrameSize", "Voltage"}},
        {"Drives", {"ID", "Name", "MotorID", "AmpFamily"}},
        {"MotorPerformance", {"MotorID", "Speed", "SpeedUnitID", "Torque", "TorqueUnitID", "PeakCurve"}},
    });
    expectTables(C::stepper(), {
        {"MotorData", {"ID", "ProductKey", "MotorSeriesName", "FrameSize", "MotorStackNumber", "MotorWindingLetter",
                       "MotorWiringType", "MotorPartNumber", "Voltage"}},
        {"Drives", {"ID", "AmpFamily", "Name", "MotorID"}},
        {"MotorPerformance", {"MotorID", "DriveID", "Speed", "SpeedUnitID", "Torque", "TorqueUnitID"}},
    });
}

TEST(CatalogueSchema, TextComparesWithoutCaseAndWholeNumbersAreIntegers)
{
    for (const Database* db : allDatabases()) {
        for (const QString& table : tablesOf(*db)) {
            const QString sql = C::column(*db, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?"),
                                          {table}).value(0);
            for (const QString& column : textColumnsOf(*db, table))
                EXPECT_TRUE(sql.contains(QStringLiteral("\"%1\" TEXT COLLATE NOCASE").arg(column)))
                    << table.toStdString() << "." << column.toStdString();
        }
    }
    EXPECT_EQ(C::joined(QStringLiteral(
                  "SELECT [Drives].[Drive Name] FROM [Drives] WHERE (([Drives].[Drive Name])=?);"), {"bsd-230"}),
              "BSD-230");
    // A whole number reads back as one ("4", not "4.0") wherever a list shows it.
    EXPECT_EQ(C::number(QStringLiteral(
                  "SELECT count(*) FROM [All Controllers] WHERE typeof(TotalAxes) <> 'integer' OR "
                  "typeof(TotalServos) <> 'integer' OR typeof(TotalSteppers) <> 'integer' OR "
                  "typeof([TNL Axes]) <> 'integer'")), 0);
    EXPECT_EQ(C::joined(QStringLiteral(
                  "SELECT DISTINCT [All Controllers].[TNL Axes] FROM [All Controllers] WHERE "
                  "((([All Controllers].[Controller Name])=?) AND (NOT ([All Controllers].[TNL Axes])=0))"
                  "ORDER BY [All Controllers].[TNL Axes];"), {"KEX200"}),
              "2|4|6|8");
}

TEST(CatalogueSchema, YesNoFieldsHoldOnlyOneOrZero)
{
    struct Flags { const Database& db; QString table; QStringList columns; };
    const QList<Flags> flags = {
        {C::product(), "Motors", {"Include with Drives", "Include with DriveControllers"}},
        {C::product(), "DriveController Construction", {"Power Level First"}},
        {C::product(), "All DriveControllers", {"JTR Ready", "DUW Ready"}},
        {C::product(), "All Controllers", {"JTR Ready", "DUW Ready", "LUMIO Ready"}},
        {C::servo(), "AmplifierDataTable", QStringList{"SwitchFreqEnable"} + kFeedbackFlags},
        {C::servo(), "MotorData", kFeedbackFlags},
        {C::directDrive(), "MotorPerformance", {"PeakCurve"}},
    };
    for (const Flags& f : flags) {
        EXPECT_GT(C::number(f.db, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(f.table)), 0);
        for (const QString& column : f.columns)
            EXPECT_EQ(C::number(f.db, QStringLiteral("SELECT count(*) FROM \"%1\" WHERE \"%2\" IS NULL OR "
                                                     "typeof(\"%2\") <> 'integer' OR \"%2\" NOT IN (0, 1)")
                                          .arg(f.table, column)), 0)
                << f.table.toStdString() << "." << column.toStdString();
    }
}

TEST(CatalogueSchema, NoTextHoldsALeadingOrTrailingBlank)
{
    for (const Database* db : allDatabases()) {
        for (const QString& table : tablesOf(*db)) {
            for (const QString& column : textColumnsOf(*db, table))
                EXPECT_EQ(C::number(*db, QStringLiteral("SELECT count(*) FROM \"%1\" WHERE \"%2\" <> trim(\"%2\")")
                                             .arg(table, column)), 0)
                    << table.toStdString() << "." << column.toStdString();
        }
    }
}

TEST(CatalogueSchema, BuiltFilesAnswerBracketedQueriesWithBoundValues)
{
    Recordset frames = C::product().OpenRecordset(
        QStringLiteral("SELECT [Drive to Motor].[Drive Name], [Drive to Motor].[Motor Name], [Drive to Motor].Frame_Size "
                       "FROM [Drive to Motor] WHERE ((([Drive to Motor].[Drive Name])=?) AND "
                       "(([Drive to Motor].[Motor Name])=?))ORDER BY [Drive to Motor].Frame_Size;"),
        {"BSD-460", "KX"});
    QStringList seen;
    for (; !frames.eof(); frames.moveNext())
        if (!seen.contains(frames.text("frame_size")))
            seen << frames.text("frame_size");
    EXPECT_EQ(C::join(seen), "23|34");

    EXPECT_EQ(C::joined(QStringLiteral(
                  "SELECT DISTINCT [Drive to Motor].[Motor Name], [Drive to Motor].[Drive Name], "
                  "Motors.[Include with Drives] FROM Motors INNER JOIN [Drive to Motor] ON "
                  "Motors.[Motor Name] = [Drive to Motor].[Motor Name] WHERE ((([Drive to Motor].[Drive Name])=?) "
                  "AND ((Motors.[Include with Drives])=True)) ORDER BY [Drive to Motor].[Motor Name];"),
                  {"iQO"}),
              "");   // the integrated drive/controller's motor is never offered with drives

    Recordset motor = C::servo().OpenRecordset(
        QStringLiteral("SELECT MotorData.ProductKey, MotorData.MotorKb, MotorData.MaxSpeed, MotorData.Sincos "
                       "From MotorData WHERE ((MotorData.ProductKey)=?);"), {"KX232AE"});
    ASSERT_FALSE(motor.eof());
    EXPECT_EQ(motor.text("ProductKey").toStdString(), "KX232AE");
    EXPECT_GT(motor.number("MotorKb"), 0.0);
    EXPECT_FALSE(motor.boolean("SinCos"));

    Recordset freqs = C::servo().OpenRecordset(
        QStringLiteral("SELECT AmplifierDataTable.Dname, AmplifierDataTable.PartNumber, AmplifierDataTable.SwitchFreq "
                       "From AmplifierDataTable WHERE ((AmplifierDataTable.PartNumber)=?)AND "
                       "((AmplifierDataTable.VsDefault) > ?)ORDER BY AmplifierDataTable.SwitchFreq;"),
        {"BSD4608", 460});
    QStringList frequencies;   // whole frequencies read back without a decimal part
    for (; !freqs.eof(); freqs.moveNext())
        frequencies << freqs.text("SwitchFreq");
    EXPECT_EQ(C::join(frequencies), "4|8");

    EXPECT_EQ(C::column(C::directDrive(), QStringLiteral(
                  "SELECT MotorData.ID, MotorData.Voltage From MotorData WHERE ((MotorData.ProductKey)=?);"),
                  {"CR02100-230"}).size(), 1);
    EXPECT_EQ(C::join(C::column(C::stepper(), QStringLiteral(
                  "SELECT MotorData.MotorSeriesName, MotorData.ID From MotorData WHERE ((MotorData.ProductKey)=?);"),
                  {"SX232A__(SER,24VDC)"})),
              "SX");
}
