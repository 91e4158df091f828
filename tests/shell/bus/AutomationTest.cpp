// The program started in /Automation mode on a private session bus and driven through the bus
// only: what it writes equals what the same calls write in-process.

#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"
#include "model/IShapeDoc.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"
#include "partprog/IPartDoc.h"
#include "partprog/PartDoc.h"
#include "machmult/IMultDoc.h"
#include "machmult/MachineDoc.h"
#include "machmult/MultClasses.h"
#include "machmult/MultDoc.h"
#include "shell/BusServiceFile.h"
#include "shell/bus/AutomationServer.h"
#include "tests/shell/bus/BusTestSupport.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QProcess>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using bustest::N;
using bustest::WaitFor;

const QString kService = QString::fromLatin1(AutomationServer::kServiceName);
const QString kFactoryPath = QString::fromLatin1(AutomationServer::kFactoryPath);
const QString kFactory = QString::fromLatin1(AutomationServer::kFactoryInterface);
const QString kPartDoc = QStringLiteral("com.kestrom.Varnex.PartDoc");
const QString kShapeDoc = QStringLiteral("com.kestrom.Varnex.ShapeDoc");
const QString kMultDoc = QStringLiteral("com.kestrom.Varnex.MultDoc");

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QDBusMessage Call(const QString& path, const QString& interface, const QString& method, const QVariantList& args = {},
                  QDBusConnection connection = QDBusConnection::sessionBus())
{
    return bustest::Call(connection, kService, path, interface, method, args);
}

// The object path a factory call gave, or "" with the failure reported.
QString CreateObject(const QString& progId, QDBusConnection connection = QDBusConnection::sessionBus())
{
    const QDBusMessage reply = Call(kFactoryPath, kFactory, QStringLiteral("CreateObject"), {progId}, connection);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0).value<QDBusObjectPath>().path();
}

void ExpectReply(const QDBusMessage& reply, const QVariantList& values = {})
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
const QVariantList kPartData{QStringLiteral("J1"), QStringLiteral("G1"), QStringLiteral("B12"), N(2), 240.5,
                             QStringLiteral("W"), QStringLiteral("12X26"), QStringLiteral("A36"),
                             QStringLiteral("F1"), 0, QStringLiteral("Rem A"), QStringLiteral("Rem B"), N(0), N(0)};
const QVariantList kRefPlane{0.0, 0.0, 0.0, 0.0, QStringLiteral("+"), QStringLiteral("+"), QStringLiteral("A")};
const QVariantList kWebHole{12.0, 3.0, 3.0, 0.0, N(2), N(1), 0.8125, 0.0, QStringLiteral("R"), N(0)};
const QVariantList kFlangeHole{30.0, 1.5, 0.0, 0.0, N(1), N(1), 0.6875, 0.0, QStringLiteral("r"), N(0)};

class AutomationFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        home = fs::temp_directory_path() / ("varnex-bus-" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home);
        server = new QProcess;
        StartServer(*server, {QStringLiteral("/Automation")});
        ASSERT_TRUE(WaitFor([] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kService).value(); }))
            << "the program did not take its bus name: " << server->readAllStandardError().toStdString();
    }
    static void TearDownTestSuite()
    {
        server->terminate();
        server->waitForFinished(20000);
        delete server;
        server = nullptr;
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
        ASSERT_TRUE(process.waitForStarted());
    }

    static fs::path DriveC() { return home / "Varnex" / "C"; }

    static inline fs::path home;
    static inline QProcess* server = nullptr;
};

// The program's services in this process, on drive C: of its own, while it lives.
class InProcess {
public:
    explicit InProcess(const fs::path& drive)
    {
        RegisterModelClasses();
        RegisterMultClasses();
        fw::SetMessageService(std::make_unique<fw::SilentMessageService>());
        previousProfile_ = fw::SetAppProfile(std::make_unique<fw::MemoryProfile>());
        auto map = std::make_unique<fw::DriveMap>();
        map->Map('C', drive, true);
        previousMap_ = fw::DriveMap::SetInstance(std::move(map));
    }
    ~InProcess()
    {
        fw::DriveMap::SetInstance(std::move(previousMap_));
        fw::SetAppProfile(std::move(previousProfile_));
        fw::SetMessageService(nullptr);
    }

private:
    std::unique_ptr<fw::Profile> previousProfile_;
    std::unique_ptr<fw::DriveMap> previousMap_;
};

