#include "machlink/ui/BusTorvMachine.h"

#include "machlink/ui/HresultBusError.h"
#include "machlink/ui/TorvBus.h"

#include "fw/qt/BusName.h"
#include "fw/qt/QtText.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QObject>

namespace torv {

namespace {

// How long a call may wait for the machine side, a run included.
constexpr int kCallTimeoutMs = 120000;
// How long the bus may take to start the machine side.
constexpr int kStartTimeoutMs = 30000;

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

// A call of the bus itself; its reply, an error reply when it fails.
QDBusMessage CallBus(const QDBusConnection& connection, const QString& member, const QList<QVariant>& arguments,
                     int timeoutMs)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService, member);
    call.setArguments(arguments);
    return connection.call(call, QDBus::Block, timeoutMs);
}

bool IsRunning(const QDBusConnection& connection)
{
    return fw::NameHasOwner(connection, bus::kService).value_or(false);
}

// Starts the machine side through its service file; true once it is on the bus.
bool Start(const QDBusConnection& connection)
{
    const QDBusMessage reply =
        CallBus(connection, QStringLiteral("StartServiceByName"), {bus::kService, 0u}, kStartTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && IsRunning(connection);
}

using Callback = std::int32_t (ITorvMachineResponse::*)();
struct CallbackName {
    const char* name;
    Callback call;
};
constexpr CallbackName kCallbacks[] = {
    {"OnMachineReady", &ITorvMachineResponse::OnMachineReady},
    {"OnSetupClosed", &ITorvMachineResponse::OnSetupClosed},
    {"OnRunFinished", &ITorvMachineResponse::OnRunFinished},
    {"OnDisableRunEntries", &ITorvMachineResponse::OnDisableRunEntries},
    {"OnEnableRunEntries", &ITorvMachineResponse::OnEnableRunEntries},
    {"OnReturnToMain", &ITorvMachineResponse::OnReturnToMain},
};

QString Text(const std::string& text) { return fw::ToQString(text); }

} // namespace

// The connection to the machine side that every object of one application shares: calls, the
// callback object and the signals that reach it, and the watch on the service.
class BusClient : public QObject {
    Q_OBJECT
public:
    BusClient(QDBusConnection connection, std::function<void()> onGone)
        : connection_(std::move(connection)),
          watcher_(bus::kService, connection_, QDBusServiceWatcher::WatchForUnregistration),
          onGone_(std::move(onGone))
    {
        for (const CallbackName& c : kCallbacks)
            connection_.connect(bus::kService, bus::kApplicationPath, bus::kInterface, QLatin1String(c.name), this,
                                SLOT(Received(QDBusMessage)));
        connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
            if (onGone_)
                onGone_();
        });
    }
    ~BusClient() override
    {
        for (const CallbackName& c : kCallbacks)
            connection_.disconnect(bus::kService, bus::kApplicationPath, bus::kInterface, QLatin1String(c.name), this,
                                   SLOT(Received(QDBusMessage)));
    }

    // The answer of a call; throws MachineError when it fails.
    QList<QVariant> Call(const QString& path, const QString& member, const QList<QVariant>& arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(bus::kService, path, bus::kInterface, member);
        call.setAutoStartService(false);
        call.setArguments(arguments);
        // Block waits under the call's own lock (no reply can slip by), and the timeout bounds it.
        const QDBusMessage reply = connection_.call(call, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            const QDBusError error(reply);
            throw MachineError(HresultOfBusError(error),
                               fw::FromQString(member + QStringLiteral(": ") + error.message()));
        }
        return reply.arguments();
    }
    // Tells the machine side an object is no longer used, without waiting.
    void Release(const QString& path)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(bus::kService, path, bus::kInterface, bus::kRelease);
        call.setAutoStartService(false);
        connection_.send(call);
    }
    void SetResponse(ITorvMachineResponse* response) { response_ = response; }

private Q_SLOTS:
    void Received(const QDBusMessage& message)
    {
        if (!response_)
            return;
        for (const CallbackName& c : kCallbacks)
            if (message.member() == QLatin1String(c.name))
                (response_->*c.call)();
    }

private:
    QDBusConnection connection_;
    QDBusServiceWatcher watcher_;
    std::function<void()> onGone_;
    ITorvMachineResponse* response_ = nullptr;
};

