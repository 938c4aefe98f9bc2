#pragma once

#include "platform/SeamStack.h"

#include <QObject>
#include <QStringList>

#include <functional>

// Opens a written file with the program the desktop associates with it, through
// xdg-open: it starts and then fails where no program is set up for the file, so
// only its exit status tells. `finished` learns once whether the file was opened:
// at once when there is no opener, else from the event loop when the opener ends.
// Tests install a ShellOpen::Seam that records the paths instead.
class ShellOpen {
public:
    static void open(const QString& path, std::function<void(bool opened)> finished);

    class Seam : public SeamStack<Seam> {
    public:
        enum Opener {
            Opens,
            Missing, // answers at once
            Fails,   // answers from the event loop, as a started opener does
        };

        const QStringList& opened() const { return m_opened; }
        void setOpener(Opener opener) { m_opener = opener; }

    private:
        friend class ShellOpen;
        QStringList m_opened;
        Opener m_opener = Opens;
        // Answers still queued go with the seam.
        QObject m_context;
    };
};