// The plate punch PUNCH1 that mults are made for; machines are not made through the bus.
void PutMachine(const fs::path& drive)
{
    const InProcess services(drive);
    CMachineDoc machine;
    ASSERT_TRUE(machine.OnNewDocument());
    MachineRecord record;
    record.name = "PUNCH1";
    record.kind = machinePlatePunch;
    machine.SetMachineData(record);
    ASSERT_TRUE(machine.OnFileSave());
}

const fs::path kPartFile = fs::path("Kestrom") / "Jobs" / "J1" / "G1" / "B12.prt";
const fs::path kMultFile = fs::path("Kestrom") / "Jobs" / "J1" / "G1" / "M 1.mlt";

// The same shape, part and mult made in-process on a drive of their own.
void MakeInProcess(const fs::path& drive)
{
    PutMachine(drive);
    const InProcess services(drive);
    auto shape = CShapeDoc::CreateAutomationObject();
    IShapeDoc& s = *shape->Query<IShapeDoc>();
    EXPECT_EQ(s.UpdateShapeMembers("W", "12X26", 12.22, 0.23, 6.49, 0.38, 3.5, 26.0, "W12X26 \xE9", 0, 0), 0);
    EXPECT_EQ(s.SaveShape(), 0);
    auto part = CPartDoc::CreateAutomationObject();
    IPartDoc& p = *part->Query<IPartDoc>();
    EXPECT_EQ(p.SetPartData("J1", "G1", "B12", 2, 240.5, "W", "12X26", "A36", "F1", 0, "Rem A", "Rem B", 0, 0), fw::S_OK);
    EXPECT_EQ(p.RefPlane(0, 0, 0, 0, "+", "+", "A"), fw::S_OK);
    EXPECT_EQ(p.SetWebHole(12, 3, 3, 0, 2, 1, 0.8125, 0, "R", 0), fw::S_OK);
    EXPECT_EQ(p.SetTFNearHole(30, 1.5, 0, 0, 1, 1, 0.6875, 0, "r", 0), fw::S_OK);
    EXPECT_EQ(p.SavePart(), fw::S_OK);
    auto mult = CMultDoc::CreateAutomationObject();
    IMultDoc& m = *mult->Query<IMultDoc>();
    EXPECT_EQ(m.MultConvert("J1", "G1", "M", 1, 1, 480, 0.125, "W", "12X26", "A36", "PUNCH1", "", "", 0), 0);
    EXPECT_EQ(m.AddPart("J1", "G1", "B12", 2), 0);
    EXPECT_EQ(m.SaveMult(), 0);
}

