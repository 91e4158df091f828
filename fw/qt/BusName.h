#pragma once
// Questions to the bus itself, each with a bound on its wait.

#include <QDBusConnection>
#include <optional>

namespace fw {

// How long the program waits for the bus itself to answer.
inline constexpr int kBusDaemonTimeoutMs = 5000;

// Whether a client holds name on the bus; none when the bus did not answer in time.
std::optional<bool> NameHasOwner(const QDBusConnection& connection, const QString& name);

} // namespace fw
