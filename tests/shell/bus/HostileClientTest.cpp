// The program in /Automation mode against clients that mean harm or fail: every call either
// succeeds with a sane result or fails with an error naming its cause, nothing is written outside
// the drive, a client can't reach another's objects or fill the server, and clients that leave
// mid-call or stop reading their replies hold up no one.

#include "fw/qt/BusObjects.h"
#include "tests/shell/bus/AutomationFixture.h"
#include "tests/support/RawBusClient.h"

#include <QDBusPendingCall>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

using namespace automationtest;
using bustest::N;
using bustest::WaitFor;

class HostileClients : public AutomationFixture {
protected:
    void SetUp() override
    {
        PutShape();
        part = CreateObject(QStringLiteral("Varnex.PartDoc"));
        ASSERT_FALSE(part.isEmpty());
        ExpectReply(Call(part, kPartDoc, QStringLiteral("SetPartData"), kPartData));
    }

    // The shape the parts use, W 12X26, in the catalog.
    static void PutShape()
    {
        const QString shape = CreateObject(QStringLiteral("Varnex.ShapeDoc"));
        ExpectReply(Call(shape, kShapeDoc, QStringLiteral("UpdateShapeMembers"), ShapeCall{}.args), {N(0)});
        ExpectReply(Call(shape, kShapeDoc, QStringLiteral("SaveShape")), {N(0)});
        Release(shape);
    }
    static void Release(const QString& path, QDBusConnection connection = QDBusConnection::sessionBus())
    {
        ExpectReply(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(path))},
                         connection));
    }
    // The object paths below root that the server exports now.
    static std::set<QString> Exported(const QString& root)
    {
        const QString xml = Call(root, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"))
                                .arguments()
                                .value(0)
                                .toString();
        std::set<QString> paths;
        for (qsizetype at = xml.indexOf(QStringLiteral("<node name=\"")); at >= 0;
             at = xml.indexOf(QStringLiteral("<node name=\""), at + 1)) {
            const qsizetype start = at + 12;
            paths.insert(root + QLatin1Char('/') + xml.mid(start, xml.indexOf(QLatin1Char('"'), start) - start));
        }
        return paths;
    }
    // Every file below the test's home.
    static std::set<fs::path> Files()
    {
        std::set<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(home))
            files.insert(entry.path());
        return files;
    }

    QString part;
};

QVariantList With(QVariantList args, int i, QVariant value)
{
    args[i] = std::move(value);
    return args;
}

const QString kInvalid = QStringLiteral("com.kestrom.Varnex.Error.InvalidArgument");

