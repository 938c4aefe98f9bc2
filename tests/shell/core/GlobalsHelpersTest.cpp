#include "common/FixtureDatabase.h"
#include "common/TestFiles.h"
#include "support/AppFixture.h"

#include "platform/DatabaseError.h"
#include "platform/Win1252.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

class GlobalsHelpersTest : public AppFixture {
protected:
    QTemporaryDir dir;
};

} // namespace

TEST_F(GlobalsHelpersTest, ResetAllStateLeavesNothingOfAnEarlierSystem)
{
    Globals::Axis[15].Motor_Series = "KX";
    Globals::Drive_Controller_Options[4] = "0 = No Safe Torque Off";
    Globals::Controller_Expansion_IO = 1;
    frmAccessories::strExpIO = "JTR";
    frmAccessories::strExpIO_Note = "Up to 4 cards";
    Globals::Reset_All_State();
    EXPECT_EQ(Globals::Axis[15], AxisRecord {});
    EXPECT_TRUE(Globals::Drive_Controller_Options[4].isEmpty());
    EXPECT_EQ(Globals::Controller_Expansion_IO, 0);
    EXPECT_TRUE(frmAccessories::strExpIO.isEmpty());
    EXPECT_TRUE(frmAccessories::strExpIO_Note.isEmpty());
}

// The accessory lists' names of a copied record are the copy's own lists.
TEST_F(GlobalsHelpersTest, RecordCopiesNameTheirOwnAccessoryLists)
{
    AxisRecord record;
    record.Drive_Accessory_Entry[0] = "CB1 = Brake";
    AxisRecord copied = record;
    AxisRecord assigned;
    assigned = record;
    for (AxisRecord* r : {&copied, &assigned}) {
        EXPECT_EQ(*r, record);
        r->Drive_Accessory_Quantity[0] = "2";
        EXPECT_EQ(r->Drive_Accessories.Quantity[0], "2");
        EXPECT_NE(*r, record);
    }
    EXPECT_TRUE(record.Drive_Accessory_Quantity[0].isEmpty());
    record.Drive_Accessories.clear();
    EXPECT_EQ(record, AxisRecord {});
}

TEST_F(GlobalsHelpersTest, CodeAndDescriptionSplitAtTheFirstEqualsSign)
{
    using Globals::Get_Code;
    using Globals::Get_Description;
    EXPECT_EQ(Get_Code("K = Keyway"), "K");
    EXPECT_EQ(Get_Description("K = Keyway"), "Keyway");
    EXPECT_EQ(Get_Code("190 = 8 in"), "190");
    EXPECT_EQ(Get_Description("190 = 8 in"), "8 in");
    EXPECT_EQ(Get_Code("GXX = Gearhead = see notes"), "GXX");
    EXPECT_EQ(Get_Description("GXX = Gearhead = see notes"), "Gearhead = see notes");

    // No equals sign: the whole item is the code, there is no description.
    EXPECT_EQ(Get_Code("None"), "None");
    EXPECT_EQ(Get_Description("None"), "");
    EXPECT_EQ(Get_Code(""), "");
    EXPECT_EQ(Get_Description(""), "");

    // One character either side of "=" is always dropped, blank or not.
    EXPECT_EQ(Get_Code("K=Keyway"), "");
    EXPECT_EQ(Get_Description("K=Keyway"), "eyway");
    EXPECT_EQ(Get_Code("K  = Keyway"), "K ");
    EXPECT_EQ(Get_Code("= Keyway"), "");
    EXPECT_EQ(Get_Description("K ="), "");
    EXPECT_EQ(Get_Description("K = "), "");
}

TEST_F(GlobalsHelpersTest, FileNameIsTheTextAfterTheLastSeparator)
{
    EXPECT_EQ(Globals::Get_File_Name(), "");
    Globals::Project_Path = "/home/ann/Jobs/press.dat";
    EXPECT_EQ(Globals::Get_File_Name(), "press.dat");
    Globals::Project_Path = "C:\\Jobs\\press.dat";
    EXPECT_EQ(Globals::Get_File_Name(), "press.dat");
    Globals::Project_Path = "/home/ann/Jobs/";
    EXPECT_EQ(Globals::Get_File_Name(), "");
    Globals::Project_Path = "press.dat";
    EXPECT_EQ(Globals::Get_File_Name(), "press.dat");
}

TEST_F(GlobalsHelpersTest, EveryByteValueRoundTripsThroughTheFiles)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Win1252::decode(all);
    const QString path = dir.filePath("all.txt");

    ASSERT_TRUE(Globals::Write_File(path, text, true));
    EXPECT_EQ(fileBytes(path), all);
    EXPECT_EQ(Globals::Read_File(path), text);
    EXPECT_EQ(Globals::Read_File(path).at(0x80), QChar(0x20AC)); // the euro sign of byte 0x80
    EXPECT_TRUE(msg->messages().isEmpty());
}

