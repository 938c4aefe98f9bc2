#include "DialogFixture.h"

#include "platform/OptionButton.h"
#include "platform/Twips.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "shell/frmGear.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The dialogs over the sample catalogue that ships with the program.
class CatalogueDialogsTest : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        Globals::Open_Database();
    }
};

TEST_F(CatalogueDialogsTest, KeywayIsAddedForAGearheadOnTheSize16Motor)
{
    Globals::System_Type = 4;
    auto* caller = Forms::get<StandInForm>("frmDrive_Setup");
    caller->shaft->addItems({"K", "S = Smooth"});
    AxisRecord& r = Globals::Current_Record();
    r = AxisRecord {};
    r.Motor_Series = "KX";
    r.Frame_Size = "16";
    r.Stack_Length = "2";
    r.Shaft_Option = "K";
    auto* gear = Forms::get<frmGear>("frmGear");
    auto* list = gear->findChild<ListControl*>("cmbGear");
    EXPECT_EQ(list->items(), QStringList({"GP16-005", "GP16-010"}));
    list->choose("GP16-010");
    EXPECT_EQ(gear->findChild<QPlainTextEdit*>("txtNotes")->toPlainText(),
              "10:1 planetary, 12 arc-min backlash, 4 N-m rated output");
    gear->findChild<QPushButton*>("cmdDone")->click();
    processEvents();
    EXPECT_EQ(caller->shaft->items(), QStringList({"K", "S = Smooth", "K = Keyway"}));
    EXPECT_EQ(caller->options->text(), "GP16-010");
    EXPECT_EQ(r.Shaft_Option, "K = Keyway");
}

TEST_F(CatalogueDialogsTest, EachExpansionTypeShowsItsCards)
{
    Globals::System_Type = 1;
    auto* dialog = Forms::get<frmAccessories>("frmAccessories");
    struct Case {
        const char* caption;
        int rows;
        int height;
        const char* firstCard;
        const char* lastCard;
    };
    const Case cases[] = {
        {"JTR32 Expansion IO", 10, 7700, "TUQ-CNT2", "TUQ8-OUT-SSR"},
        {"DUW Expansion IO", 3, 4900, "DUW-16DI", "DUW-8AI"},
        {"LUMIO Expansion IO", 16, 10100, "LUM-AI04", "LUM-TC04"},
    };
    for (const Case& c : cases) {
        dialog->optExp(1)->setText(c.caption);
        dialog->optExp(1)->choose();
        EXPECT_EQ(dialog->size(), Twips::size(7425, c.height)) << c.caption;
        EXPECT_EQ(dialog->lblTuq_Card(0)->text(), c.firstCard);
        EXPECT_EQ(dialog->lblTuq_Card(c.rows - 1)->text(), c.lastCard);
        EXPECT_TRUE(dialog->lblTuq_Card(c.rows)->isHidden());
    }
    EXPECT_EQ(dialog->lblTuq_Card(3)->text(), "LUM-BC01");
    EXPECT_EQ(dialog->cmbTuq(3)->text(), "1");
}

} // namespace
