#include "ReportTexts.h"
#include "support/AppFixture.h"

#include "shell/Globals.h"
#include "shell/PartNumbers.h"
#include "shell/Report.h"

#include <QStringList>

using Globals::Get_Code;
using Globals::Run_Query;

namespace {

class CatalogueReportTest : public AppFixture {
protected:
    static QString cablePartNumber(const QString& cable, const QString& length)
    {
        Recordset& rs = Run_Query("SELECT Cables.Cable, Cables.Length, Cables.[Cable Part Number] From Cables "
                                  "WHERE (((Cables.Cable)=?) AND ((Cables.Length)=?));",
                                  {cable, length});
        return rs.eof() ? QString() : rs.text("Cable Part Number");
    }
};

} // namespace

// A drive system put together from the sample catalogue as the drive setup
// would: the report lists real, orderable parts.
TEST_F(CatalogueReportTest, DriveSystemFromTheSampleCatalogue)
{
    Globals::Open_Database();
    Globals::System_Type = 4;
    AxisRecord& a = Globals::Axis[0];
    a.Drive_Name = "BSD-230";
    a.Motor_Series = "KX";
    a.Frame_Size = "23";
    a.Stack_Length = "1";
    a.Winding = "A";
    a.Feedback = "E = Encoder";
    a.Cable_Option = "C = Connectors";
    a.Shaft_Option = "K = Keyway";
    a.Motor_Option = "B = Holding Brake";

    Recordset& row = Run_Query(
        "SELECT [Drive to Motor].Motor_Cable, [Drive to Motor].Feedback_Cable, [Drive to Motor].Notes, "
        "[Drive to Motor].Drive_Notes, [Drive to Motor].[230VAC_Drive] From [Drive to Motor] "
        "WHERE ((([Drive to Motor].[Drive Name])=?) AND (([Drive to Motor].[Motor Name])=?) AND "
        "(([Drive to Motor].Frame_Size)=?) AND (([Drive to Motor].Stack_Length)=?) AND "
        "(([Drive to Motor].Winding)=?) AND (([Drive to Motor].Feedback)=?) AND "
        "(([Drive to Motor].Cable_Option)=?));",
        {a.Drive_Name, a.Motor_Series, a.Frame_Size, a.Stack_Length, a.Winding, a.Feedback, a.Cable_Option});
    ASSERT_FALSE(row.eof());
    a.Motor_Cable = row.text("Motor_Cable");
    a.Feedback_Cable = row.text("Feedback_Cable");
    a.Motor_Notes = row.text("Notes");
    a.Drive_Notes = row.text("Drive_Notes");
    a.Drive_Code = row.text("230VAC_Drive");
    a.Drive_Voltage = "230VAC";
    a.Bus_Voltage = 325;
    ASSERT_FALSE(a.Motor_Notes.isEmpty());
    ASSERT_FALSE(a.Drive_Notes.isEmpty());

    a.Drive_Part_Number = Globals::Build_Drive_Part_Number(a.Drive_Name, a.Drive_Code);
    // The motor part number as the L7_Servo recipe joins the codes.
    a.Motor_Part_Number = a.Motor_Series + a.Frame_Size + a.Stack_Length + a.Winding + Get_Code(a.Feedback) + "-"
                          + Get_Code(a.Shaft_Option) + Get_Code(a.Cable_Option) + Get_Code(a.Motor_Option);
    a.Motor_Cable_Length = a.Feedback_Cable_Length = "5";
    a.Motor_Cable_Part_Number = cablePartNumber(a.Motor_Cable, a.Motor_Cable_Length);
    a.Feedback_Cable_Part_Number = cablePartNumber(a.Feedback_Cable, a.Feedback_Cable_Length);

    Recordset& accessories = Run_Query(
        "SELECT [Drive Only Accessories].[Drive Name], [Drive Only Accessories].[Drive Only Accessory] "
        "From [Drive Only Accessories] WHERE ((([Drive Only Accessories].[Drive Name])=?) AND "
        "(([Drive Only Accessories].[Drive Only Accessory])<>'' And ([Drive Only Accessories].[Drive Only "
        "Accessory])<>'N/A' And ([Drive Only Accessories].[Drive Only Accessory])<>'None')) "
        "ORDER BY [Drive Only Accessories].[Drive Only Accessory];",
        {a.Drive_Name});
    for (std::size_t k = 0; k < 2 && !accessories.eof(); ++k, accessories.moveNext()) {
        a.Drive_Accessory_Entry[k] = accessories.text("Drive Only Accessory");
        a.Drive_Accessory_Quantity[k] = "1";
        a.Drive_Accessory_Description[k] = Globals::Get_Description(a.Drive_Accessory_Entry[k]);
    }

    const QString report = Globals::Build_Report();
    EXPECT_EQ(report,
              kReportTitle +
              "DRIVE: BSD2303-A0\r\n"
              "NOTES: " + a.Drive_Notes + "\r\n"
              "DRIVE INPUT VOLTAGE: 230VAC\r\n"
              "MOTOR: KX231AE-KCB\r\n"
              "NOTES: " + a.Motor_Notes + "\r\n"
              "\r\n"
              "\r\n"
              "\r\n"
              + kBillHeading +
              "1                       BSD2303-A0              BSD-230 Drive\r\n"
              "1                       BRK-R50                 50 Ohm Braking Resistor\r\n"
              "1                       FLT-230                 Line Filter, 230 VAC\r\n"
              "1                       KX231AE-KCB             KX Series Motor\r\n"
              "1                       MPC-S1-005              Motor Power Cable\r\n"
              "1                       FBC-E-005               Motor Feedback Cable\r\n");

    // The drive part number leads into the curve data, as every built one must.
    Recordset& crossRef = Run_Query("SELECT [Drive Cross Ref].[Drive Part Number], [Drive Cross Ref].[Database "
                                    "Part Number] From [Drive Cross Ref] WHERE (([Drive Cross Ref].[Drive Part "
                                    "Number])=?);",
                                    {Globals::BOM_Part_Number[1]});
    EXPECT_EQ(crossRef.recordCount(), 1);
    EXPECT_EQ(Globals::BOM_Count, 6);
}