TEST_F(AutomationFixture, APartMadeThroughTheBusEqualsOneMadeInProcess)
{
    PutMachine(DriveC());
    const QString shape = CreateObject(QStringLiteral("Varnex.ShapeDoc"));
    ASSERT_FALSE(shape.isEmpty());
    ExpectReply(Call(shape, kShapeDoc, QStringLiteral("UpdateShapeMembers"), ShapeCall{}.args), {N(0)});
    ExpectReply(Call(shape, kShapeDoc, QStringLiteral("SaveShape")), {N(0)});

    const QString part = CreateObject(QStringLiteral("varnex.partdoc"));
    ASSERT_FALSE(part.isEmpty());
    EXPECT_NE(part, shape);
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetPartData"), kPartData));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetWebHole"), kWebHole));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetTFNearHole"), kFlangeHole));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SavePart")));

    ASSERT_TRUE(fs::exists(DriveC() / kPartFile));

    // A second object reads the file back.
    const QString reader = CreateObject(QString::fromLatin1(IPartDoc::kClassId));
    ExpectReply(Call(reader, kPartDoc, QStringLiteral("GetSpecification"),
                     {QStringLiteral("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt")}),
                {QStringLiteral("W"), QStringLiteral("12X26")});
    // And the shape through a shape object.
    const QDBusMessage data = Call(CreateObject(QStringLiteral("Varnex.ShapeDoc")), kShapeDoc, QStringLiteral("GetData"),
                                   {QStringLiteral("W"), QStringLiteral("12X26")});
    ASSERT_EQ(data.arguments().size(), 8);
    EXPECT_EQ(data.arguments()[0].toInt(), 0);
    EXPECT_DOUBLE_EQ(data.arguments()[1].toDouble(), 12.22);
    EXPECT_EQ(data.arguments()[7].toString(), QStringLiteral("W12X26 \u00E9"));

    // A mult of two of the part.
    const QString mult = CreateObject(QStringLiteral("Varnex.MultDoc"));
    ExpectReply(Call(mult, kMultDoc, QStringLiteral("MultConvert"),
                     {QStringLiteral("J1"), QStringLiteral("G1"), QStringLiteral("M"), N(1), N(1), 480.0, 0.125,
                      QStringLiteral("W"), QStringLiteral("12X26"), QStringLiteral("A36"), QStringLiteral("PUNCH1"),
                      QString(), QString(), N(0)}),
                {0});
    ExpectReply(Call(mult, kMultDoc, QStringLiteral("AddPart"),
                     {QStringLiteral("J1"), QStringLiteral("G1"), QStringLiteral("B12"), 2u}),
                {0});
    ExpectReply(Call(mult, kMultDoc, QStringLiteral("SaveMult")), {0});
    ExpectReply(Call(CreateObject(QStringLiteral("Varnex.MultDoc")), kMultDoc, QStringLiteral("GetDescription"),
                     {QStringLiteral("C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt")}),
                {0, QStringLiteral("W"), QStringLiteral("12X26")});

    // The files equal those the same calls make in-process.
    const fs::path inProcess = home / "inprocess";
    MakeInProcess(inProcess);
    for (const fs::path& file : {kPartFile, kMultFile}) {
        ASSERT_TRUE(fs::exists(DriveC() / file)) << file;
        EXPECT_EQ(ReadAll(DriveC() / file), ReadAll(inProcess / file)) << file;
    }
}

TEST_F(AutomationFixture, InvalidArgumentsGiveTheMappedErrors)
{
    const QString part = CreateObject(QStringLiteral("Varnex.PartDoc"));
    struct Case {
        QString path;
        QString interface;
        QString method;
        QVariantList args;
        const char* errorName;
    };
    QVariantList outsideMark = kPartData;
    outsideMark[2] = QStringLiteral("..\\..\\x");
    QVariantList unstorableMark = kPartData;
    unstorableMark[2] = QStringLiteral("B\u65E5");
    QVariantList wrongTypes = kPartData;
    wrongTypes[3] = 2;   // an int where a 16-bit one belongs
    const Case cases[] = {
        {part, kPartDoc, "SetPartData", outsideMark, "com.kestrom.Varnex.Error.InvalidArgument"},
        {part, kPartDoc, "SetPartData", unstorableMark, "com.kestrom.Varnex.Error.InvalidArgument"},
        {part, kPartDoc, "SetPartData", wrongTypes, "org.freedesktop.DBus.Error.InvalidArgs"},
        {part, kPartDoc, "SetWebHole", kWebHole, "com.kestrom.Varnex.Error.Unexpected"},   // no shape yet
        {part, kPartDoc, "GetSpecification", {QStringLiteral("Q:\\nowhere.prt")}, "com.kestrom.Varnex.Error.Failed"},
        {kFactoryPath, kFactory, "CreateObject", {QStringLiteral("Varnex.Nothing")},
         "com.kestrom.Varnex.Error.ClassNotAvailable"},
        {kFactoryPath, kFactory, "Release", {QVariant::fromValue(QDBusObjectPath(kFactoryPath + "/PartDoc/999999"))},
         "com.kestrom.Varnex.Error.InvalidArgument"},
    };
    for (const Case& c : cases) {
        const QDBusMessage reply = Call(c.path, c.interface, c.method, c.args);
        EXPECT_TRUE(reply.errorMessage().startsWith(c.method + ": ")) << reply.errorMessage().toStdString();
        EXPECT_EQ(reply.errorName(), QString::fromLatin1(c.errorName))
            << c.method.toStdString() << ": " << reply.errorMessage().toStdString();
    }

    // A shape whose name would lead out of the shape folder is not saved.
    const QString shape = CreateObject(QStringLiteral("Varnex.ShapeDoc"));
    QVariantList outside = ShapeCall{}.args;
    outside[1] = QStringLiteral("..\\..\\..\\evil");
    ExpectReply(Call(shape, kShapeDoc, QStringLiteral("UpdateShapeMembers"), outside), {N(0)});
    ExpectReply(Call(shape, kShapeDoc, QStringLiteral("SaveShape")), {N(1)});
    for (const auto& entry : fs::recursive_directory_iterator(home))
        EXPECT_EQ(entry.path().filename().string().find("evil"), std::string::npos) << entry.path();
}

