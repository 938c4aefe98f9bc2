#pragma once

#include "platform/SeamStack.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

class QWidget;

// The common Open/Save dialog. The filter keeps the "Label|pattern|Label|pattern"
// form and a 1-based filter index. Tests install a FileDialog::Seam that hands
// out queued paths or cancels and records how the dialog was set up.
class FileDialog {
public:
    enum Mode { Open, Save };

    struct Settings {
        QString filter;
        int filterIndex = 1;
        QString initDir;
        QString fileName;
        QString title;
        QString defaultExt;
    };

    // The chosen path, or nothing when the user cancelled.
    static std::optional<QString> show(QWidget* parent, Mode mode, const Settings& settings);

    // "A|*.a|B|*.b" -> "A (*.a);;B (*.b)" unless the label already shows its pattern.
    static QStringList qtFilters(const QString& filter);

    class Seam : public SeamStack<Seam> {
    public:
        struct Call {
            Mode mode;
            Settings settings;
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
    };
};
