#pragma once
// Status results carried as bus errors and back: the known statuses by name
// ("com.kestrom.Status.E_POINTER"), any other as its hexadecimal value
// ("com.kestrom.Status.x80004005"). Errors of the bus itself map to what a caller can act on:
// a peer that is gone or does not answer to RPC_E_DISCONNECTED, an unknown object or method to
// E_NOINTERFACE, bad arguments to E_INVALIDARG, anything else to E_FAIL.

#include "fw/core/Component.h"

#include <QDBusError>
#include <QString>

namespace torv {

inline constexpr fw::HRESULT RPC_E_DISCONNECTED = fw::HRESULT(0x80010108u);

QString BusErrorNameOf(fw::HRESULT status);
fw::HRESULT HresultOfBusError(const QDBusError& error);

} // namespace torv
