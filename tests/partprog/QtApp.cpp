// The QApplication the dialog tests need: made before the first test and destroyed after the
// last one, while Qt's own globals still exist.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[14] = "test_partprog";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// gtest takes ownership of the environment.
::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<QtEnvironment>().release());

} // namespace
