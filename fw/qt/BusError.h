#pragma once
// Statuses over D-Bus: a failing HRESULT travels as a D-Bus error whose name tells the status and
// whose message carries the error text; a client maps the error back to the status and text.

#include "fw/core/Component.h"

#include <QString>
#include <string>

class QDBusError;

namespace fw {

// Every error name the program sends starts with this.
inline constexpr const char* kBusErrorPrefix = "com.kestrom.Varnex.Error.";

// "com.kestrom.Varnex.Error.InvalidArgument" for E_INVALIDARG, ...; a status without a name of
// its own gives "com.kestrom.Varnex.Error.Status80041234".
QString BusErrorName(HRESULT status);
// The status of an error name: the program's own names, the bus's standard errors (invalid
// arguments, no memory, unknown method or service, access denied), E_FAIL for any other.
HRESULT BusErrorStatus(const QString& name);
// The message of an error: the text (Windows-1252) when there is one, else a description of the
// status.
QString BusErrorMessage(HRESULT status, const std::string& text);

// A reply's status and text as a client sees it: S_OK and "" for a reply that is no error.
struct BusStatus {
    HRESULT status = S_OK;
    std::string text;   // Windows-1252
};
BusStatus StatusOfBusError(const QDBusError& error);

} // namespace fw
