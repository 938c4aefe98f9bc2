#pragma once

#include "platform/MsgBox.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <random>

class Form;
class QWidget;
class mdiMain;

// A user at the program's open windows. Draws an action from the controls
// that are enabled and shown (an entry of a list, unchosen lists weighted up;
// a row of the accessory list; a button; a dialog's close box; typed gearhead
// notes; the File menu and the toolbar's Reset buttons), performs it and
// writes it as one line that performs it again, with the file it named and
// the answers given to the questions it asked:
//   "frmDrive_Setup.cmbDrive = ZU => No"   an entry picked, No to the question
//   "frmGear.cmdDone"                       a button or option button clicked
//   "frmControl.close"                      the close box
//   "frmGear.txtNotes := Typed"             notes typed
//   "main.ResetAxis", "main.ResetAll"       toolbar Reset Axis, menu Reset All
//   "main.Open = p1.dat"                    File > Open of a file of the folders
//   "main.Save", "main.Save = p2.dat"       File > Save (the name when it asked one)
//   "main.SaveAs = p1.dat", "main.Close", "main.ExportData"
//   "main.New = frmDrive_Setup"             File > New of the form's kind
// Files are written into and opened from one folder (Export Data and Export
// Curve write "export.txt" there); without one, no action names a file.
class SessionDriver {
public:
    SessionDriver(mdiMain& main, MsgBox::Seam& msg, QString folder = {});
    ~SessionDriver();
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    // Draws one action among the controls of every open window (anyWindow)
    // or of the one in front and appends its line to the actions before it is
    // performed (with its file and answers once it was); nothing when nothing
    // can be done.
    void step(std::mt19937& rng, bool anyWindow, QStringList& actions);
    // Performs a line that step wrote; false when its control is not there,
    // not usable, lacks the entry or its file is missing.
    bool perform(const QString& line);

    // The file a performed line opened or wrote (File > Open, Save, Save As,
    // Export Data); empty for any other line.
    QString file(const QString& line) const;
    // The roads of roadNames() the drawn actions have taken.
    const QSet<QString>& roads() const { return m_roads; }
    static const QStringList& roadNames();

    // The windows a session works in: the setup form, its dialogs and the curve window, front one last.
    static QList<Form*> windows();

private:
    struct Candidate {
        QString line;
        double weight;
    };
    QList<Candidate> candidates(std::mt19937& rng, bool anyWindow) const;
    void menuCandidates(std::mt19937& rng, bool anyWindow, const QList<Form*>& open, QList<Candidate>& out) const;
    // What the roads ask of the windows and axes before an action, which may take windows down.
    struct Before {
        int kind;
        bool curveShown;
        bool dialogShown;
        bool dialogOrCurveShown;
        int highestConfiguredAxis;
        QString controller;
    };
    bool run(const QString& action);
    bool runMenu(const QString& command, const QString& argument);
    void noteRoads(const QString& line, const Before& before);
    QString path(const QString& name) const;

    mdiMain& m_main;
    MsgBox::Seam& m_msg;
    QString m_folder;
    // The answers of the action under way: drawn, or taken from its line.
    std::mt19937* m_rng = nullptr;
    QStringList m_answers;
    // The file a drawn File > Save asked for.
    QString m_asked;
    QSet<QString> m_roads;
    QSet<QString> m_opened;
    QSet<QString> m_savedOver;
    int m_cycles = 0;
    int m_axes = 0;
    bool m_lowered = false;
    int m_steps = 0;
};
