#pragma once
// Bounded waits for the tests on a private session bus. Nothing here blocks without a bound: a
// call is sent asynchronously and its reply awaited with the event loop running (so that a server
// in this process can answer) until a deadline; every wait that runs out records a failure naming
// what it waited for. (A blocking call that waits with the event loop can miss a reply that lands
// while it starts waiting, and then waits for ever.)

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace bustest {

inline constexpr int kWaitMs = 20000;

// Runs the event loop until done() holds or the time is up; whether it held. A wait that runs out
// is a failure of the test, named by what.
inline bool WaitFor(const std::string& what, const std::function<bool()>& done, int milliseconds = kWaitMs)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "waited " << milliseconds << " ms in vain for " << what;
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// A method call and its reply, or an error reply "no reply" (and a failure) when none came within
// the time.
inline QDBusMessage Call(QDBusConnection connection, const QString& service, const QString& path,
                         const QString& interface, const QString& method, const QVariantList& args = {},
                         int milliseconds = kWaitMs)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(args);
    const QDBusPendingCall pending = connection.asyncCall(call, milliseconds);
    const QString what = QStringLiteral("the reply to %1.%2 on %3").arg(interface, method, path);
    if (!WaitFor(what.toStdString(), [&pending] { return pending.isFinished(); }, milliseconds + 5000))
        return call.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.NoReply"), QStringLiteral("no ") + what);
    return pending.reply();
}

// A call to the bus itself.
inline QDBusMessage CallBus(QDBusConnection connection, const QString& method, const QVariantList& args = {})
{
    return Call(std::move(connection), QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), method, args);
}

// Whether a client holds name on the bus of connection.
inline bool HasOwner(QDBusConnection connection, const QString& name)
{
    return CallBus(std::move(connection), QStringLiteral("NameHasOwner"), {name}).arguments().value(0).toBool();
}

// Waits until name is taken (or left, when taken is false).
inline bool WaitForName(QDBusConnection connection, const QString& name, bool taken = true, int milliseconds = kWaitMs)
{
    return WaitFor((taken ? "the bus name " : "the release of the bus name ") + name.toStdString(),
                   [&] { return HasOwner(connection, name) == taken; }, milliseconds);
}

// Ends a process the test started, whatever happened in between: asks it to end, then kills it.
inline void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(10000);
    }
}

} // namespace bustest
