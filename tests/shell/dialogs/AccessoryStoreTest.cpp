#include "shell/AccessoryStore.h"
#include "shell/Globals.h"
#include "support/AppFixture.h"

namespace {

using Choice = AccessoryStore::Choice;

QStringList first(const Globals::List21& list, int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << list[i];
    return out;
}

bool emptyFrom(const Globals::List21& list, int from)
{
    for (int i = from; i < static_cast<int>(list.size()); ++i)
        if (!list[i].isEmpty())
            return false;
    return true;
}

// Two accessories, then 18 card rows of which rows 0 and 16 carry a quantity;
// row 1 has "0", row 2 none, row 5 a quantity without a card.
Choice sampleChoice(bool expansion)
{
    Choice c;
    c.accessories = {"HX25-8 = Breakout module", "PS-24 = Power supply 24 V"};
    c.expansion = expansion;
    c.cards.resize(18);
    c.cards[0] = {"JTR-IN16", "16 Inputs", "2"};
    c.cards[1] = {"JTR-OUT16", "16 Outputs", "0"};
    c.cards[2] = {"JTR-AN4", "4 Analog Inputs", ""};
    c.cards[5] = {"", "", "5"};
    c.cards[16] = {"JTR-RLY8", "8 Relays", "3"};
    c.controllerOption3 = "A6 = 6 Axes";
    return c;
}

class AccessoryStoreTest : public AppFixture {};

TEST(AccessoryStoreRules, BreakoutQuantityFollowsTheControllerAxisCount)
{
    struct Case {
        const char* entry;
        const char* controller;
        const char* option2;
        const char* option3;
        const char* quantity;
    };
    const Case cases[] = {
        {"HX25-8 = Breakout module", "KEX-2000", "", "A6 = 6 Axes", "4"},
        {"HX25-8 = Breakout module", "KEX-2000", "", "A8 = 8 Axes", "4"},
        {"HX25-8 = Breakout module", "KEX-2000", "", "A2 = 2 Axes", "2"},
        {"HX25-8 = Breakout module", "KEX-2000", "", "A4 = 4 Axes", "2"},
        {"HX25-8 = Breakout module", "KEX-2000", "", "A3 = 3 Axes", ""},
        {"HX25-8 = Breakout module", "KEX-2000", "", "A0 = No axes", "1"},
        {"HX25-8 = Breakout module", "KEX-2000", "B4 = 4 Axes", "N/A", "1"},
        {"HX25-8 = Breakout module", "KEX-2000", "", "", "1"},
        {"HX25-8 = Breakout module", "9Q-40", "B4 = 4 Axes", "A6 = 6 Axes", "2"},
        {"HX25-8 = Breakout module", "9Q-40", "N/A", "A6 = 6 Axes", "1"},
        {"HX25-8 = Breakout module", "ZEN-10", "B4 = 4 Axes", "A6 = 6 Axes", "1"},
        // Names compare as the catalogue's do, without regard to case.
        {"hx25-8 = Breakout module", "kex-2000", "", "A6 = 6 Axes", "4"},
        {"HX2 = Short code", "KEX-2000", "", "A6 = 6 Axes", "1"},
        {"PS-24 = Power supply 24 V", "KEX-2000", "", "A6 = 6 Axes", "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AccessoryStore::Breakout_Quantity(c.entry, c.controller, c.option2, c.option3), c.quantity)
            << c.entry << " / " << c.controller << " / " << c.option2 << " / " << c.option3;
}

TEST_F(AccessoryStoreTest, ControllerStoresAccessoriesThenEveryChosenCard)
{
    Globals::Controller_Name = "KEX-2000";
    Globals::Controller_Accessory_Entry[6] = "stale";
    EXPECT_EQ(AccessoryStore::Store(1, sampleChoice(true)), 0);
    EXPECT_EQ(first(Globals::Controller_Accessory_Entry, 4),
              QStringList({"HX25-8 = Breakout module", "PS-24 = Power supply 24 V", "JTR-IN16", "JTR-RLY8"}));
    EXPECT_EQ(first(Globals::Controller_Accessory_Quantity, 4), QStringList({"4", "1", "2", "3"}));
    EXPECT_EQ(first(Globals::Controller_Accessory_Description, 4),
              QStringList({"Breakout module", "Power supply 24 V", "16 Inputs", "8 Relays"}));
    EXPECT_TRUE(emptyFrom(Globals::Controller_Accessory_Entry, 4));
    EXPECT_TRUE(emptyFrom(Globals::Controller_Accessory_Quantity, 4));

    // Without the expansion option no card is stored, whatever the rows hold.
    AccessoryStore::Store(1, sampleChoice(false));
    EXPECT_TRUE(emptyFrom(Globals::Controller_Accessory_Entry, 2));
}

TEST_F(AccessoryStoreTest, DriveControllerQuantitiesAreOneAndDrivesTakeNoCards)
{
    Globals::Controller_Name = "KEX-2000";
    AccessoryStore::Store(2, sampleChoice(true));
    EXPECT_EQ(first(Globals::Drive_Controller_Accessory_Quantity, 5), QStringList({"1", "1", "2", "3", ""}));
    EXPECT_EQ(Globals::Drive_Controller_Accessory_Entry[3], "JTR-RLY8");

    for (int context : {3, 4}) {
        Globals::Current_Axis = context - 1;
        AccessoryStore::Store(context, sampleChoice(true));
        const AxisRecord& r = Globals::Axis[context - 2];
        EXPECT_EQ(first(r.Drive_Accessory_Entry, 3),
                  QStringList({"HX25-8 = Breakout module", "PS-24 = Power supply 24 V", ""}));
        EXPECT_EQ(first(r.Drive_Accessory_Quantity, 2), QStringList({"1", "1"}));
        EXPECT_EQ(r.Drive_Accessory_Description[1], "Power supply 24 V");
    }
    EXPECT_TRUE(emptyFrom(Globals::Axis[0].Drive_Accessory_Entry, 0));
    EXPECT_TRUE(emptyFrom(Globals::Controller_Accessory_Entry, 0));
}

TEST_F(AccessoryStoreTest, StopsAtTwentyOneEntriesAndCountsTheRest)
{
    Choice c = sampleChoice(true);
    c.accessories.clear();
    for (int i = 1; i <= 20; ++i)
        c.accessories << QString("ACC-%1 = Accessory %1").arg(i);
    EXPECT_EQ(AccessoryStore::Store(2, c), 1);
    EXPECT_EQ(Globals::Drive_Controller_Accessory_Entry[19], "ACC-20 = Accessory 20");
    EXPECT_EQ(Globals::Drive_Controller_Accessory_Entry[20], "JTR-IN16");

    EXPECT_EQ(AccessoryStore::Store(5, c), 0);
    EXPECT_TRUE(emptyFrom(Globals::Axis[0].Drive_Accessory_Entry, 0));
}

} // namespace
