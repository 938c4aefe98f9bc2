#pragma once

#include "platform/SeamStack.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

class QWidget;

// The common Open/Save dialog. The filter keeps the "Label|pattern|Label|pattern"
// form and a 1-based filter index. Every dialog starts in the folder the last one
// returned a path in; the first in the user's documents folder, else the home folder
// (the program's own folder may be the build tree or not writable at all).
// Tests install a FileDialog::Seam that hands out queued paths or cancels and
// records how the dialog was set up.
class FileDialog {
public:
    enum Mode { Open, Save };

    struct Settings {
        QString filter;
        int filterIndex = 1;
        QString fileName;
        QString title;
        QString defaultExt;
    };

    // The chosen path, or nothing when the user cancelled.
    static std::optional<QString> show(QWidget* parent, Mode mode, const Settings& settings);

    // "A|*.a|B|*.b" -> "A (*.a);;B (*.b)" unless the label already shows its pattern.
    static QStringList qtFilters(const QString& filter);

    // The folder the next dialog starts in.
    static QString startFolder();

    class Seam : public SeamStack<Seam> {
    public:
        struct Call {
            Mode mode;
            Settings settings;
            QString startFolder;
        };

        void queuePath(const QString& path) { m_answers.push_back({false, path}); }
        void queueCancel() { m_answers.push_back({true, QString()}); }
        const QList<Call>& calls() const { return m_calls; }

    private:
        friend class FileDialog;
        struct Answer {
            bool cancel;
            QString path;
        };
        std::deque<Answer> m_answers;
        QList<Call> m_calls;
        // A seam remembers on its own, as a program just started.
        QString m_lastFolder;
    };

private:
    // Where the last dialog returned a path (the seam's own while one answers).
    static QString& lastFolder();
    static std::optional<QString> chosen(const QString& path);
};
