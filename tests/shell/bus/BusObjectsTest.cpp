#include "fw/qt/BusError.h"
#include "fw/qt/BusObjects.h"
#include "tests/shell/bus/BusTestSupport.h"

#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <gtest/gtest.h>

namespace {

using bustest::N;
using bustest::WaitFor;

// A component whose end the test sees.
class Probe : public fw::Unknown {
public:
    explicit Probe(int& alive) : alive_(alive) { ++alive_; }
    ~Probe() override { --alive_; }

private:
    int& alive_;
};

const QString kInterface = QStringLiteral("com.kestrom.Varnex.Test");

std::unique_ptr<fw::BusObject> MakeObject(int& alive)
{
    std::vector<fw::BusMethod> methods;
    methods.push_back({"Echo", {{"text", 's'}, {"count", 'n'}}, {{"text", 's'}, {"count", 'i'}},
                       [](const fw::BusArgs& a) {
                           return fw::BusReply::Values({fw::BusReply::Text(a.Text(0) + "!"), a.Int16(1) * 2});
                       }});
    methods.push_back({"Fail", {{"status", 'i'}}, {}, [](const fw::BusArgs& a) {
                           return fw::BusReply::Failure(a.Int32(0), a.Int32(0) == int(fw::E_FAIL) ? "Caf\xE9 closed" : "");
                       }});
    methods.push_back({"Throw", {}, {}, [](const fw::BusArgs&) -> fw::BusReply { throw std::runtime_error("boom"); }});
    return std::make_unique<fw::BusObject>(kInterface, std::move(methods), std::make_unique<Probe>(alive));
}

class BusObjectsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("server"));
        client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));
        ASSERT_TRUE(server.isConnected()) << "run under dbus-run-session";
        ASSERT_TRUE(client.isConnected());
        objects = std::make_unique<fw::BusObjects>(server, QStringLiteral("/com/kestrom/Varnex"));
    }
    void TearDown() override
    {
        objects.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        QDBusConnection::disconnectFromBus(QStringLiteral("server"));
    }
    QDBusMessage CallObject(const QString& path, const QString& method, const QVariantList& args = {})
    {
        return bustest::Call(client, server.baseService(), path, kInterface, method, args);
    }

    QDBusConnection server{QString()};
    QDBusConnection client{QString()};
    std::unique_ptr<fw::BusObjects> objects;
    int alive = 0;
};

TEST_F(BusObjectsFixture, ObjectsOfAClientThatLeavesAreReleased)
{
    const QString owner = client.baseService();
    const QString first = objects->Add(owner, "Probe", MakeObject(alive));
    const QString second = objects->Add(owner, "Probe", MakeObject(alive));
    const QString kept = objects->Add({}, "Probe", MakeObject(alive));
    EXPECT_EQ(first, "/com/kestrom/Varnex/Probe/1");
    EXPECT_EQ(second, "/com/kestrom/Varnex/Probe/2");
    EXPECT_EQ(objects->CountOf(owner), 2u);
    EXPECT_EQ(alive, 3);
    EXPECT_EQ(CallObject(first, "Echo", {QStringLiteral("x"), N(2)}).type(), QDBusMessage::ReplyMessage);

    client = QDBusConnection(QString());   // the last reference: the connection closes
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    ASSERT_TRUE(WaitFor("the release of the objects of the client that left", [&] { return alive == 1; }));
    EXPECT_EQ(objects->Count(), 1u) << "an object that belongs to no client stays";
    EXPECT_TRUE(objects->Release(kept, {}));
    EXPECT_EQ(alive, 0);
}

TEST_F(BusObjectsFixture, OnlyTheOwnerReleasesAnObject)
{
    const QString owner = client.baseService();
    const QString path = objects->Add(owner, "Probe", MakeObject(alive));
    EXPECT_FALSE(objects->Release(path, server.baseService()));
    EXPECT_FALSE(objects->Release(path, {}));
    EXPECT_FALSE(objects->Release(path + "0", owner));
    EXPECT_EQ(alive, 1);
    EXPECT_TRUE(objects->Release(path, owner));
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(CallObject(path, "Echo", {QStringLiteral("x"), N(1)}).errorName(),
              "org.freedesktop.DBus.Error.UnknownObject");
}

TEST_F(BusObjectsFixture, OnlyTheOwnerCallsAnObject)
{
    const QString path = objects->Add(client.baseService(), "Probe", MakeObject(alive));
    const QString kept = objects->Add({}, "Probe", MakeObject(alive));
    const QDBusConnection intruder = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("intruder"));
    const QDBusMessage refused = bustest::Call(intruder, server.baseService(), path, kInterface, "Echo", {QStringLiteral("x"), N(1)});
    EXPECT_EQ(refused.errorName(), "org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_EQ(refused.errorMessage(), "Echo: the object " + path + " belongs to another client");
    EXPECT_EQ(bustest::Call(intruder, server.baseService(), kept, kInterface, "Echo", {QStringLiteral("x"), N(1)}).type(),
              QDBusMessage::ReplyMessage)
        << "an object of no client is anyone's";
    EXPECT_EQ(CallObject(path, "Echo", {QStringLiteral("x"), N(1)}).type(), QDBusMessage::ReplyMessage);
    QDBusConnection::disconnectFromBus(QStringLiteral("intruder"));
}

