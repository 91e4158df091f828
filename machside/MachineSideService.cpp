#include "machside/MachineSideService.h"

#include "machlink/ui/TorvBus.h"

#include "fw/qt/BusError.h"
#include "fw/qt/QtText.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QThread>
#include <QTimer>

using namespace torv;

namespace {

// A call that does not fit the method it names.
struct BadCall {
    QDBusError::ErrorType type;
    QString text;
};

using Arguments = QList<QVariant>;

template <class T> struct Row {
    const char* member;
    const char* signature;   // of the arguments
    const char* reply;       // of the answer
    std::function<Arguments(MachineSideService&, T&, const Arguments&)> handle;
};

std::string S(const QVariant& value) { return fw::FromQString(value.toString()); }
double D(const QVariant& value) { return value.toDouble(); }
std::int32_t I(const QVariant& value) { return value.toInt(); }
QString P(const QVariant& value) { return value.value<QDBusObjectPath>().path(); }
Arguments Path(const QString& path) { return {QVariant::fromValue(QDBusObjectPath(path.isEmpty() ? bus::kNoObject : path))}; }
Arguments None() { return {}; }

template <class T> using Rows = std::vector<Row<T>>;

const Rows<ITorvMachineApplication>& RowsOf(ITorvMachineApplication*)
{
    static const Rows<ITorvMachineApplication> rows = {
        {"QueryMachine", "", "o", [](MachineSideService& s, ITorvMachineApplication& a, const Arguments&) {
             return Path(s.Keep(a.QueryMachine(), QStringLiteral("Machine")));
         }},
    };
    return rows;
}

const Rows<ITorvMachine>& RowsOf(ITorvMachine*)
{
    static const Rows<ITorvMachine> rows = {
        {"FinalizeLoad", "", "i", [](MachineSideService&, ITorvMachine& m, const Arguments&) { return Arguments{m.FinalizeLoad()}; }},
        {"GetControl", "", "o", [](MachineSideService& s, ITorvMachine& m, const Arguments&) {
             return Path(s.Keep(m.GetControl(), QStringLiteral("Control")));
         }},
        {"SetResponse", "", "", [](MachineSideService& s, ITorvMachine& m, const Arguments&) { m.SetResponse(s.Emitter()); return None(); }},
        {"ShowToolBar", "", "", [](MachineSideService&, ITorvMachine& m, const Arguments&) { m.ShowToolBar(); return None(); }},
        {"Unload", "", "", [](MachineSideService&, ITorvMachine& m, const Arguments&) { m.Unload(); return None(); }},
        {"Load", "", "i", [](MachineSideService&, ITorvMachine& m, const Arguments&) { return Arguments{m.Load()}; }},
        {"MachineSetup", "", "", [](MachineSideService&, ITorvMachine& m, const Arguments&) { m.MachineSetup(); return None(); }},
    };
    return rows;
}

const Rows<ITorvMachineControl>& RowsOf(ITorvMachineControl*)
{
    using C = ITorvMachineControl;
    static const Rows<C> rows = {
        {"NewJob", "", "o", [](MachineSideService& s, C& c, const Arguments&) { return Path(s.Keep(c.NewJob())); }},
        {"RunJob", "o", "i", [](MachineSideService& s, C& c, const Arguments& a) {
             s.DelayRun();
             const std::int32_t status = c.RunJob(s.Find<ITorvMachineJob>(P(a[0])));
             s.AfterRun(status);
             return Arguments{status};
         }},
        {"RegisterResponse", "", "i", [](MachineSideService& s, C& c, const Arguments&) { return Arguments{c.RegisterResponse(s.Emitter())}; }},
        {"ShowManualScreen", "i", "", [](MachineSideService&, C& c, const Arguments& a) { c.ShowManualScreen(I(a[0])); return None(); }},
        {"ShowMachineView", "", "", [](MachineSideService&, C& c, const Arguments&) { c.ShowMachineView(); return None(); }},
        {"AfterRegistration", "", "", [](MachineSideService&, C& c, const Arguments&) { c.AfterRegistration(); return None(); }},
        {"StencilCharacterWidth", "", "i", [](MachineSideService&, C& c, const Arguments&) { return Arguments{c.StencilCharacterWidth()}; }},
        {"StencilsMark", "", "i", [](MachineSideService&, C& c, const Arguments&) { return Arguments{c.StencilsMark()}; }},
        {"MarkStencilPlacement", "", "iii", [](MachineSideService&, C& c, const Arguments&) {
             const MarkStencil m = c.MarkStencilPlacement();
             return Arguments{m.characterWidth, m.along, m.across};
         }},
        {"QueryHandMult", "", "o", [](MachineSideService& s, C& c, const Arguments&) { return Path(s.Keep(c.QueryHandMult())); }},
    };
    return rows;
}

const Rows<ITorvMachineJob>& RowsOf(ITorvMachineJob*)
{
    using J = ITorvMachineJob;
    static const Rows<J> rows = {
        {"SetIdentity", "sss", "", [](MachineSideService&, J& j, const Arguments& a) { j.SetIdentity(S(a[0]), S(a[1]), S(a[2])); return None(); }},
        {"SetLength", "d", "", [](MachineSideService&, J& j, const Arguments& a) { j.SetLength(D(a[0])); return None(); }},
        {"SetKerf", "d", "", [](MachineSideService&, J& j, const Arguments& a) { j.SetKerf(D(a[0])); return None(); }},
        {"AddPart", "o", "", [](MachineSideService& s, J& j, const Arguments& a) { j.AddPart(s.Find<ITorvMachinePart>(P(a[0]))); return None(); }},
        {"NewPart", "", "o", [](MachineSideService& s, J& j, const Arguments&) { return Path(s.Keep(j.NewPart())); }},
        {"NewSection", "", "o", [](MachineSideService& s, J& j, const Arguments&) { return Path(s.Keep(j.NewSection())); }},
        {"SetUnits", "i", "", [](MachineSideService&, J& j, const Arguments& a) { j.SetUnits(I(a[0])); return None(); }},
        {"SetJobKind", "i", "", [](MachineSideService&, J& j, const Arguments& a) { j.SetJobKind(I(a[0])); return None(); }},
        {"SinglePieceParts", "", "i", [](MachineSideService&, J& j, const Arguments&) { return Arguments{j.SinglePieceParts()}; }},
    };
    return rows;
}

const Rows<ITorvMachinePart>& RowsOf(ITorvMachinePart*)
{
    using T = ITorvMachinePart;
    static const Rows<T> rows = {
        {"SetIdentity", "sss", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetIdentity(S(a[0]), S(a[1]), S(a[2])); return None(); }},
        {"SetLength", "d", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetLength(D(a[0])); return None(); }},
        {"NewPlane", "ddddii", "o", [](MachineSideService& s, T& p, const Arguments& a) {
             return Path(s.Keep(p.NewPlane(PlaneData{D(a[0]), D(a[1]), D(a[2]), D(a[3]), I(a[4]), I(a[5])})));
         }},
        {"NewPattern", "", "o", [](MachineSideService& s, T& p, const Arguments&) { return Path(s.Keep(p.NewPattern())); }},
        {"NewTool", "sddsdii", "o", [](MachineSideService& s, T& p, const Arguments& a) {
             return Path(s.Keep(p.NewTool(ToolData{S(a[0]), D(a[1]), D(a[2]), S(a[3]), D(a[4]), I(a[5]), I(a[6])})));
         }},
        {"AddPattern", "o", "", [](MachineSideService& s, T& p, const Arguments& a) {
             p.AddPattern(s.Find<ITorvMachinePartDataPattern>(P(a[0])));
             return None();
         }},
        {"SetRemarks", "s", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetRemarks(S(a[0])); return None(); }},
        {"SetFabCode", "s", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetFabCode(S(a[0])); return None(); }},
        {"SetMeasureWebDepth", "i", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetMeasureWebDepth(I(a[0])); return None(); }},
        {"SetQuantity", "i", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetQuantity(I(a[0])); return None(); }},
        {"SetUnits", "i", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetUnits(I(a[0])); return None(); }},
        {"FaceGeometry", "", "o", [](MachineSideService& s, T& p, const Arguments&) { return Path(s.Keep(p.FaceGeometry())); }},
        {"SetPosition", "d", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetPosition(D(a[0])); return None(); }},
    };
    return rows;
}

