// Input events sent by the tests make Qt register input devices as children of the test
// program's application object, which lives until exit, after Qt's device registry is gone.
// Removing the devices once every test has run lets the program end cleanly.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QInputDevice>

namespace {

class InputDevices : public testing::Environment {
public:
    void TearDown() override
    {
        if (QCoreApplication* app = QCoreApplication::instance())
            qDeleteAll(app->findChildren<QInputDevice*>(Qt::FindDirectChildrenOnly));
    }
};

const testing::Environment* const kInputDevices = testing::AddGlobalTestEnvironment(new InputDevices);

} // namespace