TEST_F(BusObjectsFixture, AClientHoldsAtMostItsBound)
{
    objects = std::make_unique<fw::BusObjects>(server, QStringLiteral("/com/kestrom/Varnex"), 2);
    const QString owner = client.baseService();
    const QString first = objects->Add(owner, "Probe", MakeObject(alive));
    EXPECT_FALSE(objects->Add(owner, "Probe", MakeObject(alive)).isEmpty());
    EXPECT_TRUE(objects->IsFull(owner));
    EXPECT_EQ(objects->Add(owner, "Probe", MakeObject(alive)), "");
    EXPECT_EQ(alive, 2);
    EXPECT_FALSE(objects->IsFull({})) << "the bound is the client's own";
    EXPECT_TRUE(objects->Release(first, owner));
    EXPECT_FALSE(objects->Add(owner, "Probe", MakeObject(alive)).isEmpty());
    EXPECT_EQ(objects->CountOf(owner), 2u);
}

TEST_F(BusObjectsFixture, ObjectsOfAClientThatLeftGoABatchAtATime)
{
    const QString owner = client.baseService();
    constexpr int kObjects = 1000;
    for (int i = 0; i < kObjects; ++i)
        ASSERT_FALSE(objects->Add(owner, "Probe", MakeObject(alive)).isEmpty());
    const QString other = objects->Add({}, "Probe", MakeObject(alive));
    objects->ReleaseAllOf(owner);
    EXPECT_GT(alive, 1) << "released all at once, holding up every other call";
    EXPECT_LT(alive, kObjects + 1);
    EXPECT_EQ(objects->CountOf(owner), 0u);
    ASSERT_TRUE(WaitFor("the release of the objects of the client that left", [&] { return alive == 1; }));
    EXPECT_EQ(objects->Count(), 1u);
    EXPECT_TRUE(objects->Release(other, {}));
}

TEST_F(BusObjectsFixture, AnObjectForAClientNoLongerOnTheBusIsNotKept)
{
    EXPECT_EQ(objects->Add(":1.999999", "Probe", MakeObject(alive)), "");
    EXPECT_EQ(objects->Count(), 0u);
    EXPECT_EQ(alive, 0);
}

TEST_F(BusObjectsFixture, CallsAreCheckedAgainstTheMethodTable)
{
    const QString path = objects->Add(client.baseService(), "Probe", MakeObject(alive));
    const QDBusMessage echo = CallObject(path, "Echo", {QStringLiteral("Caf\u00E9"), N(21)});
    ASSERT_EQ(echo.type(), QDBusMessage::ReplyMessage) << echo.errorMessage().toStdString();
    EXPECT_EQ(echo.signature(), "si");
    EXPECT_EQ(echo.arguments().value(0).toString(), QStringLiteral("Caf\u00E9!"));
    EXPECT_EQ(echo.arguments().value(1).toInt(), 42);

    struct Case {
        const char* method;
        QVariantList args;
        const char* errorName;
        const char* message;   // nullptr: not checked
    };
    const Case cases[] = {
        {"Echo", {QStringLiteral("x"), 2}, "org.freedesktop.DBus.Error.InvalidArgs", "Echo: takes (sn), not (si)"},
        {"Echo", {QStringLiteral("\u65E5"), N(1)}, "com.kestrom.Varnex.Error.InvalidArgument",
         "Echo: text holds a character that can't be stored"},
        {"Nope", {}, "org.freedesktop.DBus.Error.UnknownMethod", nullptr},
        {"Fail", {int(fw::E_FAIL)}, "com.kestrom.Varnex.Error.Failed", "Fail: Caf\u00E9 closed"},
        {"Fail", {int(fw::E_INVALIDARG)}, "com.kestrom.Varnex.Error.InvalidArgument", "Fail: An argument is not valid."},
        {"Throw", {}, "com.kestrom.Varnex.Error.Unexpected", "Throw: Unexpected error: boom"},
    };
    for (const Case& c : cases) {
        const QDBusMessage reply = CallObject(path, c.method, c.args);
        EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage) << c.method;
        EXPECT_EQ(reply.errorName(), QString::fromLatin1(c.errorName)) << c.method;
        if (c.message) {
            EXPECT_EQ(reply.errorMessage(), QString::fromUtf8(c.message)) << c.method;
        }
    }
    const QDBusMessage otherInterface =
        bustest::Call(client, server.baseService(), path, QStringLiteral("org.example.Other"), QStringLiteral("Echo"));
    EXPECT_EQ(otherInterface.errorName(), "org.freedesktop.DBus.Error.UnknownInterface");

    const QDBusMessage introspection = bustest::Call(client, server.baseService(), path,
                                            QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
    const QString xml = introspection.arguments().value(0).toString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<method name=\"Echo\">"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<arg name=\"count\" type=\"n\" direction=\"in\"/>")));
}

} // namespace
