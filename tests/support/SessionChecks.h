#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class Form;

// What every state a user can reach must keep, each as readable faults (none
// when it holds).
namespace SessionChecks {

// The lists and the controller connection box of the shown setup form that
// show other than the current axis record (and the configuration globals) hold.
QStringList screenFaults();

// The shown setup form's kind; 0 when none is shown.
int shownKind();

// The project text of the shown setup form (kind 1 while the accessory
// dialog edits an axis' drive accessories).
QString projectText();

// The report of the shown project, as Export Data must write it whatever
// context an open dialog put in System_Type, with its bill ("quantity part"
// lines); the program's own report and bill stay as they were.
struct Report {
    QString text;
    QStringList bill;
};
Report projectReport();

// Each open dialog and the curve window configure what the shown project
// still holds: what they were opened for (remembered from the first check
// that sees them open) and what the record and the lists show now.
class OpenWindows {
public:
    QStringList faults();
    // A project opened or closed: what its windows were opened for goes.
    void forget() { m_subjects.clear(); }

private:
    QHash<const Form*, QString> m_subjects;
};

// The shown windows beyond the setup form of the kind and the options
// dialog its reopening opens (kind 0: beyond the start dialog), as
// "frmGear is shown".
QStringList strayWindows(int kind);

// Every axis' choices (what its lists show, with its gearhead), one
// list per axis.
QList<QStringList> axisChoices();
// The choices that changed other than in case, as "axis a: Drive_Name "SMD-48" became """.
QStringList changedChoices(const QList<QStringList>& before, const QList<QStringList>& after);

// Whether the line of a project file of the kind belongs to the
// configuration its options dialog stores (levels, part number, cards,
// accessories).
bool configurationLine(int kind, int line);

// How the options dialog that a reopening opens was left.
enum Leaving { ByDone, ByCloseBox, LeftOpen };

// The lines of two project texts that differ other than in case, "line n:
// "a" became "b"", apart from what reopening a project of the kind completes from an empty
// value: the options dialog it opens chooses the levels of one value, with
// the configuration they name, and an axis count of 0 takes the
// controller's own. Done finishes the configuration as in a session: its
// lines take what Done gives them. A value that was saved and is gone is
// always a difference.
QStringList differences(const QString& before, const QString& after, int kind, Leaving leaving);

// The messages of a reopening less one that names nothing but cards the
// catalogue requires coming back: a file holds no card at 0, and the
// reopening proposes a required card again, as the accessory dialog does.
QStringList withoutRequiredCardsBack(const QStringList& prompts);

} // namespace SessionChecks