TEST_F(HostileClients, HostileArgumentsFailNamingTheCauseAndWriteNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QString mega(1 << 20, QLatin1Char('A'));
    struct Case {
        const char* what;
        QString method;
        QVariantList args;
        QString errorName;
        QString message;   // the start of the message after "<method>: "
    };
    const Case cases[] = {
        {"mark ..", "SetPartData", With(kPartData, 2, QStringLiteral("..")), kInvalid, "strMark is not a name"},
        {"mark with a path", "SetPartData", With(kPartData, 2, QStringLiteral("..\\..\\x")), kInvalid, "strMark is not"},
        {"absolute job", "SetPartData", With(kPartData, 0, QStringLiteral("C:\\J1")), kInvalid, "strJobid is not"},
        {"Linux path as group", "SetPartData", With(kPartData, 1, QStringLiteral("/etc")), kInvalid, "strGroup is not"},
        {"mark ending in a dot", "SetPartData", With(kPartData, 2, QStringLiteral("B12.")), kInvalid, "strMark is not"},
        {"mark ending in a blank", "SetPartData", With(kPartData, 2, QStringLiteral("B12 ")), kInvalid, "strMark is not"},
        {"blank mark", "SetPartData", With(kPartData, 2, QStringLiteral(" ")), kInvalid, "strMark is not"},
        {"1 MB mark", "SetPartData", With(kPartData, 2, mega), kInvalid, "strMark is not"},
        {"mark not in Windows-1252", "SetPartData", With(kPartData, 2, QStringLiteral("B\u4E00")), kInvalid,
         "strMark holds a character that can't be stored"},
        {"negative quantity", "SetPartData", With(kPartData, 3, N(-5)), kInvalid, "iQuanity must be 1 or more."},
        {"NaN length", "SetPartData", With(kPartData, 4, nan), kInvalid, "dLength must be finite"},
        {"infinite length", "SetPartData", With(kPartData, 4, inf), kInvalid, "dLength must be finite"},
        {"1e308 length", "SetPartData", With(kPartData, 4, 1e308), kInvalid, "dLength must be finite"},
        {"measuring system 9", "SetPartData", With(kPartData, 12, N(9)), kInvalid, "nMeasureSystem must be"},
        {"NaN plane", "RefPlane", With(kRefPlane, 0, nan), kInvalid, "StartX, StartU, Rise and Run must be finite"},
        {"plane direction *", "RefPlane", With(kRefPlane, 4, QStringLiteral("*")), kInvalid, "DirX and DirU must"},
        {"empty plane type", "RefPlane", With(kRefPlane, 6, QString()), kInvalid, "PatType must start"},
        {"negative count", "SetWebHole", With(kWebHole, 4, N(-1)), kInvalid, "nNumX and nNumU must be 1 to"},
        {"huge counts", "SetWebHole", With(With(kWebHole, 4, N(32767)), 5, N(32767)), kInvalid, "nNumX and nNumU"},
        {"1e308 position", "SetWebHole", With(kWebHole, 0, 1e308), kInvalid, "dXPos, dUPos, dXinc and dUinc must"},
        {"infinite tool", "SetWebHole", With(kWebHole, 6, -inf), kInvalid, "dToolSz1 and dToolSz2 must be"},
        {"empty file name", "GetSpecification", {QString()}, kInvalid, "vtFileName must hold 1 to 255"},
        {"1 MB file name", "GetSpecification", {mega}, kInvalid, "vtFileName must hold 1 to 255"},
        {"unmapped drive", "GetSpecification", {QStringLiteral("Q:\\J1\\B12.prt")},
         QStringLiteral("com.kestrom.Varnex.Error.Failed"), "No part could be read from Q:\\J1\\B12.prt."},
        {"file name with ..", "GetSpecification", {QStringLiteral("C:\\..\\..\\etc\\passwd")},
         QStringLiteral("com.kestrom.Varnex.Error.Failed"), "No part could be read"},
        {"absolute Linux path", "GetSpecification", {QStringLiteral("/etc/passwd")},
         QStringLiteral("com.kestrom.Varnex.Error.Failed"), "No part could be read"},
        {"wrong argument types", "SetWebHole", With(kWebHole, 4, 2), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
         "takes (ddddnnddsn), not (ddddinddsn)"},
    };
    const std::set<fs::path> before = Files();
    for (const Case& c : cases) {
        const QDBusMessage reply = Call(part, kPartDoc, c.method, c.args);
        EXPECT_EQ(reply.errorName(), c.errorName) << c.what << ": " << reply.errorMessage().left(200).toStdString();
        EXPECT_TRUE(reply.errorMessage().startsWith(c.method + QStringLiteral(": ") + c.message))
            << c.what << ": " << reply.errorMessage().left(200).toStdString();
    }
    EXPECT_EQ(Files(), before) << "a refused call wrote a file";

    // Shapes: names that would collide with another shape's file, or name none.
    const QString shape = CreateObject(QStringLiteral("Varnex.ShapeDoc"));
    const QVariantList shapeArgs = ShapeCall{}.args;
    const std::pair<QVariantList, const char*> shapes[] = {
        {With(With(shapeArgs, 0, QStringLiteral("W 1")), 1, QStringLiteral("2X26")),
         "The designation type \"W 1\" is longer than the 2 characters of its field."},
        {With(With(shapeArgs, 0, QString()), 1, QString()), "The designation type is blank."},
        {With(shapeArgs, 1, QStringLiteral("12X26.")), "The size \"12X26.\" ends in a dot or a blank"},
        {With(shapeArgs, 1, QStringLiteral("C:\\x")), "The designation type and size \"W C:\\x\" hold characters"},
        {With(shapeArgs, 2, std::nan("")), nullptr},
    };
    for (const auto& [args, cause] : shapes) {
        const QDBusMessage reply = Call(shape, kShapeDoc, QStringLiteral("UpdateShapeMembers"), args);
        if (cause) {
            EXPECT_EQ(reply.errorName(), kInvalid) << cause;
            EXPECT_TRUE(reply.errorMessage().startsWith(QStringLiteral("UpdateShapeMembers: ") + QString::fromUtf8(cause)))
                << reply.errorMessage().toStdString();
        } else {
            ExpectReply(reply, {N(1)});   // the interface's own refusal of a value
        }
    }
    EXPECT_EQ(Call(shape, kShapeDoc, QStringLiteral("SaveShape")).errorName(), kInvalid);
    EXPECT_EQ(Files(), before) << "a refused shape wrote a file";

    // Mults answer with their result: 1 for what they refuse.
    const QString mult = CreateObject(QStringLiteral("Varnex.MultDoc"));
    const QVariantList multData{QStringLiteral("J1"), QStringLiteral("G1"), QStringLiteral("M"), N(1), N(1), 480.0, 0.125,
                                QStringLiteral("W"), QStringLiteral("12X26"), QStringLiteral("A36"),
                                QStringLiteral("PUNCH1"), QString(), QString(), N(0)};
    for (const QVariantList& args : {With(multData, 2, QStringLiteral("M.")), With(multData, 5, inf),
                                     With(multData, 3, N(-1)), With(multData, 0, QStringLiteral(".."))})
        ExpectReply(Call(mult, kMultDoc, QStringLiteral("MultConvert"), args), {1});
    ExpectReply(Call(mult, kMultDoc, QStringLiteral("AddPart"),
                     {QStringLiteral("J1"), QStringLiteral("G1"), QStringLiteral("B12"), 4000000000u}),
                {1});
    ExpectReply(Call(mult, kMultDoc, QStringLiteral("GetDescription"), {QStringLiteral("C:\\..\\x.mlt")}),
                {0, QString(), QString()});
    EXPECT_EQ(Files(), before) << "a refused mult call wrote a file";
}

