#pragma once

#include "shell/Form.h"

class ListControl;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SetupForm;
struct AxisRecord;

// The gearhead picker of the current axis. A setup form opens it from its
// motor-options list; closing it with a gearhead highlighted writes the
// gearhead into the axis record and back into that form's shaft-option and
// motor-options lists, closing it without one changes nothing.
class frmGear : public Form {
    Q_OBJECT
public:
    static constexpr QLatin1StringView Name{"frmGear"};

    frmGear();

    // The shaft option a gearhead needs; the dialog adds it to a shaft list that lacks it.
    static const QString Keyway;

    // The gearheads the dialog offers for the record's motor (series, frame
    // and stack): the distinct codes in code order, up to the first empty one.
    static QStringList Offered_Gearheads(const AxisRecord& r);
    // The notes of a gearhead for the record's motor; empty without a row or notes.
    static QString Gearhead_Notes(const AxisRecord& r, const QString& code);

    // The option the caller's motor-options list showed before its gearhead
    // placeholder: closing without a gearhead shows it again. A placeholder
    // picked again while the dialog is open keeps the first one.
    void Return_To(const QString& option);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void cmbGear_Click();
    void cmdDone_Click();
    void cmdCancel_Click();
    // It configures the current axis' motor option: a choice above it closes
    // the dialog as Cancel does, so that no gearhead comes of it.
    void closeAsCancel() override;
    // The motor option a project keeps for the record: while the dialog is
    // open for it, the one Cancel would leave, since nothing is chosen yet.
    static QString Saved_Option(const AxisRecord& record);

private:
    void writeBack(SetupForm* caller);
    void restoreOption(SetupForm* caller);

    QLabel* m_Label1 = nullptr;
    ListControl* m_cmbGear = nullptr;
    QLabel* m_lblNotes = nullptr;
    QPlainTextEdit* m_txtNotes = nullptr;
    QPushButton* m_cmdDone = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    bool m_cancel = false;
    QString m_optionBefore;
    // The setup kind that opened it (System_Type when it loaded): another
    // dialog may change System_Type while this one is open.
    int m_kind = 0;
};
