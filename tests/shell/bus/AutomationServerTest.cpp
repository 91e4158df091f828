// The automation server in this process: the bus name is held once, and a windowless server
// turns idle once its last object is gone.

#include "partprog/IPartDoc.h"
#include "partprog/PartDoc.h"
#include "shell/bus/AutomationServer.h"
#include "tests/shell/bus/BusTestSupport.h"

#include <QDBusObjectPath>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(AutomationServer, HoldsItsNameOnceAndQuitsWhenIdle)
{
    fw::ClassRegistry::Instance().Register(IPartDoc::kClassId, IPartDoc::kProgId, &CPartDoc::CreateAutomationObject);
    const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("served"));
    AutomationServer server(bus, {300ms});
    ASSERT_TRUE(server.Start());
    {
        AutomationServer second(bus, {});
        EXPECT_FALSE(second.Start()) << "the name is taken";
    }

    QString path;
    {
        const QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("user"));
        const QDBusMessage reply = bustest::Call(client, bus.baseService(), AutomationServer::kFactoryPath,
                                                 AutomationServer::kFactoryInterface, QStringLiteral("CreateObject"),
                                                 {QStringLiteral("Varnex.PartDoc")});
        path = reply.arguments().value(0).value<QDBusObjectPath>().path();
        EXPECT_EQ(path, QStringLiteral("/com/kestrom/Varnex/PartDoc/1"));
        EXPECT_EQ(server.Objects().Count(), 1u);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("user"));

    // The client's leaving releases its object; the idle time then ends the event loop.
    QEventLoop loop;
    QObject::connect(&server, &AutomationServer::idle, &loop, [&loop] { loop.exit(0); });
    QTimer::singleShot(20000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0) << "no idle signal within 20 s of the last release";
    EXPECT_EQ(server.Objects().Count(), 0u);
    fw::ClassRegistry::Instance().Unregister(IPartDoc::kClassId);
}

} // namespace
