#pragma once
// Widget tests: the application, an in-memory profile and scripted message boxes for one test.

#include "tests/fw/QtApp.h"

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"

#include <gtest/gtest.h>

#include <memory>

namespace test {

class QtFixture : public testing::Test {
protected:
    QtFixture() : previousProfile_(fw::SetAppProfile(std::make_unique<fw::MemoryProfile>()))
    {
        QtApp();
    }
    ~QtFixture() override { fw::SetAppProfile(std::move(previousProfile_)); }

    fw::MemoryProfile& Profile() { return static_cast<fw::MemoryProfile&>(fw::AppProfile()); }

    fw::ScriptedMessages messages;

private:
    std::unique_ptr<fw::Profile> previousProfile_;
};

} // namespace test
