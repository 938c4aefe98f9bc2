#pragma once

#include <QStringList>

// Opens a written file with the program the desktop associates with it.
// Tests install a ShellOpen::Seam that records the paths instead.
class ShellOpen {
public:
    static bool open(const QString& path);

    class Seam {
    public:
        Seam();
        ~Seam();
        Seam(const Seam&) = delete;
        Seam& operator=(const Seam&) = delete;
        const QStringList& opened() const { return m_opened; }

    private:
        friend class ShellOpen;
        QStringList m_opened;
        Seam* m_previous = nullptr;
    };

private:
    static Seam* s_seam;
};
