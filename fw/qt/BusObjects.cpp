#include "fw/qt/BusObjects.h"

#include <QDBusConnectionInterface>

namespace fw {

BusObjects::BusObjects(QDBusConnection connection, QString root)
    : connection_(std::move(connection)), root_(std::move(root))
{
    watcher_.setConnection(connection_);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &BusObjects::ReleaseAllOf);
}

BusObjects::~BusObjects()
{
    for (auto& [path, entry] : objects_)
        Unexport(path);
}

QString BusObjects::Add(const QString& owner, const QString& kind, std::unique_ptr<BusObject> object)
{
    const QString path = root_ + QLatin1Char('/') + kind + QLatin1Char('/') + QString::number(++lastNumber_);
    if (!connection_.registerVirtualObject(path, object.get(), QDBusConnection::SingleNode))
        return {};
    const bool watched = !owner.isEmpty();
    if (watched && CountOf(owner) == 0)
        watcher_.addWatchedService(owner);
    objects_[path] = Entry{owner, std::move(object)};
    // A client that left before its object was made never gets to release it.
    if (watched && !connection_.interface()->isServiceRegistered(owner)) {
        ReleaseAllOf(owner);
        return {};
    }
    emit countChanged(objects_.size());
    return path;
}

bool BusObjects::Release(const QString& path, const QString& owner)
{
    const auto found = objects_.find(path);
    if (found == objects_.end() || found->second.owner != owner)
        return false;
    Unexport(path);
    objects_.erase(found);
    if (!owner.isEmpty() && CountOf(owner) == 0)
        watcher_.removeWatchedService(owner);
    emit countChanged(objects_.size());
    return true;
}

void BusObjects::ReleaseAllOf(const QString& owner)
{
    bool released = false;
    for (auto it = objects_.begin(); it != objects_.end();) {
        if (it->second.owner == owner) {
            Unexport(it->first);
            it = objects_.erase(it);
            released = true;
        } else {
            ++it;
        }
    }
    if (!owner.isEmpty())
        watcher_.removeWatchedService(owner);
    if (released)
        emit countChanged(objects_.size());
}

std::size_t BusObjects::CountOf(const QString& owner) const
{
    std::size_t count = 0;
    for (const auto& [path, entry] : objects_)
        count += entry.owner == owner ? 1 : 0;
    return count;
}

void BusObjects::Unexport(const QString& path)
{
    connection_.unregisterObject(path);
}

} // namespace fw
