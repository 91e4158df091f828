// The link's statuses over the bus: the program's own error names travel both ways, the bus's
// own errors map to what a caller of the link can act on.
#include "machlink/ui/HresultBusError.h"

#include "fw/qt/BusError.h"

#include <QDBusMessage>
#include <gtest/gtest.h>

namespace {

TEST(HresultBusError, ProgramStatusesRoundTripThroughTheirNames)
{
    for (const fw::HRESULT status : {fw::E_INVALIDARG, fw::E_POINTER, fw::E_FAIL, torv::RPC_E_DISCONNECTED,
                                     fw::HRESULT(0x80041234u)}) {
        const QDBusError named(QDBusMessage::createError(fw::BusErrorName(status), QStringLiteral("x")));
        EXPECT_EQ(torv::HresultOfBusError(named), status) << std::hex << std::uint32_t(status);
    }
}

TEST(HresultBusError, BusErrorsMapToWhatACallerCanActOn)
{
    struct Case {
        QDBusError::ErrorType type;
        fw::HRESULT status;
    };
    for (const Case& c : {Case{QDBusError::NoReply, torv::RPC_E_DISCONNECTED},
                          Case{QDBusError::Timeout, torv::RPC_E_DISCONNECTED},
                          Case{QDBusError::ServiceUnknown, torv::RPC_E_DISCONNECTED},
                          Case{QDBusError::Disconnected, torv::RPC_E_DISCONNECTED},
                          Case{QDBusError::UnknownMethod, fw::E_NOINTERFACE},
                          Case{QDBusError::UnknownObject, fw::E_NOINTERFACE},
                          Case{QDBusError::InvalidArgs, fw::E_INVALIDARG},
                          Case{QDBusError::NoMemory, fw::E_OUTOFMEMORY},
                          Case{QDBusError::AccessDenied, fw::E_FAIL}})
        EXPECT_EQ(torv::HresultOfBusError(QDBusError(c.type, QStringLiteral("x"))), c.status)
            << QDBusError::errorString(c.type).toStdString();
}

} // namespace