const Rows<ITorvMachinePartDataPattern>& RowsOf(ITorvMachinePartDataPattern*)
{
    using T = ITorvMachinePartDataPattern;
    static const Rows<T> rows = {
        {"AttachPlane", "o", "", [](MachineSideService& s, T& p, const Arguments& a) { p.AttachPlane(s.Find<ITorvMachinePlane>(P(a[0]))); return None(); }},
        {"AttachTool", "o", "", [](MachineSideService& s, T& p, const Arguments& a) { p.AttachTool(s.Find<ITorvMachineTool>(P(a[0]))); return None(); }},
        {"SetPattern", "ddddiiiii", "", [](MachineSideService&, T& p, const Arguments& a) {
             p.SetPattern(PatternData{D(a[0]), D(a[1]), D(a[2]), D(a[3]), I(a[4]), I(a[5]), I(a[6]), I(a[7]), I(a[8])});
             return None();
         }},
        {"SetText", "s", "", [](MachineSideService&, T& p, const Arguments& a) { p.SetText(S(a[0])); return None(); }},
    };
    return rows;
}

const Rows<ITorvMachinePartDataSection>& RowsOf(ITorvMachinePartDataSection*)
{
    using T = ITorvMachinePartDataSection;
    static const Rows<T> rows = {
        {"SetSection", "ssssiidddddd", "", [](MachineSideService&, T& p, const Arguments& a) {
             p.SetSection(SectionData{S(a[0]), S(a[1]), S(a[2]), S(a[3]), I(a[4]), I(a[5]), D(a[6]), D(a[7]), D(a[8]),
                                      D(a[9]), D(a[10]), D(a[11])});
             return None();
         }},
    };
    return rows;
}

