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

// The application object, or null when no machine side is registered on the bus. onGone is
// called (on the event loop) when the machine side leaves the bus.
std::unique_ptr<ITorvMachineApplication> ConnectTorvMachine(std::function<void()> onGone,
                                                            QDBusConnection connection = QDBusConnection::sessionBus());

} // namespace torv
