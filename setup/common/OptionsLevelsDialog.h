#pragma once

#include "setup/common/AccessoryRequest.h"
#include "shell/AccessoryStore.h"
#include "shell/AccessoryOwner.h"
#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/SetupKinds.h"
#include "shell/Stage.h"

#include <QList>
#include <QRect>

#include <vector>

class ListControl;
class QLabel;
class Reconciliation;
class TextBox;

// The options dialog of a product chosen on a setup form: option levels, each
// listing what the levels above it leave, name one configuration, whose result
// text and accessories show once the last level is chosen. The saved levels
// come back on opening. A derived dialog supplies its level source, its
// globals and what Done and closing do to its setup form.
class OptionsLevelsDialog : public Form, public AccessoryOwner {
    Q_OBJECT
public:
    // In twips; each box's caption stands 240 above it.
    struct Layout {
        int width;
        int height;
        int levelWidth;
        QRect picture;
        QRect results;
        QRect accessories;
        QRect accessoriesButton;
        QRect done;
    };

    struct Design {
        SetupKinds::Number kind;
        int levels;
        // Level 1 is cmb1(firstIndex) and lbl1(firstIndex): tests and stored
        // files know these names.
        int firstIndex;
        // Names the window, the result and the Done question.
        QString product;
        QString pictureName;
        // Told once per opening when a saved level cannot be restored.
        QString lostOption;
        // The value of each level, from index 1, restored on reopening.
        AccessoryChoice::List21* options;
        // What the dialog configures (of axis 1 for an axis' stage).
        Stage configures;
        // What the chosen levels give: any choice withdraws it.
        Stage result;
        Layout layout;
    };

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    // The choice on the list cmb1(Index).
    void cmb1_Click(int Index);
    void cmdDone_Click();
    void cmdAccessories_Click();
    void Update_Accessories_Display() override;

    // By system index; null for another index.
    ListControl* cmb1(int index) const;
    QLabel* lbl1(int index) const;

    // A reopened configuration whose every level is chosen keeps what Done
    // would store: the accessories and cards it offers as the accessory
    // dialog stores them (the cards its type requires among them), or, with
    // cards kept while the expansion choice is off, what it offers of them as
    // the file holds them. A level left to choose leaves them as the file
    // holds them.
    void keepOfferedAccessories(Reconciliation& reconciliation) const;

    // A project file whose configuration named its result: a last level it
    // saved empty was that level's empty entry, chosen, and is put back.
    void restoreEmptyLastLevel();

    // Tells, once per opening, that a saved value is no longer offered: a
    // level's, or another of the product's that the setup form could not put back.
    void tellLost();

protected:
    explicit OptionsLevelsDialog(Design design);

    // Fills a level's list (level from 1) for the values chosen above it.
    virtual void listLevel(ListControl* list, int level, const QStringList& above) const = 0;
    // One caption a level; none without a row.
    virtual QStringList levelCaptions() const = 0;
    // Sets the globals of the configuration of every level's value; gives the result text.
    virtual QString configure(const QStringList& chosen) = 0;
    // Any choice, once the result's values are dropped: what shows them
    // follows until the last level is chosen again.
    virtual void configurationWithdrawn() {}
    // Its key is the product: the picture shows it too.
    virtual AccessoryRequest accessoryRequest() const = 0;
    // What the accessory dialog offers for the configuration.
    virtual AccessoryStore::Offer offeredAccessories() const = 0;
    // Done, once the user accepted an incomplete configuration.
    virtual void configurationDone(bool complete) = 0;
    // However the dialog went; byUser for Done and the close box.
    virtual void closed(bool byUser) = 0;

    // Shown with the result; a choice on a level above the last hides the
    // result again but leaves such a widget shown.
    void addShownWithResult(QWidget* widget) { m_shownOnce.push_back(widget); }
    template <class T>
    T* setupForm() const
    {
        return Forms::find<T>();
    }

    void closeEvent(QCloseEvent* event) override;

private:
    ListControl* level(int number) const { return m_cmb1.at(number - 1); }
    QLabel* caption(int number) const { return m_lbl1.at(number - 1); }
    // The level of a system index; 0 for another index.
    int levelOf(int index) const;
    // The texts of the first `levels` levels.
    QStringList chosen(int levels) const;
    // Whether every level holds a choice.
    bool configured() const;
    void fillLevel(int number);
    void offerLevel(int number);
    void restoreOptions();
    // The result, and with `shown` false on opening what stays once shown.
    void showResult(bool shown, bool opening = false);

    const Design m_design;
    QList<ListControl*> m_cmb1;
    QList<QLabel*> m_lbl1;
    // Levels whose only value is "N/A": chosen, never shown.
    QList<bool> m_passedThrough;
    QLabel* m_picture = nullptr;
    TextBox* m_txtResults = nullptr;
    TextBox* m_txtAccessories = nullptr;
    QLabel* m_lblAccessories = nullptr;
    std::vector<QWidget*> m_result;
    std::vector<QWidget*> m_shownOnce;

    // While the saved levels are put back: the levels below keep their saved
    // values and the accessory choice stays.
    bool Restoring_Options = false;
    bool m_toldLost = false;
    // Done or the close box: only then does closing touch the setup form
    // (not when the setup form or the main window takes it down).
    bool m_closedByUser = false;
};