const Rows<ITorvMachineFaceGeometry>& RowsOf(ITorvMachineFaceGeometry*)
{
    using T = ITorvMachineFaceGeometry;
    static const Rows<T> rows = {
        {"Mode", "", "i", [](MachineSideService&, T& f, const Arguments&) { return Arguments{f.Mode()}; }},
        {"FaceWidth", "", "d", [](MachineSideService&, T& f, const Arguments&) { return Arguments{f.FaceWidth()}; }},
    };
    return rows;
}

const Rows<ITorvMachineHandMult>& RowsOf(ITorvMachineHandMult*)
{
    static const Rows<ITorvMachineHandMult> rows = {
        {"HasWeldStation", "", "i", [](MachineSideService&, ITorvMachineHandMult& h, const Arguments&) { return Arguments{h.HasWeldStation()}; }},
    };
    return rows;
}

// Planes and tools are only attached; they take no calls.
const Rows<ITorvMachinePlane>& RowsOf(ITorvMachinePlane*)
{
    static const Rows<ITorvMachinePlane> rows;
    return rows;
}
const Rows<ITorvMachineTool>& RowsOf(ITorvMachineTool*)
{
    static const Rows<ITorvMachineTool> rows;
    return rows;
}

template <class T> Arguments Dispatch(MachineSideService& service, T& object, const QDBusMessage& message)
{
    for (const Row<T>& row : RowsOf(static_cast<T*>(nullptr))) {
        if (message.member() != QLatin1String(row.member))
            continue;
        if (message.signature() != QLatin1String(row.signature))
            throw BadCall{QDBusError::InvalidArgs, message.member() + QStringLiteral(" takes (") +
                                                       QLatin1String(row.signature) + QStringLiteral("), not (") +
                                                       message.signature() + QLatin1Char(')')};
        return row.handle(service, object, message.arguments());
    }
    throw BadCall{QDBusError::UnknownMethod, QStringLiteral("No method ") + message.member() + QStringLiteral(" on ") +
                                                 message.path()};
}

// The introspection of a kind's methods: each argument and answer by its type, in order.
template <class T> QString MethodsXml()
{
    QString xml;
    for (const Row<T>& row : RowsOf(static_cast<T*>(nullptr))) {
        xml += QStringLiteral("<method name=\"%1\">").arg(QLatin1String(row.member));
        for (const char* type = row.signature; *type; ++type)
            xml += QStringLiteral("<arg type=\"%1\" direction=\"in\"/>").arg(QLatin1Char(*type));
        for (const char* type = row.reply; *type; ++type)
            xml += QStringLiteral("<arg type=\"%1\" direction=\"out\"/>").arg(QLatin1Char(*type));
        xml += QStringLiteral("</method>");
    }
    return xml;
}

constexpr const char* kSignals[] = {"OnMachineReady",      "OnSetupClosed",      "OnRunFinished",
                                    "OnDisableRunEntries", "OnEnableRunEntries", "OnReturnToMain"};

} // namespace

