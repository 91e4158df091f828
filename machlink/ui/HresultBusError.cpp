#include "machlink/ui/HresultBusError.h"

#include <array>
#include <utility>

namespace torv {

namespace {

const QString kPrefix = QStringLiteral("com.kestrom.Status.");

constexpr std::array<std::pair<fw::HRESULT, const char*>, 8> kNames = {{
    {fw::E_NOTIMPL, "E_NOTIMPL"},
    {fw::E_NOINTERFACE, "E_NOINTERFACE"},
    {fw::E_POINTER, "E_POINTER"},
    {fw::E_FAIL, "E_FAIL"},
    {fw::E_UNEXPECTED, "E_UNEXPECTED"},
    {fw::E_OUTOFMEMORY, "E_OUTOFMEMORY"},
    {fw::E_INVALIDARG, "E_INVALIDARG"},
    {RPC_E_DISCONNECTED, "RPC_E_DISCONNECTED"},
}};

} // namespace

QString BusErrorNameOf(fw::HRESULT status)
{
    for (const auto& [value, name] : kNames)
        if (value == status)
            return kPrefix + QLatin1String(name);
    return kPrefix + QLatin1Char('x') + QString::number(std::uint32_t(status), 16).toUpper();
}

fw::HRESULT HresultOfBusError(const QDBusError& error)
{
    const QString name = error.name();
    if (name.startsWith(kPrefix)) {
        const QString rest = name.mid(kPrefix.size());
        for (const auto& [value, text] : kNames)
            if (rest == QLatin1String(text))
                return value;
        bool ok = false;
        const std::uint32_t value = rest.startsWith(QLatin1Char('x')) ? rest.mid(1).toUInt(&ok, 16) : 0;
        return ok ? fw::HRESULT(value) : fw::E_FAIL;
    }
    switch (error.type()) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
    case QDBusError::Disconnected:
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::NoNetwork: return RPC_E_DISCONNECTED;
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod: return fw::E_NOINTERFACE;
    case QDBusError::InvalidArgs:
    case QDBusError::InvalidSignature: return fw::E_INVALIDARG;
    case QDBusError::NoMemory: return fw::E_OUTOFMEMORY;
    default: return fw::E_FAIL;
    }
}

} // namespace torv
