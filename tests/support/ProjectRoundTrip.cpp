#include "support/ProjectRoundTrip.h"

#include "platform/Win1252.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"
#include "support/OfferedBill.h"

#include <QFile>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not written)");
}

QString setupText()
{
    SetupForm* form = Forms::find<SetupForm>(SetupKinds::formName(Globals::System_Type));
    return form ? form->Save_String() : QStringLiteral("(no setup form of kind %1)").arg(Globals::System_Type);
}

} // namespace

QString ProjectRoundTrip::firstDifference(const QString& a, const QString& b, const QString& sep)
{
    const QStringList x = a.split(sep);
    const QStringList y = b.split(sep);
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i)
        if (x.value(i) != y.value(i))
            return QStringLiteral("line %1: \"%2\" became \"%3\"").arg(i + 1).arg(x.value(i), y.value(i));
    return {};
}

ProjectRoundTrip::ProjectRoundTrip(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, int shard, int shards)
    : m_main(main), m_files(files), m_msg(msg), m_shard(shard), m_shards(shards)
{
}

bool ProjectRoundTrip::takesBranch()
{
    return m_branches++ % m_shards == m_shard;
}

QByteArray ProjectRoundTrip::exportReport()
{
    const QString path = m_dir.filePath(QStringLiteral("report.txt"));
    QFile::remove(path);
    m_files.queuePath(path);
    m_main.mnuExport_Data_Click();
    return bytesOf(path);
}

QString ProjectRoundTrip::differences()
{
    ++m_checked;
    QStringList found;
    const QString project = m_dir.filePath(QStringLiteral("project.dat"));
    const QString saved = setupText();
    const QByteArray report = exportReport();
    // What the user exports bills only parts offered for their axis (the
    // stand-ins of lengths still to be chosen are the program's own).
    found << OfferedBill::faults();

    // A new file each time: replacing one costs a flush to disk on some file systems.
    QFile::remove(project);
    m_files.queuePath(project);
    m_main.mnuSave_As_Click();
    if (bytesOf(project) != Win1252::encode(saved))
        found << QStringLiteral("Save As did not write the project text");
    m_files.queuePath(project);
    m_main.mnuOpen_Click();

    if (!m_msg.messages().isEmpty())
        found << QStringLiteral("messages: ") + m_msg.prompts().join(QLatin1String(" | "));
    m_msg.clear();
    if (Globals::Loading_Project || Globals::Loading_Lists)
        found << QStringLiteral("a loading flag stayed set");
    const QString reopened = setupText();
    if (reopened != saved)
        found << QStringLiteral("project text, ") + firstDifference(saved, reopened, QStringLiteral("\r"));
    const QByteArray reportAgain = exportReport();
    if (reportAgain != report)
        found << QStringLiteral("report, ")
                     + firstDifference(Win1252::decode(report), Win1252::decode(reportAgain), QStringLiteral("\r\n"));
    return found.join(QLatin1String("; "));
}
