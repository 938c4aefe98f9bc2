#include "common/FixtureDatabase.h"
#include "support/AppFixture.h"

#include "platform/DatabaseFault.h"
#include "shell/Globals.h"
#include "shell/PartNumbers.h"

#include <functional>
#include <memory>

namespace {

class PartNumbersTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        db = std::make_unique<FixtureDatabase>(QStringList{
            "CREATE TABLE [Drive Construction] ([Drive Name] TEXT COLLATE NOCASE, Prefix TEXT COLLATE NOCASE, "
            "DriveOnly_Controller_Portion TEXT COLLATE NOCASE)",
            "INSERT INTO [Drive Construction] VALUES ('QX-205', 'QX2', '-X0')",
            "INSERT INTO [Drive Construction] VALUES ('Bare Drive', NULL, '-C1')",
            "INSERT INTO [Drive Construction] VALUES ('Open Drive', 'AB', '')",
            "INSERT INTO [Drive Construction] VALUES ('Null Drive', 'NB', NULL)",
            "INSERT INTO [Drive Construction] VALUES ('O''Hara Drive', 'OH', '-Q')",
            "CREATE TABLE [DriveController Construction] ([DriveController Name] TEXT COLLATE NOCASE, "
            "Prefix TEXT COLLATE NOCASE, [Power Level First] INTEGER)",
            "INSERT INTO [DriveController Construction] VALUES ('DCQ', 'DC', 1)",
            "INSERT INTO [DriveController Construction] VALUES ('DCR', 'DC', 0)",
            "INSERT INTO [DriveController Construction] VALUES ('DCN', 'DC', NULL)",
            "INSERT INTO [DriveController Construction] VALUES ('Bare DC', NULL, 1)",
        });
        Globals::Set_App_Folder_For_Tests(db->folder());
        Globals::Open_Database();
    }

    std::unique_ptr<FixtureDatabase> db;
};

} // namespace

TEST_F(PartNumbersTest, DrivePartNumberJoinsPrefixCodeAndPortion)
{
    using Globals::Build_Drive_Part_Number;
    EXPECT_EQ(Build_Drive_Part_Number("QX-205", "12"), "QX212-X0");
    EXPECT_EQ(Build_Drive_Part_Number("qx-205", "12"), "QX212-X0"); // names match without regard to case
    EXPECT_EQ(Build_Drive_Part_Number("Open Drive", "12"), "AB12");
    EXPECT_EQ(Build_Drive_Part_Number("Null Drive", "12"), "NB12");
    EXPECT_EQ(Build_Drive_Part_Number("Bare Drive", "12"), "12-C1"); // a Null prefix adds nothing
    // Only the drive/controller builder treats "N/A" as absent.
    EXPECT_EQ(Build_Drive_Part_Number("QX-205", "N/A"), "QX2N/A-X0");
    EXPECT_EQ(Build_Drive_Part_Number("O'Hara Drive", "7"), "OH7-Q");

    // The construction row stays in the shared recordset for the caller.
    Build_Drive_Part_Number("QX-205", "12");
    EXPECT_EQ(Globals::Shared_Recordset.text("Drive Name"), "QX-205");
}

TEST_F(PartNumbersTest, DriveControllerCodesFollowPowerLevelFirst)
{
    using Globals::Build_DriveController_Part_Number;
    EXPECT_EQ(Build_DriveController_Part_Number("DCQ", "20", "-E1"), "DC20-E1");
    EXPECT_EQ(Build_DriveController_Part_Number("DCR", "20", "-E1"), "DC-E120");
    EXPECT_EQ(Build_DriveController_Part_Number("DCN", "20", "-E1"), "DC-E120"); // Null orders as false

    EXPECT_EQ(Build_DriveController_Part_Number("DCQ", "N/A", "-E1"), "DC-E1");
    EXPECT_EQ(Build_DriveController_Part_Number("DCR", "20", "N/A"), "DC20");
    EXPECT_EQ(Build_DriveController_Part_Number("DCQ", "N/A", "N/A"), "DC");
    EXPECT_EQ(Build_DriveController_Part_Number("Bare DC", "20", "-E1"), "20-E1");
    // "N/A" in another case is the catalogue's "N/A" too, as its names are.
    EXPECT_EQ(Build_DriveController_Part_Number("DCQ", "20", "n/a"), "DC20");
}

// No part number stands for a name without its construction row: the
// catalogue's fault is named.
TEST_F(PartNumbersTest, MissingConstructionRowIsNamedAsTheCataloguesFault)
{
    const auto fault = [](const std::function<void()>& build) {
        try {
            build();
        } catch (const DatabaseFault& e) {
            return QString::fromUtf8(e.what());
        }
        return QString();
    };
    EXPECT_EQ(fault([] { Globals::Build_Drive_Part_Number("QX-999", "12"); }),
              "The database System Databases97.mdb has no row for \"QX-999\" in column \"Drive Construction.Drive "
              "Name\".");
    EXPECT_EQ(fault([] { Globals::Build_DriveController_Part_Number("DCZ", "20", "-E1"); }),
              "The database System Databases97.mdb has no row for \"DCZ\" in column \"DriveController "
              "Construction.DriveController Name\".");
    EXPECT_TRUE(msg->messages().isEmpty());
}
