#include "shell/SetupKinds.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

// The kinds a project file may name and the forms that serve them: files of
// the original program and the forms' own names depend on each value.
TEST(SetupKindsTest, KindsFormsAndDialogsAsFilesAndFormsKnowThem)
{
    QStringList rows;
    for (const SetupKinds::Kind& k : SetupKinds::all())
        rows << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(k.number)
                    .arg(k.form, k.optionsDialog, k.caption)
                    .arg(k.formShowsAccessories);
    EXPECT_EQ(rows, QStringList({"1|frmController_Setup|frmControl|Separate Controller, Drive and Motor Setup|0",
                                 "2|frmDriveController_Setup|frmDriveControl|"
                                 "Standalone Drive/Controller and Motor Setup|1",
                                 "4|frmDrive_Setup||Drive and Motor Setup|1"}));
    EXPECT_EQ(SetupKinds::formName(2), "frmDriveController_Setup");
    // The accessory context of a controller axis and anything else name no form.
    for (int number : {0, 3, 5, -1})
        EXPECT_EQ(SetupKinds::find(number), nullptr) << number;
    EXPECT_TRUE(SetupKinds::formName(3).isEmpty());
    // The accessory dialog stores and hands back in the four contexts only.
    for (int number : {0, 5, -1})
        EXPECT_EQ(SetupKinds::accessoryContext(number), nullptr) << number;
}
