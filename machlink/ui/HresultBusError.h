#pragma once
// Status results of the machine link carried as bus errors and back. The names are the program's
// own bus error names (fw/qt/BusError.h); errors of the bus itself map to what a caller of the link
// can act on: a peer that is gone or does not answer to RPC_E_DISCONNECTED, an unknown object or
// method to E_NOINTERFACE, bad arguments to E_INVALIDARG, anything else to E_FAIL.

#include "fw/core/Component.h"

#include <QDBusError>

namespace torv {

inline constexpr fw::HRESULT RPC_E_DISCONNECTED = fw::HRESULT(0x80010108u);

fw::HRESULT HresultOfBusError(const QDBusError& error);

} // namespace torv
