#pragma once

#include "shell/AccessoryStore.h"
#include "shell/Form.h"
#include "shell/Globals.h"

#include <array>

class ListControl;
class MultiList;
class OptionButton;
class QLabel;
class QPushButton;

// The accessory picker shared by every setup kind. The form that opens it
// fills lstAccessories and selects the earlier choice; the expansion option
// shows the I/O cards of the chosen type. Closing stores the choice by the
// context in System_Type and tells the opener to show it.
class frmAccessories : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmAccessories"};

    static constexpr int Card_Rows = AccessoryStore::Card_Rows;

    // Outlive the window: set by the options dialogs and by choosing the
    // expansion option, kept from one opening to the next.
    static QString strExpIO;
    static QString strExpIO_Note;

    frmAccessories();

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void optExp_Click(int Index);
    void cmdDone_Click();

    // Stores what the dialog shows into its context and tells the opener, as
    // its closing does, and stays open: File > Save writes what it shows.
    void Store_Shown();

    // Stored quantities back into every card row whose card part number is
    // a stored entry (the openers' last step in contexts 1 and 2).
    void Restore_Card_Quantities(const Globals::List21& entry, const Globals::List21& quantity);
    // The context the dialog was opened for (System_Type when it loaded, or
    // as its opener sets it): its choice is stored there, whatever another
    // dialog sets System_Type to meanwhile.
    int Context() const { return m_context; }
    void Set_Context(int context) { m_context = context; }

    // The controls the openers fill; null for an index out of range.
    MultiList* lstAccessories() const { return m_lstAccessories; }
    OptionButton* optExp(int index) const;
    ListControl* cmbTuq(int index) const;
    QLabel* lblTuq_Card(int index) const;
    QLabel* lblTuq_Desc(int index) const;

private:
    // Store_Shown's storing; the number of chosen entries that found no room.
    int store();
    void setQuantity(int row, const QString& quantity);
    void setWindowHeight(int heightTwips);

    MultiList* m_lstAccessories = nullptr;
    QPushButton* m_cmdDone = nullptr;
    std::array<OptionButton*, 2> m_optExp {};
    std::array<ListControl*, Card_Rows> m_cmbTuq {};
    std::array<QLabel*, Card_Rows> m_lblTuq_Card {};
    std::array<QLabel*, Card_Rows> m_lblTuq_Desc {};
    QLabel* m_lblTuq = nullptr;
    QLabel* m_lblQuantity = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblNote = nullptr;
    QLabel* m_lblWarning = nullptr;
    int m_context = 0;
};
