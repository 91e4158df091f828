#include "fw/qt/BusObject.h"

#include "fw/qt/BusError.h"
#include "fw/qt/QtText.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <exception>

namespace fw {

namespace {

QString Signature(const std::vector<BusArg>& args)
{
    QString signature;
    for (const BusArg& a : args)
        signature += QChar::fromLatin1(a.type);
    return signature;
}

QString ArgsXml(const std::vector<BusArg>& args, const char* direction)
{
    QString xml;
    for (const BusArg& a : args)
        xml += QStringLiteral("      <arg name=\"%1\" type=\"%2\" direction=\"%3\"/>\n")
                   .arg(QString::fromLatin1(a.name), QChar::fromLatin1(a.type), QString::fromLatin1(direction));
    return xml;
}

QDBusMessage StandardError(const QDBusMessage& call, QDBusError::ErrorType type, const QString& text)
{
    return call.createErrorReply(QDBusError::errorString(type), text);
}

} // namespace

std::optional<std::string> FromBusText(const QString& text)
{
    bool replaced = false;
    std::string converted = FromQString(text, &replaced);
    if (replaced)
        return std::nullopt;
    return converted;
}

QVariant BusReply::Text(const std::string& text1252) { return ToQString(text1252); }

BusObject::BusObject(QString interfaceName, std::vector<BusMethod> methods, std::unique_ptr<Unknown> keepAlive)
    : interface_(std::move(interfaceName)), methods_(std::move(methods)), keepAlive_(std::move(keepAlive))
{
}

BusObject::~BusObject() = default;

const BusMethod* BusObject::Find(const QString& name) const
{
    for (const BusMethod& m : methods_)
        if (m.name == name)
            return &m;
    return nullptr;
}

QString BusObject::introspect(const QString&) const
{
    QString xml = QStringLiteral("  <interface name=\"%1\">\n").arg(interface_);
    for (const BusMethod& m : methods_)
        xml += QStringLiteral("    <method name=\"%1\">\n").arg(m.name) + ArgsXml(m.in, "in") + ArgsXml(m.out, "out") +
               QStringLiteral("    </method>\n");
    return xml + QStringLiteral("  </interface>\n");
}

bool BusObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    QDBusConnection bus(connection);
    const auto send = [&](const QDBusMessage& reply) {
        if (!message.isReplyRequired())
            return true;
        return bus.send(reply);
    };
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable") &&
        message.member() == QLatin1String("Introspect"))
        return send(message.createReply(
            QStringLiteral("<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
                           "\"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n<node>\n") +
            introspect(message.path()) +
            QStringLiteral("  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
                           "    <method name=\"Introspect\">\n"
                           "      <arg name=\"xml_data\" type=\"s\" direction=\"out\"/>\n"
                           "    </method>\n  </interface>\n</node>\n")));
    if (!owner_.isEmpty() && message.service() != owner_)
        return send(StandardError(message, QDBusError::AccessDenied,
                                  QStringLiteral("%1: the object %2 belongs to another client")
                                      .arg(message.member(), message.path())));
    if (!message.interface().isEmpty() && message.interface() != interface_)
        return send(StandardError(message, QDBusError::UnknownInterface,
                                  QStringLiteral("No interface %1 on this object").arg(message.interface())));
    const BusMethod* method = Find(message.member());
    if (!method)
        return send(StandardError(message, QDBusError::UnknownMethod,
                                  QStringLiteral("No method %1 in %2").arg(message.member(), interface_)));
    const QString expected = Signature(method->in);
    if (message.signature() != expected)
        return send(StandardError(message, QDBusError::InvalidArgs,
                                  QStringLiteral("%1: takes (%2), not (%3)").arg(method->name, expected, message.signature())));

    const QVariantList values = message.arguments();
    std::vector<std::string> texts(values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (method->in[std::size_t(i)].type != 's')
            continue;
        std::optional<std::string> text = FromBusText(values[i].toString());
        if (!text)
            return send(message.createErrorReply(
                BusErrorName(E_INVALIDARG),
                QStringLiteral("%1: %2 holds a character that can't be stored").arg(method->name, QString::fromLatin1(method->in[std::size_t(i)].name))));
        texts[std::size_t(i)] = std::move(*text);
    }

    BusReply reply;
    GetErrorInfo();   // a text left by an earlier call is not this call's
    try {
        reply = method->handler(BusArgs(values, std::move(texts), message.service()));
    } catch (const std::exception& e) {
        reply = BusReply::Failure(E_UNEXPECTED, std::string("Unexpected error: ") + e.what());
    } catch (...) {
        reply = BusReply::Failure(E_UNEXPECTED, "Unexpected error");
    }
    if (FAILED(reply.status))
        return send(message.createErrorReply(BusErrorName(reply.status),
                                             method->name + QStringLiteral(": ") + BusErrorMessage(reply.status, reply.text)));
    return send(message.createReply(reply.out));
}

} // namespace fw