namespace {

using Client = std::shared_ptr<BusClient>;

// An object of the machine side: its path, released when the object goes.
class BusObject {
public:
    BusObject(Client client, QString path, bool released = true)
        : client_(std::move(client)), path_(std::move(path)), released_(released)
    {
    }
    virtual ~BusObject()
    {
        if (released_)
            client_->Release(path_);
    }
    BusObject(const BusObject&) = delete;
    BusObject& operator=(const BusObject&) = delete;
    const QString& Path() const { return path_; }

protected:
    QList<QVariant> Call(const char* member, const QList<QVariant>& arguments = {}) const
    {
        return client_->Call(path_, QLatin1String(member), arguments);
    }
    QVariant First(const char* member, const QList<QVariant>& arguments = {}) const
    {
        const QList<QVariant> answer = Call(member, arguments);
        if (answer.isEmpty())
            throw MachineError(fw::E_UNEXPECTED, std::string(member) + ": no answer");
        return answer.front();
    }
    std::int32_t Int(const char* member, const QList<QVariant>& arguments = {}) const
    {
        return First(member, arguments).toInt();
    }
    // The path of an object handed back, empty for none.
    QString Made(const char* member, const QList<QVariant>& arguments = {}) const
    {
        const QString path = First(member, arguments).value<QDBusObjectPath>().path();
        return path == bus::kNoObject ? QString() : path;
    }
    template <class T> std::unique_ptr<T> MakeObject(const char* member, const QList<QVariant>& arguments = {}) const
    {
        const QString path = Made(member, arguments);
        return path.isEmpty() ? nullptr : std::make_unique<T>(client_, path);
    }
    BusClient& ClientOf() const { return *client_; }

private:
    Client client_;
    QString path_;
    bool released_;
};

// An object of this connection passed as an argument.
template <class T> QVariant Ref(T& object)
{
    const auto* bus = dynamic_cast<const BusObject*>(&object);
    if (!bus)
        throw MachineError(fw::E_INVALIDARG, "an object of another machine side");
    return QVariant::fromValue(QDBusObjectPath(bus->Path()));
}

class BusPlane : public ITorvMachinePlane, public BusObject {
public:
    using BusObject::BusObject;
};

class BusTool : public ITorvMachineTool, public BusObject {
public:
    using BusObject::BusObject;
};

class BusPattern : public ITorvMachinePartDataPattern, public BusObject {
public:
    using BusObject::BusObject;
    void AttachPlane(ITorvMachinePlane& plane) override { Call("AttachPlane", {Ref(plane)}); }
    void AttachTool(ITorvMachineTool& tool) override { Call("AttachTool", {Ref(tool)}); }
    void SetPattern(const PatternData& p) override
    {
        Call("SetPattern", {p.startAlong, p.startAcross, p.incrementAlong, p.incrementAcross, p.countAlong,
                            p.countAcross, p.operation, p.planeType, p.face});
    }
    void SetText(const std::string& text) override { Call("SetText", {Text(text)}); }
};

class BusFaceGeometry : public ITorvMachineFaceGeometry, public BusObject {
public:
    using BusObject::BusObject;
    std::int32_t Mode() override { return Int("Mode"); }
    double FaceWidth() override { return First("FaceWidth").toDouble(); }
};

class BusPart : public ITorvMachinePart, public BusObject {
public:
    using BusObject::BusObject;
    void SetIdentity(const std::string& job, const std::string& group, const std::string& mark) override
    {
        Call("SetIdentity", {Text(job), Text(group), Text(mark)});
    }
    void SetLength(double inches) override { Call("SetLength", {inches}); }
    std::unique_ptr<ITorvMachinePlane> NewPlane(const PlaneData& p) override
    {
        return MakeObject<BusPlane>("NewPlane", {p.startAlong, p.startAcross, p.rise, p.run, p.alongDirection,
                                                 p.acrossDirection});
    }
    std::unique_ptr<ITorvMachinePartDataPattern> NewPattern() override { return MakeObject<BusPattern>("NewPattern"); }
    std::unique_ptr<ITorvMachineTool> NewTool(const ToolData& t) override
    {
        return MakeObject<BusTool>("NewTool", {Text(t.shortName), t.sizeA, t.sizeB, Text(t.type), t.orientation,
                                               t.kind, t.units});
    }
    void AddPattern(ITorvMachinePartDataPattern& pattern) override { Call("AddPattern", {Ref(pattern)}); }
    void SetRemarks(const std::string& remarks) override { Call("SetRemarks", {Text(remarks)}); }
    void SetFabCode(const std::string& fabCode) override { Call("SetFabCode", {Text(fabCode)}); }
    void SetMeasureWebDepth(std::int32_t flag) override { Call("SetMeasureWebDepth", {flag}); }
    void SetQuantity(std::int32_t quantity) override { Call("SetQuantity", {quantity}); }
    void SetUnits(std::int32_t units) override { Call("SetUnits", {units}); }
    std::unique_ptr<ITorvMachineFaceGeometry> FaceGeometry() override
    {
        return MakeObject<BusFaceGeometry>("FaceGeometry");
    }
    void SetPosition(double inches) override { Call("SetPosition", {inches}); }
};

class BusSection : public ITorvMachinePartDataSection, public BusObject {
public:
    using BusObject::BusObject;
    void SetSection(const SectionData& s) override
    {
        Call("SetSection", {Text(s.formal), Text(s.desctp), Text(s.desc), Text(s.grade), s.units, s.profile,
                            s.flangeGage, s.weightPerFoot, s.depth, s.webThickness, s.flangeWidth, s.flangeThickness});
    }
};

class BusJob : public ITorvMachineJob, public BusObject {
public:
    using BusObject::BusObject;
    void SetIdentity(const std::string& job, const std::string& group, const std::string& name) override
    {
        Call("SetIdentity", {Text(job), Text(group), Text(name)});
    }
    void SetLength(double inches) override { Call("SetLength", {inches}); }
    void SetKerf(double inches) override { Call("SetKerf", {inches}); }
    void AddPart(ITorvMachinePart& part) override { Call("AddPart", {Ref(part)}); }
    std::unique_ptr<ITorvMachinePart> NewPart() override { return MakeObject<BusPart>("NewPart"); }
    std::unique_ptr<ITorvMachinePartDataSection> NewSection() override { return MakeObject<BusSection>("NewSection"); }
    void SetUnits(std::int32_t units) override { Call("SetUnits", {units}); }
    void SetJobKind(std::int32_t kind) override { Call("SetJobKind", {kind}); }
    std::int32_t SinglePieceParts() override { return Int("SinglePieceParts"); }
};

class BusHandMult : public ITorvMachineHandMult, public BusObject {
public:
    using BusObject::BusObject;
    std::int32_t HasWeldStation() override { return Int("HasWeldStation"); }
};

class BusControl : public ITorvMachineControl, public BusObject {
public:
    BusControl(Client client, QString path) : BusObject(std::move(client), std::move(path), false) {}
    std::unique_ptr<ITorvMachineJob> NewJob() override { return MakeObject<BusJob>("NewJob"); }
    std::int32_t RunJob(ITorvMachineJob& job) override { return Int("RunJob", {Ref(job)}); }
    std::int32_t RegisterResponse(ITorvMachineResponse* response) override
    {
        ClientOf().SetResponse(response);
        return Int("RegisterResponse");
    }
    void ShowManualScreen(std::int32_t screen) override { Call("ShowManualScreen", {screen}); }
    void ShowMachineView() override { Call("ShowMachineView"); }
    void AfterRegistration() override { Call("AfterRegistration"); }
    std::int32_t StencilCharacterWidth() override { return Int("StencilCharacterWidth"); }
    std::int32_t StencilsMark() override { return Int("StencilsMark"); }
    MarkStencil MarkStencilPlacement() override
    {
        const QList<QVariant> answer = Call("MarkStencilPlacement");
        if (answer.size() != 3)
            throw MachineError(fw::E_UNEXPECTED, "MarkStencilPlacement: not three values");
        return MarkStencil{answer[0].toInt(), answer[1].toInt(), answer[2].toInt()};
    }
    std::unique_ptr<ITorvMachineHandMult> QueryHandMult() override { return MakeObject<BusHandMult>("QueryHandMult"); }
};

class BusMachine : public ITorvMachine, public BusObject {
public:
    BusMachine(Client client, QString path) : BusObject(std::move(client), std::move(path), false) {}
    std::int32_t FinalizeLoad() override { return Int("FinalizeLoad"); }
    std::unique_ptr<ITorvMachineControl> GetControl() override { return MakeObject<BusControl>("GetControl"); }
    void SetResponse(ITorvMachineResponse* response) override
    {
        ClientOf().SetResponse(response);
        Call("SetResponse");
    }
    void ShowToolBar() override { Call("ShowToolBar"); }
    void Unload() override
    {
        ClientOf().SetResponse(nullptr);
        Call("Unload");
    }
    std::int32_t Load() override { return Int("Load"); }
    void MachineSetup() override { Call("MachineSetup"); }
};

class BusApplication : public ITorvMachineApplication, public BusObject {
public:
    explicit BusApplication(Client client) : BusObject(std::move(client), bus::kApplicationPath, false) {}
    std::unique_ptr<ITorvMachine> QueryMachine() override
    {
        return MakeObject<BusMachine>("QueryMachine");
    }
};

} // namespace

std::unique_ptr<ITorvMachineApplication> ConnectTorvMachine(std::function<void()> onGone, QDBusConnection connection)
{
    if (!connection.isConnected() || (!IsRunning(connection) && !Start(connection)))
        return nullptr;
    return std::make_unique<BusApplication>(std::make_shared<BusClient>(connection, std::move(onGone)));
}

bool CanStartTorvMachine(QDBusConnection connection)
{
    if (!connection.isConnected())
        return false;
    const QDBusMessage reply = CallBus(connection, QStringLiteral("ListActivatableNames"), {}, fw::kBusDaemonTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().front().toStringList().contains(bus::kService);
}

std::unique_ptr<QObject> WatchTorvMachineAppearing(std::function<void()> onAppeared, QDBusConnection connection)
{
    auto watcher = std::make_unique<QDBusServiceWatcher>(bus::kService, connection,
                                                         QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(watcher.get(), &QDBusServiceWatcher::serviceRegistered, watcher.get(),
                     [onAppeared = std::move(onAppeared)] { onAppeared(); });
    return watcher;
}

} // namespace torv

#include "BusTorvMachine.moc"