TEST_F(AutomationFixture, AClientThatDisconnectsLeavesNoObjectsBehind)
{
    QString part, shape;
    {
        const QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("leaving"));
        part = CreateObject(QStringLiteral("Varnex.PartDoc"), other);
        shape = CreateObject(QStringLiteral("Varnex.ShapeDoc"), other);
    }
    ASSERT_FALSE(part.isEmpty());
    // Objects of one client are not another's to release.
    EXPECT_EQ(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(part))})
                  .errorName(),
              "com.kestrom.Varnex.Error.InvalidArgument");
    ExpectReply(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane));

    QDBusConnection::disconnectFromBus(QStringLiteral("leaving"));
    for (const QString& path : {part, shape})
        EXPECT_TRUE(WaitFor([&] {
            return Call(path, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"))
                       .arguments()
                       .value(0)
                       .toString()
                       .indexOf(QStringLiteral("com.kestrom.Varnex.")) < 0;
        })) << path.toStdString();
    EXPECT_EQ(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane).errorName(),
              "org.freedesktop.DBus.Error.UnknownObject");

    // Released by its own client, an object is gone at once; a kept one outlives its client.
    const QString mine = CreateObject(QStringLiteral("Varnex.PartDoc"));
    ExpectReply(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(mine))}));
    EXPECT_EQ(Call(mine, kPartDoc, QStringLiteral("RefPlane"), kRefPlane).errorName(),
              "org.freedesktop.DBus.Error.UnknownObject");
}

TEST_F(AutomationFixture, RegisteredTheProgramIsStartedByTheBus)
{
    // The bus reads the services folder of the data folder it was started with.
    const fs::path folder = fs::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "dbus-1" / "services";
    ASSERT_TRUE(folder.is_absolute()) << "XDG_DATA_HOME is set by the test's registration";
    fs::remove_all(folder);
    QProcess registration;
    StartServer(registration, {QStringLiteral("/Regserver")});
    ASSERT_TRUE(registration.waitForFinished(60000));
    EXPECT_EQ(registration.exitCode(), 0);
    const fs::path file = folder / "com.kestrom.Varnex.service";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(ReadAll(file), BusServiceFile(folder, VARNEX_PROGRAM).Text());

    // The running server ends; a call to the name then starts the program from the file.
    server->terminate();
    ASSERT_TRUE(server->waitForFinished(20000));
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(WaitFor([&] { return !bus.interface()->isServiceRegistered(kService).value(); }));
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QMap<QString, QString> activation;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM"})
        activation[QString::fromLatin1(name)] = Environment().value(QString::fromLatin1(name));
    ASSERT_EQ(bustest::Call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                            "UpdateActivationEnvironment", {QVariant::fromValue(activation)})
                  .type(),
              QDBusMessage::ReplyMessage);
    ASSERT_EQ(bustest::Call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "ReloadConfig")
                  .type(),
              QDBusMessage::ReplyMessage);
    EXPECT_FALSE(CreateObject(QStringLiteral("Varnex.PartDoc")).isEmpty());
    EXPECT_TRUE(bus.interface()->isServiceRegistered(kService).value());

    // /Unregserver removes the file (and then starts as usual, with its main window).
    QProcess unregistration;
    StartServer(unregistration, {QStringLiteral("/Unregserver")});
    EXPECT_TRUE(WaitFor([&] { return !fs::exists(file); }, 60000));
    unregistration.terminate();
    unregistration.waitForFinished(20000);
    // The activated server is ended through its process id.
    const uint pid = bus.interface()->servicePid(kService).value();
    if (pid != 0)
        ::kill(pid_t(pid), SIGTERM);
}

} // namespace
