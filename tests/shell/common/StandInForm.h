#pragma once

#include "shell/AccessoryOwner.h"
#include "shell/Form.h"
#include "shell/SetupForm.h"

#include <QStringList>


class ListControl;

// Stands in for a form that is not the shell's own, under that form's name: a
// setup form (kinds 1, 2 and 4: its Load and Unload do what a setup form's do)
// or a dialog (kind 0: no lifecycle of its own). Every call the shell makes is
// logged as "Call:name" (a list's Click as "list:name[what it saw]"), with
// "{L}" added while Loading_Lists is set.
class StandInForm : public Form, public SetupForm, public AccessoryOwner {
    Q_OBJECT
public:
    struct Config {
        QString saveText;
        bool rejectLoad = false;
        bool refuseUnload = false;
    };

    static QStringList log;
    static Config config;
    // Clears the log and the configuration.
    static void reset();
    static void registerAs(const QString& name, int kind);

    StandInForm(const QString& name, int kind);

    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

    void Reset() override;
    void Reset_Axis() override;
    void Load_Previous_Values() override;
    QString Save_String() override;
    void Open_File() override {}
    void Update_Accessories_Display() override;
    ListControl* cmbShaft_options() override { return shaft; }
    ListControl* cmbOptions() override { return options; }

    // The lists the gearhead dialog writes into.
    ListControl* shaft;
    ListControl* options;

private:
    // "call:name", then "[detail]" when there is one.
    void note(const QString& call, const QString& detail = QString()) const;

    int m_kind;
};
