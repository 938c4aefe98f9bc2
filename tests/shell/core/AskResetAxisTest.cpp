#include "common/StandInForm.h"
#include "support/AppFixture.h"

#include "shell/Globals.h"
#include "shell/SetupKinds.h"

#include <QStringList>

namespace {

class AskResetAxisTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        StandInForm::reset();
        for (const SetupKinds::Kind& kind : SetupKinds::all())
            StandInForm::registerAs(kind.form, 0);
    }
};

const QString kMotorQuestion = "Motor and Drive Incompatibility.  Would you like to reset the axis?";
const QString kControllerQuestion = "Controller and Drive Incompatibility.  Would you like to reset the axis?";

} // namespace

TEST_F(AskResetAxisTest, YesResetsTheFormOfTheCurrentKind)
{
    Globals::System_Type = 4;
    msg->queue(MsgBox::Yes);
    EXPECT_TRUE(Globals::Ask_Reset_Axis("Drive"));
    ASSERT_EQ(msg->messages().size(), 1);
    EXPECT_EQ(msg->messages()[0].prompt, kMotorQuestion);
    EXPECT_EQ(msg->messages()[0].buttons, MsgBox::YesNo);
    EXPECT_EQ(msg->messages()[0].title, "Brevan Quenro");
    // The form's one instance is loaded for the call.
    EXPECT_EQ(StandInForm::log, QStringList({"Load:frmDrive_Setup", "Reset:frmDrive_Setup"}));

    Globals::System_Type = 2;
    msg->queue(MsgBox::Yes);
    Globals::Ask_Reset_Axis("Drive");
    Globals::System_Type = 1;
    msg->queue(MsgBox::Yes);
    EXPECT_TRUE(Globals::Ask_Reset_Axis("Controller"));
    EXPECT_EQ(msg->prompts().last(), kControllerQuestion);
    EXPECT_EQ(StandInForm::log,
              QStringList({"Load:frmDrive_Setup", "Reset:frmDrive_Setup", "Load:frmDriveController_Setup",
                           "Reset:frmDriveController_Setup", "Load:frmController_Setup",
                           "Reset_Axis:frmController_Setup"}));
}

TEST_F(AskResetAxisTest, NoAndOtherKindsResetNothing)
{
    Globals::System_Type = 4;
    msg->queue(MsgBox::No);
    EXPECT_FALSE(Globals::Ask_Reset_Axis("Drive"));
    EXPECT_TRUE(StandInForm::log.isEmpty());

    // The accessory dialog of a controller axis is open: nothing to reset.
    for (int kind : {3, 0}) {
        Globals::System_Type = kind;
        msg->queue(MsgBox::Yes);
        EXPECT_FALSE(Globals::Ask_Reset_Axis("Controller")) << kind;
    }
    EXPECT_TRUE(StandInForm::log.isEmpty());
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
