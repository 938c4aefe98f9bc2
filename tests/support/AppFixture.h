#pragma once

#include "platform/FileDialog.h"
#include "platform/MsgBox.h"
#include "platform/ShellOpen.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <memory>

class mdiMain;

// Base fixture of the program's GUI tests: every form registered, the global
// state as at start-up, no form loaded, and the message box, file dialog and
// shell seams installed so that nothing waits for a user.
class AppFixture : public ::testing::Test {
public:
    // Lets deleted forms go and queued events run.
    static void processEvents();

protected:
    AppFixture();
    ~AppFixture() override;
    void SetUp() override;
    void TearDown() override;

    // The main window, created and shown on first use; it and every form go
    // before the test ends.
    mdiMain& mainWindow();

    std::unique_ptr<MsgBox::Seam> msg;
    std::unique_ptr<FileDialog::Seam> files;
    std::unique_ptr<ShellOpen::Seam> shell;

private:
    std::unique_ptr<mdiMain> m_main;
};
