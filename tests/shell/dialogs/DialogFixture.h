#pragma once

#include "common/FixtureDatabase.h"
#include "common/StandInForm.h"
#include "platform/ListControl.h"
#include "support/AppFixture.h"

#include <memory>

// Forms registered, a fixture product database with Gearhead and ExpIO rows
// open as System_Database, and stand-ins (kind 0) under the names of the setup
// forms and options dialogs that open the dialogs.
class DialogFixture : public AppFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<FixtureDatabase> db;
};
