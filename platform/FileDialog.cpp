#include "platform/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

QString& FileDialog::lastFolder()
{
    static QString folder;
    Seam* seam = Seam::current();
    return seam ? seam->m_lastFolder : folder;
}

std::optional<QString> FileDialog::chosen(const QString& path)
{
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

QStringList FileDialog::qtFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the pattern from the label's parentheses and matches case-sensitively
        // here, so the label's own "(...)" is replaced by the patterns in both cases.
        QString label = parts[i].trimmed();
        const int paren = label.lastIndexOf(QLatin1Char('('));
        if (paren > 0 && label.endsWith(QLatin1Char(')')))
            label = label.left(paren).trimmed();
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& v : {p.trimmed(), p.trimmed().toLower(), p.trimmed().toUpper()})
                if (!patterns.contains(v))
                    patterns << v;
        }
        out << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
    }
    return out;
}

QString FileDialog::startFolder()
{
    // A folder removed since it was used is no place to start.
    if (const QString last = lastFolder(); !last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

std::optional<QString> FileDialog::show(QWidget* parent, Mode mode, const Settings& settings)
{
    if (Seam* seam = Seam::current()) {
        seam->m_calls.append(Seam::Call{mode, settings, startFolder()});
        if (seam->m_answers.empty())
            return std::nullopt;
        const Seam::Answer answer = seam->m_answers.front();
        seam->m_answers.pop_front();
        if (answer.cancel)
            return std::nullopt;
        return chosen(answer.path);
    }

    QFileDialog dialog(parent, settings.title, startFolder());
    dialog.setAcceptMode(mode == Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode == Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qtFilters(settings.filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[settings.filterIndex - 1]);
    if (!settings.defaultExt.isEmpty())
        dialog.setDefaultSuffix(settings.defaultExt);
    if (!settings.fileName.isEmpty())
        dialog.selectFile(settings.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}
