#pragma once

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "shell/ProjectValues.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class mdiMain;

// A project file opened as a user opens it, on whatever catalogue the program
// reads: File > Open, the options dialog the opening shows closed by Done
// (the message seam's default answer takes its "not fully configured"
// question), Export Data, Save As; then what Save As wrote opened, exported
// and saved the same way.
class ProjectOpening {
public:
    struct Once {
        QStringList messages;
        // The project is named in the title: it opened.
        bool opened = false;
        QString title;
        // The report's bill of material, and its lines as "quantity part".
        QString billText;
        QStringList bill;
        // What OfferedBill finds in the bill.
        QStringList unoffered;
        QByteArray saved;
        // What the program holds once the project is open.
        ProjectValues values;
    };
    struct Run {
        QString thrown;
        QByteArray file;
        Once first;
        // What first.saved opened to. A file that opened in silence and was
        // saved as it was opens the same way again: then first's copy.
        Once again;
    };

    ProjectOpening(mdiMain& main, FileDialog::Seam& files, MsgBox::Seam& msg, QString folder);

    Run run(const QString& path);
    // The project open now, as an opening leaves it: exported, checked and
    // saved under the name in the folder.
    Once shown(const QString& savedName);

private:
    Once open(const QString& path, const QString& savedName);

    mdiMain& m_main;
    FileDialog::Seam& m_files;
    MsgBox::Seam& m_msg;
    QString m_folder;
};
