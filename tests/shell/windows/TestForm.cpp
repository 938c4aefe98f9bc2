#include "TestForm.h"

#include "platform/MsgBox.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/mdiMain.h"

QStringList TestForm::log;
TestForm::Config TestForm::config;

void TestForm::registerAs(const QString& name, int kind)
{
    Forms::registerForm(name, [name, kind] { return new TestForm(name, kind); });
}

TestForm::TestForm(const QString& name, int kind)
    : Form(name), m_kind(kind)
{
}

void TestForm::Form_Load()
{
    log << QStringLiteral("Load:") + Name();
    if (m_kind == 0)
        return;
    Globals::Current_Axis = 1;
    Reset();
    Globals::Current_Form = Name();
    Globals::System_Type = m_kind;
}

void TestForm::Form_Unload(bool& cancel)
{
    log << QStringLiteral("Unload:") + Name();
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

void TestForm::Reset()
{
    log << QStringLiteral("Reset:") + Name();
}

void TestForm::Load_Previous_Values()
{
    log << QStringLiteral("Load_Previous_Values:") + Name();
    if (config.rejectLoad) {
        // As a real form does on a file it cannot replay: its message, flags left set.
        Globals::Loading_Lists = true;
        MsgBox::show(QStringLiteral("Error Incompatible File Format or Motor/Drive No Longer Available"),
                     MsgBox::OKOnly, QStringLiteral("Brevan Quenro"));
        return;
    }
    Globals::Loading_Project = false;
}

QString TestForm::Save_String()
{
    log << QStringLiteral("Save_String:") + Name();
    return config.saveText;
}

void TestForm::Reset_Axis()
{
    log << QStringLiteral("Reset_Axis:") + Name();
}
