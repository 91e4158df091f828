#include "shell/bus/AutomationServer.h"

#include "fw/core/Text1252.h"
#include "machmult/IMultDoc.h"
#include "model/IShapeDoc.h"
#include "partprog/IPartDoc.h"
#include "shell/bus/AutomationInterfaces.h"

#include <QDBusConnectionInterface>
#include <QDBusObjectPath>

namespace {

// Objects kept for scripts (each call of a command-line tool is a client of its own) belong to
// no client and stay until they are released.
const QString kKept;

template <class Interface, const char* InterfaceName, std::vector<fw::BusMethod> (*Methods)(Interface&)>
std::unique_ptr<fw::BusObject> MakeObject(std::unique_ptr<fw::Unknown> object)
{
    Interface* target = object->Query<Interface>();
    if (!target)
        return nullptr;
    return std::make_unique<fw::BusObject>(QString::fromLatin1(InterfaceName), Methods(*target), std::move(object));
}

constexpr char kPartDocInterface[] = "com.kestrom.Varnex.PartDoc";
constexpr char kMultDocInterface[] = "com.kestrom.Varnex.MultDoc";
constexpr char kShapeDocInterface[] = "com.kestrom.Varnex.ShapeDoc";

struct ClassInfo {
    const char* classId;
    const char* progId;
    const char* kind;   // the folder of the object paths
    std::unique_ptr<fw::BusObject> (*make)(std::unique_ptr<fw::Unknown>);
};

const ClassInfo kClasses[] = {
    {IPartDoc::kClassId, IPartDoc::kProgId, "PartDoc", &MakeObject<IPartDoc, kPartDocInterface, &PartDocBusMethods>},
    {IMultDoc::kClassId, IMultDoc::kProgId, "MultDoc", &MakeObject<IMultDoc, kMultDocInterface, &MultDocBusMethods>},
    {IShapeDoc::kClassId, IShapeDoc::kProgId, "ShapeDoc",
     &MakeObject<IShapeDoc, kShapeDocInterface, &ShapeDocBusMethods>},
};

const ClassInfo* FindClass(const std::string& classIdOrProgId)
{
    for (const ClassInfo& c : kClasses)
        if (fw::EqualsNoCase1252(classIdOrProgId, c.progId) || fw::EqualsNoCase1252(classIdOrProgId, c.classId))
            return &c;
    return nullptr;
}

} // namespace

AutomationServer::AutomationServer(QDBusConnection connection, Options options)
    : connection_(std::move(connection)), options_(options), objects_(connection_, QString::fromLatin1(kFactoryPath))
{
    std::vector<fw::BusMethod> methods;
    methods.push_back({"CreateObject", {{"progId", 's'}}, {{"object", 'o'}},
                       [this](const fw::BusArgs& a) { return CreateObject(a.Sender(), a.Text(0)); }});
    methods.push_back({"CreateKeptObject", {{"progId", 's'}}, {{"object", 'o'}},
                       [this](const fw::BusArgs& a) { return CreateObject(kKept, a.Text(0)); }});
    methods.push_back({"Release", {{"object", 'o'}}, {}, [this](const fw::BusArgs& a) {
                           return Release(a.Sender(), a.Value(0).value<QDBusObjectPath>());
                       }});
    factory_ = std::make_unique<fw::BusObject>(QString::fromLatin1(kFactoryInterface), std::move(methods));

    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, &AutomationServer::idle);
    connect(&objects_, &fw::BusObjects::countChanged, this, &AutomationServer::OnCountChanged);
}

AutomationServer::~AutomationServer()
{
    if (!started_)
        return;
    connection_.unregisterObject(QString::fromLatin1(kFactoryPath));
    connection_.unregisterService(QString::fromLatin1(kServiceName));
}

bool AutomationServer::Start()
{
    if (!connection_.isConnected() ||
        !connection_.registerVirtualObject(QString::fromLatin1(kFactoryPath), factory_.get(),
                                           QDBusConnection::SingleNode))
        return false;
    if (!connection_.registerService(QString::fromLatin1(kServiceName))) {
        connection_.unregisterObject(QString::fromLatin1(kFactoryPath));
        return false;
    }
    started_ = true;
    OnCountChanged(objects_.Count());
    return true;
}

fw::BusReply AutomationServer::CreateObject(const QString& owner, const std::string& classIdOrProgId)
{
    const ClassInfo* info = FindClass(classIdOrProgId);
    if (!info)
        return fw::BusReply::Failure(fw::CLASS_E_CLASSNOTAVAILABLE, "No class \"" + classIdOrProgId + "\" is served.");
    if (objects_.IsFull(owner)) {
        const std::string most = std::to_string(objects_.MaxPerClient());
        return fw::BusReply::Failure(
            fw::E_OUTOFMEMORY, owner == kKept ? "There are " + most + " kept objects, as many as may be kept; release some first."
                                              : "This client holds " + most + " objects, as many as one client may hold; "
                                                "release some first.");
    }
    std::unique_ptr<fw::Unknown> object = fw::ClassRegistry::Instance().Create(info->classId);
    if (!object)
        return fw::BusReply::Failure(fw::CLASS_E_CLASSNOTAVAILABLE,
                                     std::string("The class ") + info->progId + " is not available.");
    std::unique_ptr<fw::BusObject> busObject = info->make(std::move(object));
    if (!busObject)
        return fw::BusReply::Failure(fw::E_NOINTERFACE, std::string("The class ") + info->progId +
                                                            " does not have its interface.");
    const QString path = objects_.Add(owner, QString::fromLatin1(info->kind), std::move(busObject));
    if (path.isEmpty())
        return fw::BusReply::Failure(fw::E_FAIL, "The object could not be put on the bus.");
    return fw::BusReply::Values({QVariant::fromValue(QDBusObjectPath(path))});
}

fw::BusReply AutomationServer::Release(const QString& caller, const QDBusObjectPath& path)
{
    if (objects_.Release(path.path(), caller) || objects_.Release(path.path(), kKept))
        return {};
    return fw::BusReply::Failure(fw::E_INVALIDARG,
                                 "No object " + path.path().toStdString() + " of this client to release.");
}

void AutomationServer::OnCountChanged(std::size_t count)
{
    if (options_.idleTime.count() == 0)
        return;
    if (count == 0)
        idle_.start(options_.idleTime);
    else
        idle_.stop();
}
