#pragma once
// An object on the bus described by a table of methods: each method has a name, typed and named
// arguments in and out, and a handler. Calls are checked against the table before a handler runs:
// an unknown method or interface, arguments of the wrong types and texts that Windows-1252 cannot
// hold are refused with the bus's error, and so is a call from a client other than the owner; a handler's failing status becomes the program's error
// (BusError.h), its message the method's name and the error text; anything a handler throws
// becomes E_UNEXPECTED. The error info (fw::GetErrorInfo) is empty when a handler starts.

#include "fw/core/Component.h"

#include <QDBusVirtualObject>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {

// A bus text as Windows-1252; none when a character can't be held.
std::optional<std::string> FromBusText(const QString& text);

// The arguments of one call, checked against the method's signature.
class BusArgs {
public:
    BusArgs(QVariantList values, std::vector<std::string> texts, QString sender)
        : values_(std::move(values)), texts_(std::move(texts)), sender_(std::move(sender)) {}

    // The i-th argument; i must be an argument of that type in the signature.
    const std::string& Text(int i) const { return texts_[std::size_t(i)]; }
    double Double(int i) const { return values_[i].toDouble(); }
    std::int16_t Int16(int i) const { return std::int16_t(values_[i].value<short>()); }
    std::int32_t Int32(int i) const { return values_[i].toInt(); }
    std::uint32_t UInt32(int i) const { return values_[i].toUInt(); }
    const QVariant& Value(int i) const { return values_[i]; }
    // The unique bus name of the calling client.
    const QString& Sender() const { return sender_; }

private:
    QVariantList values_;
    std::vector<std::string> texts_;   // by argument position; empty for arguments that are no text
    QString sender_;
};

// What a handler answers: its status (and the error text when it failed) or the values out.
struct BusReply {
    HRESULT status = S_OK;
    std::string text;   // Windows-1252
    QVariantList out;

    static BusReply Failure(HRESULT status, std::string text = {}) { return {status, std::move(text), {}}; }
    // The values out in the order of the method's outputs: QString for "s" (use Text), short for
    // "n", int for "i", uint for "u", double for "d", QDBusObjectPath for "o".
    static BusReply Values(QVariantList out) { return {S_OK, {}, std::move(out)}; }
    static QVariant Text(const std::string& text1252);
};

struct BusArg {
    const char* name;
    char type;   // a basic D-Bus type: 's', 'n', 'i', 'u', 'd', 'o'
};

struct BusMethod {
    QString name;
    std::vector<BusArg> in;
    std::vector<BusArg> out;
    std::function<BusReply(const BusArgs&)> handler;
};

class BusObject : public QDBusVirtualObject {
public:
    // keepAlive: the object the handlers call (owned); may be null.
    BusObject(QString interfaceName, std::vector<BusMethod> methods, std::unique_ptr<Unknown> keepAlive = nullptr);
    ~BusObject() override;

    const QString& InterfaceName() const { return interface_; }
    // The unique bus name of the only client that may call the object; empty: any client.
    void SetOwner(QString owner) { owner_ = std::move(owner); }
    // The introspection description of the interface.
    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    const BusMethod* Find(const QString& name) const;

    QString interface_;
    QString owner_;
    std::vector<BusMethod> methods_;
    std::unique_ptr<Unknown> keepAlive_;
};

} // namespace fw
