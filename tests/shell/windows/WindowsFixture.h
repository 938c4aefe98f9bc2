#pragma once

#include "support/AppFixture.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>


class Form;
class mdiMain;

// The main window over stand-in setup forms (kinds 1 and 4) and dialogs; the
// drive/controller setup (kind 2) is the program's own.
class WindowsFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the main window and lets its first activation run.
    void showMain();
    // The toolbar's enabled states of buttons 1, 2, 3, 5, 6, 7 as "110000";
    // checks that the File items acting on a project follow their buttons.
    QString buttonStates() const;
    QString path(const QString& name) const { return tmp.filePath(name); }
    static bool shown(const QString& formName);
    // Presses a button of a loaded form and lets what it queued run.
    static void click(const QString& formName, const char* button);
    // Chooses option Selection(index) of the start dialog and presses "Start".
    static void start(int index);

    std::unique_ptr<mdiMain> main;
    QTemporaryDir tmp;
};
