#pragma once

#include "shell/Form.h"
#include "shell/SetupForm.h"

#include <QStringList>

// A stand-in for the setup forms and dialogs that are not the shell's: it logs
// what the main window asks of it and behaves as a setup form does on Load and
// Unload (kinds 1, 2 and 4) or as a plain dialog (kind 0).
class TestForm : public Form, public SetupForm {
    Q_OBJECT
public:
    struct Config {
        QString saveText;
        bool rejectLoad = false;
        bool refuseUnload = false;
    };

    static QStringList log;
    static Config config;
    static void registerAs(const QString& name, int kind);

    TestForm(const QString& name, int kind);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void Reset() override;
    void Load_Previous_Values() override;
    QString Save_String() override;
    void Open_File() override {}
    void Update_Accessories_Display() override {}
    void Reset_Axis() override;
    ListControl* cmbShaft_options() override { return nullptr; }
    ListControl* cmbOptions() override { return nullptr; }

private:
    int m_kind;
};