MachineSideService::MachineSideService(SimulatedMachine& machine, QDBusConnection connection)
    : machine_(machine), connection_(std::move(connection)), application_(machine.NewApplication())
{
}

MachineSideService::~MachineSideService()
{
    connection_.unregisterService(bus::kService);
    connection_.unregisterObject(bus::kApplicationPath, QDBusConnection::UnregisterTree);
}

bool MachineSideService::Register()
{
    return connection_.isConnected() &&
           connection_.registerVirtualObject(bus::kApplicationPath, this, QDBusConnection::SubPath) &&
           connection_.registerService(bus::kService);
}

template <class T> QString MachineSideService::Keep(std::unique_ptr<T> object, const QString& fixedName)
{
    if (!object)
        return {};
    const QString path =
        bus::kApplicationPath + QLatin1Char('/') + (fixedName.isEmpty() ? QString::number(++next_) : fixedName);
    objects_[path] = std::move(object);
    return path;
}

template <class T> T& MachineSideService::Find(const QString& path)
{
    const auto found = objects_.find(path);
    auto* object = found == objects_.end() ? nullptr : std::get_if<std::unique_ptr<T>>(&found->second);
    if (!object)
        throw BadCall{QDBusError::InvalidArgs, QStringLiteral("No such object: ") + path};
    return **object;
}

void MachineSideService::DelayRun() const
{
    if (runDelayMs_ > 0)
        QThread::msleep(static_cast<unsigned long>(runDelayMs_));
}

void MachineSideService::AfterRun(std::int32_t status)
{
    if (runObserver_)
        runObserver_();
    const bool staysBusy = status != kRunStaysReady && status != kNoAcPower && status != kNoHydraulics;
    if (staysBusy && finishAfterMs_ >= 0)
        QTimer::singleShot(finishAfterMs_, [this] { machine_.CallBack(5); });
}

std::int32_t MachineSideService::Emit(const char* name)
{
    connection_.send(QDBusMessage::createSignal(bus::kApplicationPath, bus::kInterface, QLatin1String(name)));
    return 0;
}

bool MachineSideService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage ||
        (!message.interface().isEmpty() && message.interface() != bus::kInterface))
        return false;
    const QString path = message.path();
    try {
        Arguments answer;
        if (path == bus::kApplicationPath) {
            answer = Dispatch(*this, *application_, message);
        } else if (message.member() == bus::kRelease) {
            // The machine and its control object stay; every other object goes when released.
            if (!path.endsWith(QLatin1String("/Machine")) && !path.endsWith(QLatin1String("/Control")))
                objects_.erase(path);
        } else {
            const auto found = objects_.find(path);
            if (found == objects_.end())
                throw BadCall{QDBusError::UnknownObject, QStringLiteral("No such object: ") + path};
            answer = std::visit([&](auto& object) { return Dispatch(*this, *object, message); }, found->second);
        }
        connection.send(message.createReply(answer));
    } catch (const BadCall& e) {
        connection.send(message.createErrorReply(e.type, e.text));
    } catch (const MachineError& e) {
        connection.send(message.createErrorReply(fw::BusErrorName(e.Status()), QString::fromUtf8(e.what())));
    } catch (const std::exception& e) {
        connection.send(message.createErrorReply(fw::BusErrorName(fw::E_FAIL), QString::fromUtf8(e.what())));
    }
    return true;
}

QString MachineSideService::introspect(const QString& path) const
{
    QString members;
    QString children;
    if (path == bus::kApplicationPath) {
        members = MethodsXml<ITorvMachineApplication>();
        for (const char* name : kSignals)
            members += QStringLiteral("<signal name=\"%1\"/>").arg(QLatin1String(name));
        for (const auto& [objectPath, object] : objects_)
            children += QStringLiteral("<node name=\"%1\"/>").arg(objectPath.mid(bus::kApplicationPath.size() + 1));
    } else {
        const auto found = objects_.find(path);
        if (found == objects_.end())
            return {};
        members = std::visit([](const auto& object) { return MethodsXml<std::decay_t<decltype(*object)>>(); },
                             found->second);
        members += QStringLiteral("<method name=\"%1\"/>").arg(bus::kRelease);
    }
    return QStringLiteral("<interface name=\"%1\">").arg(bus::kInterface) + members + QStringLiteral("</interface>") +
           children;
}
