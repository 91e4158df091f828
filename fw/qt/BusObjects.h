#pragma once
// The objects the program made for its bus clients, one object path each, each belonging to the
// client that asked for it: only that client may call it. When a client leaves the bus, its
// objects are released, a batch at a time between other clients' calls. Every client has an
// index of its own objects, so that adding and releasing cost the same however many objects
// there are, and a bound on how many it may hold.

#include "fw/qt/BusObject.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <deque>
#include <map>
#include <memory>
#include <set>

namespace fw {

class BusObjects : public QObject {
    Q_OBJECT
public:
    // The most objects one client (and the clients' kept objects together) may hold.
    static constexpr std::size_t kMaxPerClient = 10000;

    // Objects are exported on connection under root ("/com/kestrom/Varnex" gives
    // "/com/kestrom/Varnex/PartDoc/1", ...).
    BusObjects(QDBusConnection connection, QString root, std::size_t maxPerClient = kMaxPerClient);
    ~BusObjects() override;

    // Exports the object for the client owner (its unique bus name) as root/kind/<number>; its
    // path, or "" when it could not be exported, the owner holds as many as it may (see IsFull)
    // or the client has left (it is then released).
    // An empty owner: the object belongs to no client, any client may use it, and it stays until
    // it is released.
    QString Add(const QString& owner, const QString& kind, std::unique_ptr<BusObject> object);
    // Releases an object of owner; false when owner holds no object of that path.
    bool Release(const QString& path, const QString& owner);
    // Releases every object of owner.
    void ReleaseAllOf(const QString& owner);

    bool IsFull(const QString& owner) const { return CountOf(owner) >= maxPerClient_; }
    std::size_t MaxPerClient() const { return maxPerClient_; }
    // Objects held, those of clients that left and are not released yet included.
    std::size_t Count() const { return objects_.size() + leaving_.size(); }
    std::size_t CountOf(const QString& owner) const;

signals:
    // After an object was added or released.
    void countChanged(std::size_t count);

private:
    struct Entry {
        QString owner;
        std::unique_ptr<BusObject> object;
    };
    struct Leaving {
        QString path;
        std::unique_ptr<BusObject> object;
    };
    void Unexport(const QString& path);
    bool OwnerIsOnTheBus(const QString& owner) const;
    void ReleaseLeaving();

    QDBusConnection connection_;
    QString root_;
    std::size_t maxPerClient_;
    QDBusServiceWatcher watcher_;
    std::map<QString, Entry> objects_;
    std::map<QString, std::set<QString>> byOwner_;   // the paths of each owner
    std::deque<Leaving> leaving_;   // objects of clients that left, released a batch at a time
    std::uint64_t lastNumber_ = 0;
};

} // namespace fw
