#pragma once
// The objects the program made for its bus clients, one object path each, each belonging to the
// client that asked for it. When a client leaves the bus, its objects are released.

#include "fw/qt/BusObject.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <map>
#include <memory>

namespace fw {

class BusObjects : public QObject {
    Q_OBJECT
public:
    // Objects are exported on connection under root ("/com/kestrom/Varnex" gives
    // "/com/kestrom/Varnex/PartDoc/1", ...).
    BusObjects(QDBusConnection connection, QString root);
    ~BusObjects() override;

    // Exports the object for the client owner (its unique bus name) as root/kind/<number>; its
    // path, or "" when it could not be exported or the client has left (it is then released).
    // An empty owner: the object belongs to no client and stays until it is released.
    QString Add(const QString& owner, const QString& kind, std::unique_ptr<BusObject> object);
    // Releases an object of owner; false when owner holds no object of that path.
    bool Release(const QString& path, const QString& owner);
    // Releases every object of owner.
    void ReleaseAllOf(const QString& owner);

    std::size_t Count() const { return objects_.size(); }
    std::size_t CountOf(const QString& owner) const;

signals:
    // After an object was added or released.
    void countChanged(std::size_t count);

private:
    struct Entry {
        QString owner;
        std::unique_ptr<BusObject> object;
    };
    void Unexport(const QString& path);

    QDBusConnection connection_;
    QString root_;
    QDBusServiceWatcher watcher_;
    std::map<QString, Entry> objects_;
    std::uint64_t lastNumber_ = 0;
};

} // namespace fw
