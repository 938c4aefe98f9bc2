#include "DialogFixture.h"

#include "platform/FlagGuard.h"
#include "platform/MultiList.h"
#include "platform/OptionButton.h"
#include "platform/Twips.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/frmAccessories.h"
#include "shell/mdiMain.h"

#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace {

class AccessoryDialogTest : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        QStringList rows;
        for (int i = 1; i <= 10; ++i)
            rows << QString("INSERT INTO ExpIO VALUES ('JTR','JTR-%1','JTR card %2','%3')")
                        .arg(i, 2, 10, QChar('0'))
                        .arg(i)
                        .arg(i == 1 ? "12" : "1");
        for (int i = 1; i <= 20; ++i)
            rows << QString("INSERT INTO ExpIO VALUES ('LUMIO','LUM-%1','LUMIO card %2','0')")
                        .arg(i, 2, 10, QChar('0'))
                        .arg(i);
        db->exec(rows);
    }

    // The opener's side, as the setup forms and options dialogs do it.
    frmAccessories* open(int context, const QStringList& offered, const QString& expansion = {})
    {
        Globals::System_Type = context == 3 ? 1 : context;
        FlagGuard loading(Globals::Loading_Lists, true);
        auto* dialog = Forms::get<frmAccessories>("frmAccessories");
        dialog->lstAccessories()->clear();
        for (const QString& text : offered)
            dialog->lstAccessories()->addItem(text);
        if (context >= 3) {
            dialog->optExp(0)->hide();
            dialog->optExp(1)->hide();
        }
        if (!expansion.isEmpty()) {
            dialog->optExp(1)->setText(expansion);
            dialog->optExp(1)->show();
        }
        if (context <= 2)
            dialog->optExp(0)->setValue(true);
        // As an opener does: the dialog stores into the context it was opened for.
        Globals::System_Type = context;
        dialog->Set_Context(context);
        dialog->setCaption(context >= 3 ? "Drive Accessories" : "Controller Accessories");
        dialog->Show();
        Globals::Current_Form = "frmAccessories";
        StandInForm::log.clear();
        return dialog;
    }
    static void done(frmAccessories* dialog)
    {
        dialog->findChild<QPushButton*>("cmdDone")->click();
        processEvents();
    }
    static QString first3(const Globals::List21& list) { return list[0] + "|" + list[1] + "|" + list[2]; }
    static int shownRows(frmAccessories* dialog)
    {
        int n = 0;
        for (int r = 0; r < frmAccessories::Card_Rows; ++r)
            n += dialog->lblTuq_Card(r)->isHidden() ? 0 : 1;
        return n;
    }
};

