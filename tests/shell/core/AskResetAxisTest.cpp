#include "support/AppFixture.h"

#include "shell/Form.h"
#include "shell/Forms.h"
#include "shell/Globals.h"
#include "shell/SetupForm.h"

#include <QStringList>

namespace {

// Stands in for a setup form and records which reset the shell called.
class RecordingSetupForm : public Form, public SetupForm {
public:
    explicit RecordingSetupForm(const QString& name)
        : Form(name)
    {
    }

    void Reset() override { calls << Name() + ".Reset"; }
    void Reset_Axis() override { calls << Name() + ".Reset_Axis"; }
    void Load_Previous_Values() override { calls << Name() + ".Load_Previous_Values"; }
    QString Save_String() override { return QString(); }
    void Open_File() override {}
    void Update_Accessories_Display() override {}
    ListControl* cmbShaft_options() override { return nullptr; }
    ListControl* cmbOptions() override { return nullptr; }

    static inline QStringList calls;
};

class AskResetAxisTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        RecordingSetupForm::calls.clear();
        for (const char* name : {"frmController_Setup", "frmDriveController_Setup", "frmDrive_Setup"}) {
            const QString formName = QString::fromLatin1(name);
            Forms::registerForm(formName, [formName] { return new RecordingSetupForm(formName); });
        }
    }
};

const QString kMotorQuestion = "Motor and Drive Incompatibility.  Would you like to reset the axis?";
const QString kControllerQuestion = "Controller and Drive Incompatibility.  Would you like to reset the axis?";

} // namespace

TEST_F(AskResetAxisTest, YesResetsTheFormOfTheCurrentKind)
{
    Globals::System_Type = 4;
    msg->queue(MsgBox::Yes);
    Globals::Ask_Reset_Axis("Drive");
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt, kMotorQuestion);
    EXPECT_EQ(msg->messages()[0].buttons, MsgBox::YesNo);
    EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
    EXPECT_EQ(RecordingSetupForm::calls, QStringList{"frmDrive_Setup.Reset"});

    Globals::System_Type = 2;
    msg->queue(MsgBox::Yes);
    Globals::Ask_Reset_Axis("Drive");
    Globals::System_Type = 1;
    msg->queue(MsgBox::Yes);
    Globals::Ask_Reset_Axis("Controller");
    EXPECT_EQ(msg->prompts().last(), kControllerQuestion);
    EXPECT_EQ(RecordingSetupForm::calls,
              (QStringList{"frmDrive_Setup.Reset", "frmDriveController_Setup.Reset", "frmController_Setup.Reset_Axis"}));
}

TEST_F(AskResetAxisTest, NoAndOtherKindsResetNothing)
{
    Globals::System_Type = 4;
    msg->queue(MsgBox::No);
    Globals::Ask_Reset_Axis("Drive");
    EXPECT_TRUE(RecordingSetupForm::calls.isEmpty());
    EXPECT_FALSE(Forms::isLoaded("frmDrive_Setup"));

    // The accessory dialog of a controller axis is open: nothing to reset.
    for (int kind : {3, 0}) {
        Globals::System_Type = kind;
        msg->queue(MsgBox::Yes);
        Globals::Ask_Reset_Axis("Controller");
    }
    EXPECT_TRUE(RecordingSetupForm::calls.isEmpty());
    EXPECT_EQ(msg->messages().size(), 3);
}

TEST_F(AskResetAxisTest, OnlyTheExactKindControllerAsksAboutTheController)
{
    Globals::System_Type = 1;
    msg->queue(MsgBox::No);
    msg->queue(MsgBox::No);
    Globals::Ask_Reset_Axis("controller");
    Globals::Ask_Reset_Axis("Controller");
    EXPECT_EQ(msg->prompts(), (QStringList{kMotorQuestion, kControllerQuestion}));
}
