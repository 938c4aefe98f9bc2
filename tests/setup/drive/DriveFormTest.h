#pragma once

#include "support/AppFixture.h"

#include "shell/AxisRecord.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

// Readable failures: gtest prints a QString as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

class frmDrive_Setup;
class ListControl;
class QLabel;
class QWidget;
class TextBox;

// The drive setup form on the sample catalogue, driven through its controls.
class DriveFormTest : public AppFixture {
protected:
    void TearDown() override;

    // Loads the form (its Load resets it and opens the database).
    frmDrive_Setup* form();

    ListControl* list(const char* name);
    QLabel* label(const char* name);
    TextBox* box(const char* name);
    QWidget* widget(const char* name);
    QStringList items(const char* name);
    QString text(const char* name);
    bool hidden(const char* name);
    bool enabled(const char* name);

    // The user picks the entry; fails the test when the list lacks it.
    void pick(const char* name, const QString& entry);
    // Picks a whole path from the technology down, one entry per list, in order.
    void pickPath(const QStringList& names, const QStringList& entries);

    AxisRecord& record();

    // A copy of the sample product database changed by the statements, used by
    // the form instead of the sample (call before form()).
    void useCatalogueWith(const QStringList& statements);

    // Replays a project text the way the main window's Open does.
    void openProject(const QString& text);

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};
