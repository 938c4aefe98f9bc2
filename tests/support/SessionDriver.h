#pragma once

#include "platform/MsgBox.h"

#include <QString>
#include <QStringList>

#include <random>

class Form;
class QWidget;
class mdiMain;

// A user at the program's open windows. Draws an action from the controls
// that are enabled and shown (an entry of a list, unchosen lists weighted up;
// a row of the accessory list; a button; a dialog's close box; typed gearhead
// notes; Reset Axis and Reset All), performs it and writes it as one line
// that performs it again, with the answers given to the questions it asked:
//   "frmDrive_Setup.cmbDrive = ZU => No"   an entry picked, No to the question
//   "frmGear.cmdDone"                       a button or option button clicked
//   "frmControl.close"                      the close box
//   "frmGear.txtNotes := Typed"             notes typed
//   "main.ResetAxis", "main.ResetAll"       toolbar Reset Axis, menu Reset All
class SessionDriver {
public:
    SessionDriver(mdiMain& main, MsgBox::Seam& msg);
    ~SessionDriver();
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    // Draws one action among the controls of every open window (anyWindow)
    // or of the one in front and appends its line to the actions before it is
    // performed (with its answers once it was); nothing when nothing can be done.
    void step(std::mt19937& rng, bool anyWindow, QStringList& actions);
    // Performs a line that step wrote; false when its control is not there,
    // not usable or lacks the entry.
    bool perform(const QString& line);

    // The windows a session works in: the setup form and its dialogs, front one last.
    static QList<Form*> windows();

private:
    struct Candidate {
        QString line;
        double weight;
    };
    QList<Candidate> candidates(std::mt19937& rng, bool anyWindow) const;
    bool run(const QString& action);

    mdiMain& m_main;
    MsgBox::Seam& m_msg;
    // The answers of the action under way: drawn, or taken from its line.
    std::mt19937* m_rng = nullptr;
    QStringList m_answers;
};
