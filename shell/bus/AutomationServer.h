#pragma once
// The program's automation server on the session bus: under the name "com.kestrom.Varnex" a
// factory object makes part, mult and shape objects by ProgID or class id, one object path each.
// An object belongs to the client that made it and is released when the client releases it or
// leaves the bus. A windowless server tells when no object has been left for a while, so that the
// program can end.

#include "fw/qt/BusObjects.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>

class AutomationServer : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kServiceName = "com.kestrom.Varnex";
    static constexpr const char* kFactoryPath = "/com/kestrom/Varnex";
    static constexpr const char* kFactoryInterface = "com.kestrom.Varnex.Factory";

    struct Options {
        // Idle after this long without objects; zero: never (a program with a main window).
        std::chrono::milliseconds idleTime{0};
    };

    AutomationServer(QDBusConnection connection, Options options);
    ~AutomationServer() override;

    // Exports the factory and takes the service name; false when the bus can't be reached or
    // another program holds the name.
    bool Start();
    const fw::BusObjects& Objects() const { return objects_; }

signals:
    // No client has held an object for the idle time.
    void idle();

private:
    fw::BusReply CreateObject(const QString& owner, const std::string& classIdOrProgId);
    fw::BusReply Release(const QString& caller, const QDBusObjectPath& path);
    void OnCountChanged(std::size_t count);

    QDBusConnection connection_;
    Options options_;
    fw::BusObjects objects_;
    std::unique_ptr<fw::BusObject> factory_;
    QTimer idle_;
    bool started_ = false;   // the factory and the name are this server's
};
