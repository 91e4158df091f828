#include "fw/qt/BusName.h"

#include <QDBusMessage>

namespace fw {

std::optional<bool> NameHasOwner(const QDBusConnection& connection, const QString& name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    call << name;
    // Block (not BlockWithGui) waits under the call's own lock, so no reply can slip by; the
    // timeout ends the wait when the bus does not answer.
    const QDBusMessage reply = QDBusConnection(connection).call(call, QDBus::Block, kBusDaemonTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst().toBool();
}

} // namespace fw