TEST_F(AccessoryDialogTest, LoadShowsOnlyTheListWithEmptyQuantityLists)
{
    for (int context : {1, 2, 3, 4}) {
        frmAccessories* dialog = open(context, {});
        EXPECT_EQ(dialog->optExp(0)->isHidden(), context >= 3) << context;
        EXPECT_EQ(dialog->cmbTuq(17)->items(), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
        EXPECT_EQ(dialog->cmbTuq(17)->listIndex(), -1);
        EXPECT_EQ(shownRows(dialog), 0);
        for (const char* name : {"lblTuq", "lblQuantity", "lblDescription", "lblNote", "lblWarning"})
            EXPECT_TRUE(dialog->findChild<QLabel*>(name)->isHidden()) << name;
        EXPECT_EQ(dialog->size(), Twips::size(7425, 2910));
        EXPECT_EQ(dialog->pos(), Twips::point((Twips::screenWidth() - 7425) / 2, 0));
        EXPECT_TRUE(dialog->isWindow());
        EXPECT_FALSE(dialog->isModal());
        Forms::unload("frmAccessories");
        processEvents();
    }
}

TEST_F(AccessoryDialogTest, ExpansionShowsTheCardsOfItsTypeAndSizesTheWindow)
{
    frmAccessories::strExpIO_Note = "4 cards per bus coupler";
    frmAccessories* dialog = open(1, {}, "DUW Expansion IO");
    struct Case {
        const char* caption;
        const char* type;
        int rows;
        int height;
        const char* firstCard;
        const char* firstQuantity;
        const char* lastCard;
    };
    const Case cases[] = {
        {"DUW Expansion IO", "DUW", 3, 4900, "DUW-AN4", "0", "DUW-OUT8"},
        {"JTR32 Expansion IO", "JTR", 10, 7700, "JTR-01", "12", "JTR-10"},
        {"LUMIO Expansion IO", "LUMIO", 18, 10900, "LUM-01", "0", "LUM-18"},
    };
    for (const Case& c : cases) {
        dialog->optExp(1)->setText(c.caption);
        dialog->optExp(1)->choose();
        EXPECT_EQ(frmAccessories::strExpIO, c.type);
        EXPECT_EQ(shownRows(dialog), c.rows) << c.type;
        EXPECT_EQ(dialog->size(), Twips::size(7425, c.height)) << c.type;
        const QLabel* warning = dialog->findChild<QLabel*>("lblWarning");
        EXPECT_EQ(warning->y(), Twips::toPixels(c.height - 1000));
        EXPECT_FALSE(warning->isHidden());
        EXPECT_EQ(dialog->lblTuq_Card(0)->text(), c.firstCard);
        EXPECT_EQ(dialog->cmbTuq(0)->text(), c.firstQuantity);
        EXPECT_EQ(dialog->lblTuq_Card(c.rows - 1)->text(), c.lastCard);
        if (c.rows < frmAccessories::Card_Rows) {
            // No design caption shows through below the type's cards.
            EXPECT_EQ(dialog->lblTuq_Card(c.rows)->text(), "");
            EXPECT_EQ(dialog->lblTuq_Desc(c.rows)->text(), "");
            EXPECT_TRUE(dialog->cmbTuq(c.rows)->isHidden());
        }
        EXPECT_EQ(dialog->findChild<QLabel*>("lblNote")->text(), "4 cards per bus coupler");
        EXPECT_FALSE(dialog->findChild<QLabel*>("lblQuantity")->isHidden());
        // Stored with the cards when the dialog closes, not before.
        EXPECT_EQ(Globals::Controller_Expansion_IO, 0);
    }
    EXPECT_EQ(dialog->lblTuq_Desc(17)->text(), "LUMIO card 18");
}

TEST_F(AccessoryDialogTest, DuwRowsKeepTheirQuantitiesAndANullReadsZero)
{
    frmAccessories* dialog = open(2, {}, "DUW Expansion IO");
    dialog->optExp(1)->choose();
    QStringList rows;
    for (int r = 0; r < 3; ++r)
        rows << dialog->lblTuq_Card(r)->text() + "|" + dialog->cmbTuq(r)->text() + "|" + dialog->lblTuq_Desc(r)->text();
    EXPECT_EQ(rows, QStringList({"DUW-AN4|0|4 Analog Inputs", "DUW-IN8|1|8 Inputs", "DUW-OUT8|0|8 Outputs"}));
    done(dialog);
    EXPECT_TRUE(Globals::Drive_Controller_Expansion_IO);
}

TEST_F(AccessoryDialogTest, NoExpansionResetsFifteenRowsAndStoresNoCard)
{
    frmAccessories* dialog = open(2, {}, "LUMIO Expansion IO");
    dialog->optExp(1)->choose();
    dialog->cmbTuq(3)->choose("5");
    dialog->cmbTuq(16)->choose("2");
    dialog->optExp(0)->choose();
    EXPECT_EQ(dialog->size(), Twips::size(7425, 2910));
    EXPECT_EQ(dialog->cmbTuq(3)->text(), "0");
    EXPECT_EQ(dialog->cmbTuq(16)->text(), "2");
    EXPECT_TRUE(dialog->findChild<QLabel*>("lblTuq")->isHidden());
    EXPECT_FALSE(Globals::Drive_Controller_Expansion_IO);
    done(dialog);
    EXPECT_EQ(Globals::Drive_Controller_Accessory_Entry[0], "");

    // The type survives closing; a caption of no known type keeps it.
    dialog = open(2, {}, "Other IO");
    dialog->optExp(1)->choose();
    EXPECT_EQ(frmAccessories::strExpIO, "LUMIO");
    EXPECT_EQ(shownRows(dialog), 18);
}

TEST_F(AccessoryDialogTest, ClosingStoresByContextAndTellsTheOpener)
{
    auto main = std::make_unique<mdiMain>();
    const QStringList offered = {"BR-100 = Brake resistor", "FL-10 = Line filter", "HX25-8 = Breakout module"};

    Forms::get("frmDrive_Setup");
    frmAccessories* dialog = open(4, offered);
    EXPECT_FALSE(main->Toolbar1()->isEnabled());
    dialog->lstAccessories()->choose(0);
    dialog->lstAccessories()->choose(2);
    done(dialog);
    EXPECT_FALSE(Forms::isLoaded("frmAccessories"));
    EXPECT_EQ(Globals::Axis[0].Drive_Accessory_Entry[1], "HX25-8 = Breakout module");
    EXPECT_EQ(Globals::Axis[0].Drive_Accessory_Quantity[1], "1");
    EXPECT_EQ(Globals::Axis[0].Drive_Accessory_Description[0], "Brake resistor");
    EXPECT_EQ(StandInForm::log, QStringList({"Update_Accessories_Display:frmDrive_Setup{L}"}));
    EXPECT_EQ(Globals::Current_Form, "frmDrive_Setup");
    EXPECT_TRUE(main->Toolbar1()->isEnabled());
    EXPECT_FALSE(Globals::Loading_Lists);

    // An axis of a controller system: closing the window stores, nobody is told.
    Globals::Current_Axis = 3;
    Forms::get("frmController_Setup");
    dialog = open(3, offered);
    dialog->lstAccessories()->choose(1);
    dialog->close();
    processEvents();
    EXPECT_EQ(Globals::Axis[2].Drive_Accessory_Entry[0], "FL-10 = Line filter");
    EXPECT_TRUE(StandInForm::log.isEmpty());
    EXPECT_EQ(Globals::System_Type, 1);
    EXPECT_EQ(Globals::Current_Form, "frmController_Setup");
    EXPECT_TRUE(main->Toolbar1()->isEnabled());

    Forms::get("frmDriveControl");
    Forms::get("frmDriveController_Setup");
    dialog = open(2, offered, "LUMIO Expansion IO");
    dialog->optExp(1)->choose();
    dialog->lstAccessories()->choose(2);
    dialog->cmbTuq(16)->choose("2");
    done(dialog);
    EXPECT_EQ(first3(Globals::Drive_Controller_Accessory_Entry), "HX25-8 = Breakout module|LUM-17|");
    EXPECT_EQ(first3(Globals::Drive_Controller_Accessory_Quantity), "1|2|");
    EXPECT_EQ(first3(Globals::Drive_Controller_Accessory_Description), "Breakout module|LUMIO card 17|");
    EXPECT_EQ(StandInForm::log, QStringList({"Update_Accessories_Display:frmDriveControl{L}",
                                             "Update_Accessories_Display:frmDriveController_Setup{L}"}));
    EXPECT_EQ(Globals::Current_Form, "frmDriveControl");
    EXPECT_FALSE(main->Toolbar1()->isEnabled());

    Globals::Controller_Name = "KEX-2000";
    Globals::Controller_Options[3] = "A6 = 6 Axes";
    Forms::get<StandInForm>("frmControl");
    dialog = open(1, offered);
    dialog->lstAccessories()->choose(2);
    done(dialog);
    EXPECT_EQ(first3(Globals::Controller_Accessory_Entry), "HX25-8 = Breakout module||");
    EXPECT_EQ(Globals::Controller_Accessory_Quantity[0], "4");
    EXPECT_EQ(StandInForm::log, QStringList({"Update_Accessories_Display:frmControl{L}"}));
    EXPECT_EQ(Globals::Current_Form, "frmControl");
    EXPECT_FALSE(main->Toolbar1()->isEnabled());
    EXPECT_TRUE(msg->messages().isEmpty());

    Forms::unloadAll();
    processEvents();
}

TEST_F(AccessoryDialogTest, MoreThanTwentyOneChoicesAreCutAndTheUserIsTold)
{
    QStringList offered;
    for (int i = 1; i <= 23; ++i)
        offered << QString("ACC-%1 = Accessory %1").arg(i, 2, 10, QChar('0'));
    frmAccessories* dialog = open(4, offered);
    for (int i = 0; i < 23; ++i)
        dialog->lstAccessories()->choose(i);
    done(dialog);
    EXPECT_EQ(Globals::Axis[0].Drive_Accessory_Entry[20], "ACC-21 = Accessory 21");
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt,
              "Only 21 accessories and expansion IO cards can be stored. The last 2 chosen were not stored.");
    EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
}

TEST_F(AccessoryDialogTest, StoredQuantitiesComeBackOnEveryCardRow)
{
    frmAccessories* dialog = open(1, {}, "LUMIO Expansion IO");
    dialog->optExp(1)->choose();
    Globals::List21 entry {};
    Globals::List21 quantity {};
    entry[0] = "BR-100 = Brake resistor";
    quantity[0] = "1";
    entry[1] = "LUM-03";
    quantity[1] = "4";
    entry[2] = "LUM-17";
    quantity[2] = "2";
    dialog->Restore_Card_Quantities(entry, quantity);
    EXPECT_EQ(dialog->cmbTuq(2)->text(), "4");
    EXPECT_EQ(dialog->cmbTuq(16)->text(), "2");
    EXPECT_EQ(dialog->cmbTuq(0)->text(), "0");
}

} // namespace
