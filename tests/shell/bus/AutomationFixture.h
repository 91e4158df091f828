#pragma once
// The program started in /Automation mode on the test's private session bus (run by CTest under
// dbus-run-session), with a home folder of its own, and the calls the tests make on it.

#include "shell/bus/AutomationServer.h"
#include "tests/shell/bus/BusTestSupport.h"

#include <QDBusObjectPath>
#include <QProcess>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace automationtest {

namespace fs = std::filesystem;
using bustest::N;
using bustest::WaitFor;

inline const QString kService = QString::fromLatin1(AutomationServer::kServiceName);
inline const QString kFactoryPath = QString::fromLatin1(AutomationServer::kFactoryPath);
inline const QString kFactory = QString::fromLatin1(AutomationServer::kFactoryInterface);
inline const QString kPartDoc = QStringLiteral("com.kestrom.Varnex.PartDoc");
inline const QString kShapeDoc = QStringLiteral("com.kestrom.Varnex.ShapeDoc");
inline const QString kMultDoc = QStringLiteral("com.kestrom.Varnex.MultDoc");

inline std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline QDBusMessage Call(const QString& path, const QString& interface, const QString& method, const QVariantList& args = {},
                  QDBusConnection connection = QDBusConnection::sessionBus())
{
    return bustest::Call(connection, kService, path, interface, method, args);
}

// The object path a factory call gave, or "" with the failure reported.
inline QString CreateObject(const QString& progId, QDBusConnection connection = QDBusConnection::sessionBus())
{
    const QDBusMessage reply = Call(kFactoryPath, kFactory, QStringLiteral("CreateObject"), {progId}, connection);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0).value<QDBusObjectPath>().path();
}

inline void ExpectReply(const QDBusMessage& reply, const QVariantList& values = {})
{
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
        << reply.errorName().toStdString() << ": " << reply.errorMessage().toStdString();
    EXPECT_EQ(reply.arguments(), values);
}

// The calls that make the test's shape and part, the same ones in-process and over the bus.
struct ShapeCall {
    QVariantList args{QStringLiteral("W"), QStringLiteral("12X26"), 12.22, 0.23, 6.49, 0.38, 3.5, 26.0,
                      QStringLiteral("W12X26 \u00E9"), N(0), N(0)};
};
inline const QVariantList kPartData{QStringLiteral("J1"), QStringLiteral("G1"), QStringLiteral("B12"), N(2), 240.5,
                             QStringLiteral("W"), QStringLiteral("12X26"), QStringLiteral("A36"),
                             QStringLiteral("F1"), 0, QStringLiteral("Rem A"), QStringLiteral("Rem B"), N(0), N(0)};
inline const QVariantList kRefPlane{0.0, 0.0, 0.0, 0.0, QStringLiteral("+"), QStringLiteral("+"), QStringLiteral("A")};
inline const QVariantList kWebHole{12.0, 3.0, 3.0, 0.0, N(2), N(1), 0.8125, 0.0, QStringLiteral("R"), N(0)};
inline const QVariantList kFlangeHole{30.0, 1.5, 0.0, 0.0, N(1), N(1), 0.6875, 0.0, QStringLiteral("r"), N(0)};

class AutomationFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        home = fs::temp_directory_path() / ("varnex-bus-" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home);
        server = std::make_unique<QProcess>();
        StartServer(*server, {QStringLiteral("/Automation")});
        ASSERT_TRUE(bustest::WaitForName(QDBusConnection::sessionBus(), kService))
            << "the program did not take its bus name: " << server->readAllStandardError().toStdString();
    }
    static void TearDownTestSuite()
    {
        bustest::Stop(*server);
        server.reset();
        fs::remove_all(home);
    }

    static QProcessEnvironment Environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((home / ".config").string()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }
    static void StartServer(QProcess& process, const QStringList& arguments)
    {
        process.setProcessEnvironment(Environment());
        process.start(QString::fromLatin1(VARNEX_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted(20000)) << "the program did not start: " << process.errorString().toStdString();
    }

    static fs::path DriveC() { return home / "Varnex" / "C"; }

    static inline fs::path home;
    static inline std::unique_ptr<QProcess> server;
};

} // namespace automationtest
