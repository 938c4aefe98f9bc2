#pragma once

#include "platform/SeamStack.h"

#include <QStringList>

// Opens a written file with the program the desktop associates with it.
// Tests install a ShellOpen::Seam that records the paths instead.
class ShellOpen {
public:
    static bool open(const QString& path);

    class Seam : public SeamStack<Seam> {
    public:
        const QStringList& opened() const { return m_opened; }

    private:
        friend class ShellOpen;
        QStringList m_opened;
    };
};
