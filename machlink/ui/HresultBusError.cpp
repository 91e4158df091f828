#include "machlink/ui/HresultBusError.h"

#include "fw/qt/BusError.h"

namespace torv {

fw::HRESULT HresultOfBusError(const QDBusError& error)
{
    if (error.name().startsWith(QLatin1String(fw::kBusErrorPrefix)))
        return fw::BusErrorStatus(error.name());
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
    default: return fw::BusErrorStatus(error.name());
    }
}

} // namespace torv
