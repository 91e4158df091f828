#pragma once
// The machine side reached over the session bus: the application object of the service
// registered under torv::bus::kService, with every interface of machlink/TorvMachine.h behind
// it. Calls block until the machine side answers; its callbacks arrive as bus signals through the
// event loop of the calling thread, so they run there later, never inside a call.

#include "machlink/TorvMachine.h"

#include <QDBusConnection>

#include <functional>
#include <memory>

namespace torv {

// The application object of the machine side. One that is not running is started through the
// bus's activation when its service file is installed (CanStartTorvMachine); null when it neither
// runs nor can be started. onGone is called (on the event loop) when the machine side leaves the
// bus.
std::unique_ptr<ITorvMachineApplication> ConnectTorvMachine(std::function<void()> onGone,
                                                            QDBusConnection connection = QDBusConnection::sessionBus());

// Whether the bus can start the machine side (its service file is installed).
bool CanStartTorvMachine(QDBusConnection connection = QDBusConnection::sessionBus());

// Calls onAppeared (on the event loop) each time the machine side's service name gets an owner,
// for as long as the returned watch lives.
std::unique_ptr<QObject> WatchTorvMachineAppearing(std::function<void()> onAppeared,
                                                   QDBusConnection connection = QDBusConnection::sessionBus());

} // namespace torv
