#include "fw/qt/BusObjects.h"

#include "fw/qt/BusName.h"

#include <QMetaObject>

namespace fw {

namespace {

// Objects of a client that left released in one go before other calls are served again.
constexpr std::size_t kReleaseBatch = 256;

} // namespace

BusObjects::BusObjects(QDBusConnection connection, QString root, std::size_t maxPerClient)
    : connection_(std::move(connection)), root_(std::move(root)), maxPerClient_(maxPerClient)
{
    watcher_.setConnection(connection_);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &BusObjects::ReleaseAllOf);
}

BusObjects::~BusObjects()
{
    for (auto& [path, entry] : objects_)
        Unexport(path);
    for (const Leaving& object : leaving_)
        Unexport(object.path);
}

QString BusObjects::Add(const QString& owner, const QString& kind, std::unique_ptr<BusObject> object)
{
    if (IsFull(owner))
        return {};
    const bool firstOfClient = !owner.isEmpty() && !byOwner_.contains(owner);
    if (firstOfClient) {
        // Watched before the check, so that a client leaving after it is seen to leave.
        watcher_.addWatchedService(owner);
        if (!OwnerIsOnTheBus(owner)) {
            watcher_.removeWatchedService(owner);
            return {};
        }
    }
    const QString path = root_ + QLatin1Char('/') + kind + QLatin1Char('/') + QString::number(++lastNumber_);
    object->SetOwner(owner);
    if (!connection_.registerVirtualObject(path, object.get(), QDBusConnection::SingleNode)) {
        if (firstOfClient)
            watcher_.removeWatchedService(owner);
        return {};
    }
    objects_[path] = Entry{owner, std::move(object)};
    byOwner_[owner].insert(path);
    emit countChanged(Count());
    return path;
}

bool BusObjects::Release(const QString& path, const QString& owner)
{
    const auto found = objects_.find(path);
    if (found == objects_.end() || found->second.owner != owner)
        return false;
    Unexport(path);
    objects_.erase(found);
    const auto mine = byOwner_.find(owner);
    mine->second.erase(path);
    if (mine->second.empty()) {
        byOwner_.erase(mine);
        if (!owner.isEmpty())
            watcher_.removeWatchedService(owner);
    }
    emit countChanged(Count());
    return true;
}

void BusObjects::ReleaseAllOf(const QString& owner)
{
    const auto mine = byOwner_.find(owner);
    if (mine == byOwner_.end())
        return;
    const bool idle = leaving_.empty();
    // Last paths first: the bus's tree of objects then mostly drops from its end.
    for (auto path = mine->second.rbegin(); path != mine->second.rend(); ++path) {
        const auto found = objects_.find(*path);
        leaving_.push_back({*path, std::move(found->second.object)});
        objects_.erase(found);
    }
    byOwner_.erase(mine);
    if (!owner.isEmpty())
        watcher_.removeWatchedService(owner);
    if (idle)
        ReleaseLeaving();
}

void BusObjects::ReleaseLeaving()
{
    for (std::size_t i = 0; i < kReleaseBatch && !leaving_.empty(); ++i) {
        Unexport(leaving_.front().path);
        leaving_.pop_front();
    }
    if (leaving_.empty()) {
        emit countChanged(Count());
        return;
    }
    // Queued behind the calls that arrived meanwhile, so that other clients are served between.
    QMetaObject::invokeMethod(this, &BusObjects::ReleaseLeaving, Qt::QueuedConnection);
}

std::size_t BusObjects::CountOf(const QString& owner) const
{
    const auto mine = byOwner_.find(owner);
    return mine == byOwner_.end() ? 0 : mine->second.size();
}

bool BusObjects::OwnerIsOnTheBus(const QString& owner) const
{
    // A client that can't be asked about is taken as gone.
    return NameHasOwner(connection_, owner).value_or(false);
}

void BusObjects::Unexport(const QString& path)
{
    connection_.unregisterObject(path);
}

} // namespace fw
