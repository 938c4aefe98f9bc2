#include "DialogFixture.h"

#include "shell/Globals.h"
#include "shell/SetupKinds.h"

void DialogFixture::SetUp()
{
    AppFixture::SetUp();
    StandInForm::reset();
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        for (const QString& name : {kind.form, kind.optionsDialog})
            if (!name.isEmpty())
                StandInForm::registerAs(name, 0);
    db = std::make_unique<FixtureDatabase>(QStringList{
        "CREATE TABLE Gearhead ([Motor Name] TEXT COLLATE NOCASE, Frame_Size TEXT COLLATE NOCASE, "
        "Stack_Length TEXT COLLATE NOCASE, GXX TEXT COLLATE NOCASE, Notes TEXT COLLATE NOCASE)",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-10','Ratio 10:1, backlash 8 arcmin')",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-05','Ratio 5:1')",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-10','Ratio 10:1, second row')",
        "INSERT INTO Gearhead VALUES ('KX','16','2','GP16-03',NULL)",
        "INSERT INTO Gearhead VALUES ('KX','16','3','GP16-20','other stack')",
        "INSERT INTO Gearhead VALUES ('KX','23','2','GP23-05','other frame')",
        "INSERT INTO Gearhead VALUES ('O''Hare','23','1','GO-07','quoted series')",
        "CREATE TABLE ExpIO ([Expansion IO Type] TEXT COLLATE NOCASE, [DUW Number] TEXT COLLATE NOCASE, "
        "[DUW Description] TEXT COLLATE NOCASE, [Required Quantity] TEXT COLLATE NOCASE)",
        "INSERT INTO ExpIO VALUES ('DUW','DUW-OUT8','8 Outputs','0')",
        "INSERT INTO ExpIO VALUES ('DUW','DUW-IN8','8 Inputs','1')",
        "INSERT INTO ExpIO VALUES ('DUW','DUW-AN4','4 Analog Inputs',NULL)",
    });
    Globals::System_Database = Database::open(db->path());
}

void DialogFixture::TearDown()
{
    AppFixture::TearDown();
    Globals::System_Database.Close();
    Globals::Shared_Recordset = Recordset();
    db.reset();
}
