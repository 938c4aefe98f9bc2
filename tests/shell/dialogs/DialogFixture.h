#pragma once

#include "platform/ListControl.h"
#include "shell/AccessoryOwner.h"
#include "shell/Form.h"
#include "shell/SetupForm.h"
#include "support/AppFixture.h"

#include <QStringList>
#include <QTemporaryDir>

#include <array>

// Every call the stand-in forms receive, in order, with the Loading_Lists flag
// of that moment ("name.call[text]{L}" when the flag was set).
QStringList& callLog();

// Stands in for a setup form behind the setup-form interface.
class TestSetupForm : public Form, public SetupForm {
public:
    explicit TestSetupForm(const QString& name);

    void Reset() override {}
    void Load_Previous_Values() override {}
    QString Save_String() override { return {}; }
    void Open_File() override {}
    void Update_Accessories_Display() override;
    ListControl* cmbShaft_options() override { return shaft; }
    ListControl* cmbOptions() override { return options; }

    ListControl* shaft;
    ListControl* options;
};

// Stands in for an options dialog: its six option lists "cmb1(0)".."cmb1(5)".
class TestOptionsForm : public Form, public AccessoryOwner {
public:
    explicit TestOptionsForm(const QString& name);
    void Update_Accessories_Display() override;

    std::array<ListControl*, 6> cmb1 {};
};

// Forms registered, a fixture product database with Gearhead and ExpIO rows
// open as System_Database, and the stand-ins registered under the real names.
class DialogFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the statements on a fresh product database in the temporary folder.
    void buildDatabase(const QStringList& statements);

    QTemporaryDir dir;
};
