#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

ShellOpen::Seam* ShellOpen::s_seam = nullptr;

bool ShellOpen::open(const QString& path)
{
    if (s_seam) {
        s_seam->m_opened << path;
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

ShellOpen::Seam::Seam()
    : m_previous(ShellOpen::s_seam)
{
    ShellOpen::s_seam = this;
}

ShellOpen::Seam::~Seam()
{
    ShellOpen::s_seam = m_previous;
}