TEST_F(HostileClients, LongTextsAreKeptAndTheFileLoadsAgain)
{
    const QString mega(1 << 20, QLatin1Char('R'));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetPartData"), With(With(kPartData, 7, mega), 10, mega)));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetWebStencil"), {1.0, 1.0, QString(4096, QLatin1Char('S'))}));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SavePart")));
    const QString reader = CreateObject(QStringLiteral("Varnex.PartDoc"));
    ExpectReply(Call(reader, kPartDoc, QStringLiteral("GetSpecification"), {QStringLiteral("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt")}),
                {QStringLiteral("W"), QStringLiteral("12X26")});
}

TEST_F(HostileClients, BlankJobsGoToNoneAsInTheWindows)
{
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetPartData"), With(With(kPartData, 0, QStringLiteral("  ")), 1, QStringLiteral(" "))));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SetWebHole"), kWebHole));
    ExpectReply(Call(part, kPartDoc, QStringLiteral("SavePart")));
    EXPECT_TRUE(fs::exists(DriveC() / "Kestrom" / "Jobs" / "NONE" / "NONE" / "B12.prt"));
    EXPECT_FALSE(fs::exists(DriveC() / "Kestrom" / "Jobs" / " "));
}

TEST_F(HostileClients, AnotherClientsObjectsAndReleasedOnesAreOutOfReach)
{
    const QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("intruder"));
    struct Case {
        const char* what;
        QString interface;
        QString method;
        QVariantList args;
    };
    const Case cases[] = {
        {"SetPartData", kPartDoc, "SetPartData", kPartData},
        {"SavePart", kPartDoc, "SavePart", {}},
        {"GetSpecification", kPartDoc, "GetSpecification", {QStringLiteral("C:\\x.prt")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Call(part, c.interface, c.method, c.args, other).errorName(), "org.freedesktop.DBus.Error.AccessDenied")
            << c.what;
    EXPECT_EQ(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(part))}, other)
                  .errorName(),
              kInvalid);
    // Still the owner's.
    ExpectReply(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane));
    QDBusConnection::disconnectFromBus(QStringLiteral("intruder"));

    Release(part);
    EXPECT_EQ(Call(part, kPartDoc, QStringLiteral("SavePart")).errorName(), "org.freedesktop.DBus.Error.UnknownObject");
    EXPECT_EQ(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(part))})
                  .errorName(),
              kInvalid);
    EXPECT_EQ(Call(kFactoryPath, kFactory, QStringLiteral("Release"), {QVariant::fromValue(QDBusObjectPath(kFactoryPath))})
                  .errorName(),
              kInvalid);
}