TEST_F(GlobalsHelpersTest, WriteAddsNothingWithTheFlagAndReplacesTheFile)
{
    const QString path = dir.filePath("project.dat");
    ASSERT_TRUE(Globals::Write_File(path, "4\rQX-205\rA much longer text than the next one\r", true));
    ASSERT_TRUE(Globals::Write_File(path, "4\rKX\r", true));
    EXPECT_EQ(fileBytes(path), QByteArray("4\rKX\r"));

    ASSERT_TRUE(Globals::Write_File(path, "caf\u00e9 \u20ac5", false));
    EXPECT_EQ(fileBytes(path), QByteArray("caf\xe9 \x80" "5\r\n"));

    // A character the code page lacks is written as "?".
    ASSERT_TRUE(Globals::Write_File(path, "\u03a9", true));
    EXPECT_EQ(fileBytes(path), QByteArray("?"));
}

TEST_F(GlobalsHelpersTest, ReadingEmptyOrMissingFiles)
{
    const QString empty = dir.filePath("empty.txt");
    ASSERT_TRUE(Globals::Write_File(empty, "", true));
    EXPECT_EQ(fileBytes(empty).size(), 0);
    EXPECT_EQ(Globals::Read_File(empty), "");
    EXPECT_THROW(Globals::Read_File(dir.filePath("missing.dat")), std::runtime_error);
}

TEST_F(GlobalsHelpersTest, FailedWriteIsReportedAndReturnsFalse)
{
    const QString path = dir.filePath("no such folder/report.txt");
    EXPECT_FALSE(Globals::Write_File(path, "text", true));
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
    EXPECT_EQ(msg->messages()[0].buttons, MsgBox::OKOnly);
    EXPECT_TRUE(msg->messages()[0].prompt.contains(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(GlobalsHelpersTest, OpenDatabaseUsesTheProgramFolder)
{
    // The test binaries sit beside the built databases, as the program does.
    Globals::Open_Database();
    EXPECT_EQ(Globals::App_Path, QCoreApplication::applicationDirPath() + "/");
    EXPECT_TRUE(Globals::System_Database.isOpen());
    EXPECT_EQ(Globals::System_Database.path(), Globals::App_Path + "System Databases97.mdb");
}

TEST_F(GlobalsHelpersTest, MissingDatabaseIsReportedAndNotCreated)
{
    Globals::Set_App_Folder_For_Tests(dir.path());
    EXPECT_THROW(Globals::Open_Database(), DatabaseError);
    EXPECT_EQ(Globals::App_Path, dir.path() + "/");
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt, "Database not found or opened with exclusive rights");
    EXPECT_EQ(msg->messages()[0].buttons, MsgBox::OKOnly);
    EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
    EXPECT_FALSE(QFile::exists(dir.filePath("System Databases97.mdb")));
}

TEST_F(GlobalsHelpersTest, QueriesRunThroughTheSharedRecordsetWithBoundValues)
{
    FixtureDatabase db({"CREATE TABLE Cables (Cable TEXT COLLATE NOCASE, Length TEXT, [Cable Part Number] TEXT)",
                        "INSERT INTO Cables VALUES ('O''Brien Feedback', '3', 'OBF-03')",
                        "INSERT INTO Cables VALUES ('O''Brien Feedback', '10', 'OBF-10')",
                        "INSERT INTO Cables VALUES ('Power', '3', 'PWR-03')"});
    // A folder given with its "/" gets no second one.
    Globals::Set_App_Folder_For_Tests(db.folder() + "/");
    Globals::Open_Database();
    EXPECT_EQ(Globals::App_Path, db.folder() + "/");
    EXPECT_TRUE(msg->messages().isEmpty());

    Recordset& rs = Globals::Run_Query(
        "SELECT Cables.Cable, Cables.Length, Cables.[Cable Part Number] From Cables "
        "WHERE ((Cables.Cable)=?) ORDER BY Cables.Length;",
        {QStringLiteral("o'brien feedback")});
    EXPECT_EQ(&rs, &Globals::Shared_Recordset);
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.text("Cable Part Number"), "OBF-10"); // text order: "10" before "3"
    rs.moveNext();
    EXPECT_EQ(rs.text("cable part number"), "OBF-03");

    Globals::Run_Query("SELECT Cables.Cable From Cables WHERE ((Cables.Cable)=?);", {QStringLiteral("Power")});
    EXPECT_EQ(Globals::Shared_Recordset.recordCount(), 1);
    EXPECT_EQ(Globals::Shared_Recordset.text("Cable"), "Power");
}
