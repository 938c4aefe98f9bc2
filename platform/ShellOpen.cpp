#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

bool ShellOpen::open(const QString& path)
{
    if (Seam* seam = Seam::current()) {
        seam->m_opened << path;
        return !seam->m_noOpener;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
