#include "support/ProjectOpening.h"

#include "support/AppFixture.h"
#include "support/OfferedBill.h"

#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupKinds.h"
#include "shell/mdiMain.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <exception>
#include <utility>

using namespace Globals;

namespace {

QByteArray written(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not written)");
}

} // namespace

ProjectOpening::ProjectOpening(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, QString folder)
    : m_main(main), m_files(files), m_msg(msg), m_folder(std::move(folder))
{
}

ProjectOpening::Once ProjectOpening::open(const QString& path, const QString& savedName)
{
    Once once;
    m_msg.clear();
    m_files.queuePath(path);
    m_main.mnuOpen_Click();
    for (const SetupKinds::Kind& kind : SetupKinds::all())
        if (Form* options = kind.optionsDialog.isEmpty() ? nullptr : Forms::find(kind.optionsDialog))
            options->findChild<QPushButton*>(QStringLiteral("cmdDone"))->click();
    AppFixture::processEvents();
    once.messages = m_msg.prompts();
    m_msg.clear();
    if (Project_Path.isEmpty()) {
        once.title = m_main.windowTitle();
        return once;
    }
    Once shown = this->shown(savedName);
    shown.messages = once.messages;
    return shown;
}

ProjectOpening::Once ProjectOpening::shown(const QString& savedName)
{
    Once once;
    once.title = m_main.windowTitle();
    once.opened = !Project_Path.isEmpty();
    once.values = ProjectValues::current();
    // Saved first: Save As stores what an open accessory dialog shows, and the bill is the saved project's.
    const QDir folder(m_folder);
    const QString saved = folder.filePath(savedName);
    QFile::remove(saved);
    m_files.queuePath(saved);
    m_main.mnuSave_As_Click();
    once.saved = written(saved);

    const QString report = folder.filePath(QStringLiteral("report.txt"));
    QFile::remove(report);
    m_files.queuePath(report);
    m_main.mnuExport_Data_Click();
    const QString text = QString::fromLatin1(written(report));
    once.billText = text.mid(text.indexOf(QLatin1String("Bill of Material")));
    for (int i = 1; i <= BOM_Count; ++i)
        once.bill << QStringLiteral("%1 %2").arg(BOM_Quantity.value(i)).arg(BOM_Part_Number.value(i));
    once.unoffered = OfferedBill::faults();
    m_msg.clear();
    return once;
}

ProjectOpening::Run ProjectOpening::run(const QString& path)
{
    Run r;
    try {
        r.file = written(path);
        r.first = open(path, QStringLiteral("saved.dat"));
        if (r.first.opened && r.first.messages.isEmpty() && r.first.saved == r.file)
            r.again = r.first;
        else if (r.first.opened)
            r.again = open(QDir(m_folder).filePath(QStringLiteral("saved.dat")), QStringLiteral("again.dat"));
    } catch (const std::exception& e) {
        r.thrown = QString::fromUtf8(e.what());
    }
    m_msg.clear();
    return r;
}
