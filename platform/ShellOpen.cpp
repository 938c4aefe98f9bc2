#include "platform/ShellOpen.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

void ShellOpen::open(const QString& path, std::function<void(bool opened)> finished)
{
    if (Seam* seam = Seam::current()) {
        seam->m_opened << path;
        if (seam->m_opener == Seam::Fails)
            QTimer::singleShot(0, &seam->m_context, [finished] { finished(false); });
        else
            finished(seam->m_opener == Seam::Opens);
        return;
    }

    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        finished(false);
        return;
    }
    // Left unowned: deleting a running process at exit would kill a viewer the opener runs in the foreground.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    // A text-mode viewer it may fall back to must not wait for input.
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, finished](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         finished(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, finished](QProcess::ProcessError error) {
        // Every other error ends in finished as well.
        if (error == QProcess::FailedToStart) {
            process->deleteLater();
            finished(false);
        }
    });
    process->start(opener, {path});
}
