#pragma once
// Helpers of the tests on a private session bus.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

namespace bustest {

// Runs the event loop until done() holds or the time is up; whether it held.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 20000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// A method call; waits for its reply with the event loop running, so that a server in this
// process can answer.
inline QDBusMessage Call(QDBusConnection connection, const QString& service, const QString& path,
                         const QString& interface, const QString& method, const QVariantList& args = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(args);
    return connection.call(call, QDBus::BlockWithGui, 60000);
}

inline QVariant N(short value) { return QVariant::fromValue(value); }

} // namespace bustest
