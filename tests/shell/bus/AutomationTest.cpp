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
#include "tests/shell/bus/AutomationFixture.h"

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

using namespace automationtest;
using bustest::N;
using bustest::WaitFor;
namespace fs = std::filesystem;

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

    // A shape whose name would lead out of the shape folder is refused, naming the field, and
    // one that names nothing is not saved.
    const QString shape = CreateObject(QStringLiteral("Varnex.ShapeDoc"));
    QVariantList outside = ShapeCall{}.args;
    outside[1] = QStringLiteral("..\\..\\..\\evil");
    const QDBusMessage refused = Call(shape, kShapeDoc, QStringLiteral("UpdateShapeMembers"), outside);
    EXPECT_EQ(refused.errorName(), "com.kestrom.Varnex.Error.InvalidArgument");
    EXPECT_EQ(refused.errorMessage(), "UpdateShapeMembers: The designation type and size \"W ..\\..\\..\\evil\" hold "
                                      "characters that cannot stand in a file name (\\).");
    EXPECT_EQ(Call(shape, kShapeDoc, QStringLiteral("SaveShape")).errorMessage(),
              "SaveShape: The designation type is blank.");
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
    // Objects of one client are not another's to release or to call.
    EXPECT_EQ(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(part))})
                  .errorName(),
              "com.kestrom.Varnex.Error.InvalidArgument");
    const QDBusMessage foreign = Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane);
    EXPECT_EQ(foreign.errorName(), "org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_EQ(foreign.errorMessage(), "RefPlane: the object " + part + " belongs to another client");

    QDBusConnection::disconnectFromBus(QStringLiteral("leaving"));
    for (const QString& path : {part, shape})
        WaitFor("the release of " + path.toStdString(), [&] {
            return Call(path, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"))
                       .arguments()
                       .value(0)
                       .toString()
                       .indexOf(QStringLiteral("com.kestrom.Varnex.")) < 0;
        });
    EXPECT_EQ(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane).errorName(),
              "org.freedesktop.DBus.Error.UnknownObject");

    // Released by its own client, an object is gone at once; a kept one outlives its client.
    const QString mine = CreateObject(QStringLiteral("Varnex.PartDoc"));
    ExpectReply(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(mine))}));
    EXPECT_EQ(Call(mine, kPartDoc, QStringLiteral("RefPlane"), kRefPlane).errorName(),
              "org.freedesktop.DBus.Error.UnknownObject");
}

// Ends, however the test ends, the program the bus started for the name: through its process id.
class ActivatedServer {
public:
    ActivatedServer() = default;
    ActivatedServer(const ActivatedServer&) = delete;
    ActivatedServer& operator=(const ActivatedServer&) = delete;
    ~ActivatedServer()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        const uint pid = bustest::CallBus(bus, QStringLiteral("GetConnectionUnixProcessID"), {kService})
                             .arguments()
                             .value(0)
                             .toUInt();
        if (pid == 0)
            return;
        ::kill(pid_t(pid), SIGTERM);
        bustest::WaitForName(bus, kService, false);
    }
};

TEST_F(AutomationFixture, RegisteredTheProgramIsStartedByTheBus)
{
    // The bus reads the services folder of the data folder it was started with.
    const fs::path folder = fs::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "dbus-1" / "services";
    ASSERT_TRUE(folder.is_absolute()) << "XDG_DATA_HOME is set by the test's registration";
    fs::remove_all(folder);
    QProcess registration;
    StartServer(registration, {QStringLiteral("/Regserver")});
    ASSERT_TRUE(registration.waitForFinished(60000)) << "/Regserver did not end within 60 s";
    EXPECT_EQ(registration.exitCode(), 0);
    const fs::path file = folder / "com.kestrom.Varnex.service";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(ReadAll(file), BusServiceFile(folder, VARNEX_PROGRAM).Text());

    // The running server ends; a call to the name then starts the program from the file.
    bustest::Stop(*server);
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bustest::WaitForName(bus, kService, false));
    const ActivatedServer activated;
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QMap<QString, QString> activation;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM"})
        activation[QString::fromLatin1(name)] = Environment().value(QString::fromLatin1(name));
    ASSERT_EQ(bustest::CallBus(bus, "UpdateActivationEnvironment", {QVariant::fromValue(activation)}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_EQ(bustest::CallBus(bus, "ReloadConfig").type(), QDBusMessage::ReplyMessage);
    EXPECT_FALSE(CreateObject(QStringLiteral("Varnex.PartDoc")).isEmpty());
    EXPECT_TRUE(bustest::HasOwner(bus, kService));

    // /Unregserver removes the file (and then starts as usual, with its main window).
    QProcess unregistration;
    StartServer(unregistration, {QStringLiteral("/Unregserver")});
    WaitFor("/Unregserver to remove " + file.string(), [&] { return !fs::exists(file); }, 60000);
    bustest::Stop(unregistration);
}

} // namespace
