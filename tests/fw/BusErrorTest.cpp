#include "fw/qt/BusError.h"
#include "fw/qt/BusObject.h"

#include <QDBusError>
#include <QDBusMessage>
#include <gtest/gtest.h>

namespace {

TEST(BusError, EveryStatusTravelsAsItsNameAndBack)
{
    struct Case {
        fw::HRESULT status;
        const char* name;
    };
    const Case cases[] = {
        {fw::E_INVALIDARG, "com.kestrom.Varnex.Error.InvalidArgument"},
        {fw::E_FAIL, "com.kestrom.Varnex.Error.Failed"},
        {fw::E_UNEXPECTED, "com.kestrom.Varnex.Error.Unexpected"},
        {fw::E_OUTOFMEMORY, "com.kestrom.Varnex.Error.OutOfMemory"},
        {fw::E_POINTER, "com.kestrom.Varnex.Error.Pointer"},
        {fw::E_NOTIMPL, "com.kestrom.Varnex.Error.NotImplemented"},
        {fw::E_NOINTERFACE, "com.kestrom.Varnex.Error.NoInterface"},
        {fw::CLASS_E_CLASSNOTAVAILABLE, "com.kestrom.Varnex.Error.ClassNotAvailable"},
        // A status without a name of its own keeps its value.
        {fw::HRESULT(0x80041234u), "com.kestrom.Varnex.Error.Status80041234"},
        {fw::HRESULT(0x8007000Du), "com.kestrom.Varnex.Error.Status8007000D"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fw::BusErrorName(c.status), QString::fromLatin1(c.name));
        EXPECT_EQ(fw::BusErrorStatus(QString::fromLatin1(c.name)), c.status) << c.name;
    }
}

TEST(BusError, NamesAClientMayGetMapToTheNearestStatus)
{
    struct Case {
        const char* name;
        fw::HRESULT status;
    };
    const Case cases[] = {
        {"org.freedesktop.DBus.Error.InvalidArgs", fw::E_INVALIDARG},
        {"org.freedesktop.DBus.Error.NoMemory", fw::E_OUTOFMEMORY},
        {"org.freedesktop.DBus.Error.UnknownMethod", fw::E_NOTIMPL},
        {"org.freedesktop.DBus.Error.UnknownObject", fw::E_NOINTERFACE},
        {"org.freedesktop.DBus.Error.ServiceUnknown", fw::CLASS_E_CLASSNOTAVAILABLE},
        {"org.freedesktop.DBus.Error.NoReply", fw::E_FAIL},
        {"org.example.Other", fw::E_FAIL},
        // Our prefix with a name we don't know, a success status, or a malformed number.
        {"com.kestrom.Varnex.Error.Whatever", fw::E_FAIL},
        {"com.kestrom.Varnex.Error.Status00000001", fw::E_FAIL},
        {"com.kestrom.Varnex.Error.StatusXYZ", fw::E_FAIL},
        {"com.kestrom.Varnex.Error.Status800412345", fw::E_FAIL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::BusErrorStatus(QString::fromLatin1(c.name)), c.status) << c.name;
}

TEST(BusError, MessageCarriesTheErrorTextOrDescribesTheStatus)
{
    EXPECT_EQ(fw::BusErrorMessage(fw::E_FAIL, "Caf\xE9 not found"), QStringLiteral("Caf\u00E9 not found"));
    EXPECT_EQ(fw::BusErrorMessage(fw::E_INVALIDARG, ""), QStringLiteral("An argument is not valid."));
    EXPECT_EQ(fw::BusErrorMessage(fw::HRESULT(0x80041234u), ""),
              QStringLiteral("The operation failed with status 0x80041234."));

    const QDBusMessage call = QDBusMessage::createMethodCall("a.b", "/a", "a.b", "M");
    const QDBusError error(call.createErrorReply(fw::BusErrorName(fw::E_FAIL), QStringLiteral("Caf\u00E9 \u20AC")));
    const fw::BusStatus status = fw::StatusOfBusError(error);
    EXPECT_EQ(status.status, fw::E_FAIL);
    EXPECT_EQ(status.text, "Caf\xE9 \x80");
    EXPECT_EQ(fw::StatusOfBusError(QDBusError()).status, fw::S_OK);
}

TEST(BusText, OnlyTextsWindows1252CanHoldAreTaken)
{
    EXPECT_EQ(fw::FromBusText(QStringLiteral("B12 Gr\u00FC\u00DFe \u20AC")), std::optional<std::string>("B12 Gr\xFC\xDF" "e \x80"));
    EXPECT_EQ(fw::FromBusText(QString()), std::optional<std::string>(""));
    EXPECT_EQ(fw::FromBusText(QStringLiteral("B\u65E5")), std::nullopt);
    // A '?' typed by the client is its own, not a replacement.
    EXPECT_EQ(fw::FromBusText(QStringLiteral("*.prt?")), std::optional<std::string>("*.prt?"));
}

} // namespace
