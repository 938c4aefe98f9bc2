#pragma once

#include "platform/SeamStack.h"

#include <QStringList>

// Opens a written file with the program the desktop associates with it;
// false when the desktop has no opener for it.
// Tests install a ShellOpen::Seam that records the paths instead.
class ShellOpen {
public:
    static bool open(const QString& path);

    class Seam : public SeamStack<Seam> {
    public:
        const QStringList& opened() const { return m_opened; }
        // The seam answers as a desktop without an opener would (still recording).
        void setNoOpener(bool none) { m_noOpener = none; }

    private:
        friend class ShellOpen;
        QStringList m_opened;
        bool m_noOpener = false;
    };
};
