// The QApplication of a widget test program: made before the first test and destroyed after the
// last one, while Qt's own globals still exist (a function-static application would outlive them).

#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }
    QApplication& App() { return *app_; }

private:
    int argc_ = 1;
    char name_[12] = "varnex-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// gtest takes ownership of the environment.
QtEnvironment* const kQtEnvironment =
    static_cast<QtEnvironment*>(::testing::AddGlobalTestEnvironment(std::make_unique<QtEnvironment>().release()));

} // namespace

namespace test {

QApplication& QtApp()
{
    return kQtEnvironment->App();
}

} // namespace test
