#include "fw/qt/BusError.h"

#include "fw/qt/QtText.h"

#include <QDBusError>
#include <array>
#include <cstring>

namespace fw {

namespace {

struct NamedStatus {
    HRESULT status;
    const char* name;
    const char* description;
};

constexpr std::array kNamedStatuses{
    NamedStatus{E_NOTIMPL, "NotImplemented", "The method is not implemented."},
    NamedStatus{E_NOINTERFACE, "NoInterface", "The object does not support the interface."},
    NamedStatus{E_POINTER, "Pointer", "A required value is missing."},
    NamedStatus{E_FAIL, "Failed", "The operation failed."},
    NamedStatus{E_UNEXPECTED, "Unexpected", "The object is not in a state for this call."},
    NamedStatus{E_OUTOFMEMORY, "OutOfMemory", "Not enough memory."},
    NamedStatus{E_INVALIDARG, "InvalidArgument", "An argument is not valid."},
    NamedStatus{CLASS_E_CLASSNOTAVAILABLE, "ClassNotAvailable", "No such class is available."},
};

constexpr const char* kStatusName = "Status";

// The bus's own errors that a client may get instead of the program's.
struct StandardError {
    QDBusError::ErrorType type;
    HRESULT status;
};
constexpr std::array kStandardErrors{
    StandardError{QDBusError::InvalidArgs, E_INVALIDARG},
    StandardError{QDBusError::InvalidSignature, E_INVALIDARG},
    StandardError{QDBusError::NoMemory, E_OUTOFMEMORY},
    StandardError{QDBusError::UnknownMethod, E_NOTIMPL},
    StandardError{QDBusError::UnknownInterface, E_NOINTERFACE},
    StandardError{QDBusError::UnknownObject, E_NOINTERFACE},
    StandardError{QDBusError::ServiceUnknown, CLASS_E_CLASSNOTAVAILABLE},
    StandardError{QDBusError::AccessDenied, E_FAIL},
};

const NamedStatus* FindStatus(HRESULT status)
{
    for (const NamedStatus& s : kNamedStatuses)
        if (s.status == status)
            return &s;
    return nullptr;
}

} // namespace

QString BusErrorName(HRESULT status)
{
    const QString prefix = QString::fromLatin1(kBusErrorPrefix);
    if (const NamedStatus* s = FindStatus(status))
        return prefix + QString::fromLatin1(s->name);
    return prefix + QString::fromLatin1(kStatusName) +
           QStringLiteral("%1").arg(std::uint32_t(status), 8, 16, QChar('0')).toUpper();
}

HRESULT BusErrorStatus(const QString& name)
{
    const QString prefix = QString::fromLatin1(kBusErrorPrefix);
    if (name.startsWith(prefix)) {
        const QString rest = name.mid(prefix.size());
        for (const NamedStatus& s : kNamedStatuses)
            if (rest == QLatin1String(s.name))
                return s.status;
        if (rest.startsWith(QLatin1String(kStatusName)) && rest.size() == qsizetype(std::strlen(kStatusName)) + 8) {
            bool ok = false;
            const std::uint32_t value = rest.mid(qsizetype(std::strlen(kStatusName))).toUInt(&ok, 16);
            if (ok && FAILED(HRESULT(value)))
                return HRESULT(value);
        }
        return E_FAIL;
    }
    for (const StandardError& e : kStandardErrors)
        if (name == QDBusError::errorString(e.type))
            return e.status;
    return E_FAIL;
}

QString BusErrorMessage(HRESULT status, const std::string& text)
{
    if (!text.empty())
        return ToQString(text);
    if (const NamedStatus* s = FindStatus(status))
        return QString::fromLatin1(s->description);
    return QStringLiteral("The operation failed with status 0x%1.").arg(std::uint32_t(status), 8, 16, QChar('0'));
}

BusStatus StatusOfBusError(const QDBusError& error)
{
    if (!error.isValid())
        return {};
    return {BusErrorStatus(error.name()), FromQString(error.message())};
}

} // namespace fw