TEST_F(HostileClients, AClientIsBoundInItsObjectsAndItsLeavingHoldsUpNoOne)
{
    QDBusConnection hoarder = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("hoarder"));
    const std::size_t most = fw::BusObjects::kMaxPerClient;
    QDBusMessage create =
        QDBusMessage::createMethodCall(kService, kFactoryPath, kFactory, QStringLiteral("CreateObject"));
    create << QStringLiteral("Varnex.PartDoc");
    std::vector<QDBusPendingCall> calls;
    for (std::size_t i = 0; i < most + 2; ++i)
        calls.push_back(hoarder.asyncCall(create, 120000));
    ASSERT_TRUE(WaitFor("the replies to " + std::to_string(calls.size()) + " calls of CreateObject", [&] {
        return std::all_of(calls.begin(), calls.end(), [](const QDBusPendingCall& c) { return c.isFinished(); });
    }, 180000));
    std::size_t made = 0;
    for (const QDBusPendingCall& c : calls) {
        const QDBusMessage reply = c.reply();
        if (reply.type() == QDBusMessage::ReplyMessage) {
            ++made;
            continue;
        }
        EXPECT_EQ(reply.errorName(), "com.kestrom.Varnex.Error.OutOfMemory");
        EXPECT_EQ(reply.errorMessage(), "CreateObject: This client holds " + QString::number(most) +
                                            " objects, as many as one client may hold; release some first.");
    }
    EXPECT_EQ(made, most);
    // Others are still served.
    EXPECT_FALSE(CreateObject(QStringLiteral("Varnex.PartDoc")).isEmpty());

    // The hoarder leaves: its objects go, and the others are answered meanwhile.
    calls.clear();
    QDBusConnection::disconnectFromBus(QStringLiteral("hoarder"));
    hoarder = QDBusConnection(QString());
    ExpectReply(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane));
    WaitFor("the release of the objects of the client that left", [&] {
        return Exported(kFactoryPath + QStringLiteral("/PartDoc")).size() < 10;
    }, 120000);
}

TEST_F(HostileClients, AClientLeavingMidCallLeavesNothing)
{
    const QString root = kFactoryPath + QStringLiteral("/PartDoc");
    const std::set<QString> before = Exported(root);
    ASSERT_TRUE(before.contains(part)) << "the objects are listed below " << root.toStdString();
    for (int i = 0; i < 20; ++i) {
        bustest::RawBusClient client;
        ASSERT_TRUE(client.Connect()) << "the bus's socket could not be reached";
        const std::string progId = "Varnex.PartDoc";
        ASSERT_TRUE(client.SendCall(kService.toStdString(), kFactoryPath.toStdString(), kFactory.toStdString(),
                                    "CreateObject", &progId));
        client.Close();
    }
    WaitFor("the release of the objects of clients that left mid-call", [&] { return Exported(root) == before; });
    ExpectReply(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane));
}

TEST_F(HostileClients, AClientThatStopsReadingHoldsUpNoOne)
{
    bustest::RawBusClient deaf;
    ASSERT_TRUE(deaf.Connect()) << "the bus's socket could not be reached";
    const std::string progId = "Varnex.ShapeDoc";
    for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(deaf.SendCall(kService.toStdString(), kFactoryPath.toStdString(),
                                  "org.freedesktop.DBus.Introspectable", "Introspect"))
            << "call " << i;
        if (i % 10 == 0) {
            ASSERT_TRUE(deaf.SendCall(kService.toStdString(), kFactoryPath.toStdString(), kFactory.toStdString(),
                                      "CreateObject", &progId));
        }
    }
    // It reads nothing; the others are answered all the same.
    for (int i = 0; i < 20; ++i)
        ExpectReply(Call(part, kPartDoc, QStringLiteral("RefPlane"), kRefPlane));
    EXPECT_FALSE(CreateObject(QStringLiteral("Varnex.MultDoc")).isEmpty());
}

} // namespace
