#include "StandInForm.h"

#include "platform/ListControl.h"
#include "platform/MsgBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

QStringList StandInForm::log;
StandInForm::Config StandInForm::config;

void StandInForm::reset()
{
    log.clear();
    config = {};
}

void StandInForm::registerAs(const QString& name, int kind)
{
    Forms::registerForm(name, [name, kind] { return new StandInForm(name, kind); });
}

StandInForm::StandInForm(const QString& name, int kind)
    : Form(name), shaft(new ListControl(this)), options(new ListControl(this)), m_kind(kind)
{
    shaft->setObjectName(QStringLiteral("cmbShaft_options"));
    options->setObjectName(QStringLiteral("cmbOptions"));
    shaft->setClickHandler([this] { note(QStringLiteral("cmbShaft_options"), shaft->text()); });
    options->setClickHandler([this] {
        // What the motor-options handler finds in the record when it runs.
        const AxisRecord& r = Globals::Current_Record();
        note(QStringLiteral("cmbOptions"), options->text() + '|' + r.Shaft_Option + '|' + r.Gearhead_Code);
    });
}

void StandInForm::note(const QString& call, const QString& detail) const
{
    log << call + QLatin1Char(':') + Name() + (detail.isNull() ? QString() : '[' + detail + ']')
               + (Globals::Loading_Lists ? QStringLiteral("{L}") : QString());
}

void StandInForm::Form_Load()
{
    note(QStringLiteral("Load"));
    if (m_kind == 0)
        return;
    Globals::Current_Axis = 1;
    Reset();
    Globals::Current_Form = Name();
    Globals::System_Type = m_kind;
}

void StandInForm::Form_Unload(bool& cancel)
{
    note(QStringLiteral("Unload"));
    if (config.refuseUnload) {
        cancel = true;
        return;
    }
    if (m_kind == 0 || Globals::Loading_Project)
        return;
    Forms::get(QStringLiteral("frmSelection"))->Show();
    if (mdiMain* main = mdiMain::instance())
        main->showStartState();
    Globals::Current_Form = QStringLiteral("frmSelection");
}

void StandInForm::Reset()
{
    note(QStringLiteral("Reset"));
}

void StandInForm::Reset_Axis()
{
    note(QStringLiteral("Reset_Axis"));
}

void StandInForm::Load_Previous_Values()
{
    note(QStringLiteral("Load_Previous_Values"));
    if (config.rejectLoad) {
        // As a setup form does with a file it cannot replay: its message, flags left set.
        Globals::Loading_Lists = true;
        MsgBox::show(QStringLiteral("Error Incompatible File Format or Motor/Drive No Longer Available"),
                     MsgBox::OKOnly, QStringLiteral("Brevan Quenro"));
        return;
    }
    Globals::Loading_Project = false;
}

QString StandInForm::Save_String()
{
    note(QStringLiteral("Save_String"));
    return config.saveText;
}

void StandInForm::Update_Accessories_Display()
{
    note(QStringLiteral("Update_Accessories_Display"));
}
