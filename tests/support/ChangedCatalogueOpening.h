#pragma once

#include "support/CatalogueChange.h"
#include "support/ProjectOpening.h"

#include <QString>
#include <QStringList>

// What File > Open of a project on a changed catalogue must do, against the
// same file opened on the catalogue before the change (the intact run):
// - refused (the load error, or the catalogue's fault naming what the change
//   damaged; the project not named in the title) only when its drive,
//   drive/controller, controller or motor of some axis is no longer offered,
//   decided from the changed catalogue's rows apart from the program, and
//   refused whenever one is gone;
// - else opened identical (no message, the bill and the saved file as the
//   intact run's), quietly otherwise only in case or in bill lines the file
//   does not hold (a cable's part number: the program cannot know it
//   changed), or told: then every non-empty line of the intact run's saved
//   file that the changed run's holds otherwise is named, quoted, by the
//   message (an entry's quantity and description with the entry, an entry
//   moved up or down its list with one that went or came, and the lines of a
//   configuration the user discarded at Done or told without its part number
//   with it); every bill line that came or went, if the file holds it, is
//   named; every value the message says the file holds is a line of it, and
//   every value it says the project now holds one of Save As; the catalogue's
//   faults it names are explained by the change; an options level no longer
//   offered is told by the options dialog's own message and stays in the file;
// - the bill holds only what the changed catalogue offers (OfferedBill), at
//   every opening;
// - what Save As wrote reopens on the changed catalogue telling nothing new
//   (the options dialog's message and the catalogue's faults may come again)
//   and saves the same bytes.
// Faults are readable lines; none when the opening keeps every promise.
class ChangedCatalogueOpening {
public:
    enum Outcome { Identical, Quiet, Told, Refused };

    struct Verdict {
        Outcome outcome = Identical;
        // The first message with what it names left out, for counts by kind.
        QString messageKind;
        QStringList faults;
    };

    // What the intact run holds: the file opened as the run opens it, or the
    // project as it was shown when saved, whose configuration the run's Done
    // finishes (SessionChecks::differences).
    enum Reference { Opened, Shown };

    // `changed`: the catalogue file the run opened on.
    static Verdict judge(const CatalogueChange& change, const QString& changed, const ProjectOpening::Run& intact,
                         const ProjectOpening::Run& run, Reference reference = Opened);

    // The messages that tell more than an opening on the changed catalogue
    // may tell again and again: the options dialog's message, Done's
    // question after it and the catalogue's faults the change explains.
    static QStringList toldAnew(const CatalogueChange& change, const QStringList& messages);

    // The values of the project that the catalogue at `path` no longer
    // offers so that it can be shown at all (its product, drive or motor),
    // as readable lines; none when every one is offered.
    static QStringList gone(const QString& path, int kind, const ProjectValues& held);
    // The saved options levels the catalogue no longer offers with the levels
    // above them; only those the project file holds, reopening completes the others.
    static QStringList withdrawnLevels(const QString& path, int kind, const ProjectValues& held,
                                       const QStringList& file);
};
