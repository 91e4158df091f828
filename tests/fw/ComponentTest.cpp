#include "fw/core/Component.h"

#include <gtest/gtest.h>

namespace {
struct IGreeter : fw::Unknown {
    virtual std::string Hello() = 0;
};
struct Greeter : IGreeter {
    std::string Hello() override { return "hi"; }
};
struct IEvents {
    virtual ~IEvents() = default;
    virtual void Ping(int) = 0;
};
struct Counter : IEvents {
    int total = 0;
    void Ping(int n) override { total += n; }
};
} // namespace

TEST(ClassRegistry, CreatesByClassIdOrProgIdAndRefusesUnknown)
{
    auto& reg = fw::ClassRegistry::Instance();
    reg.Register("{11111111-0000-0000-0000-000000000001}", "Test.Greeter", [] { return std::make_unique<Greeter>(); });
    auto byId = reg.CreateAs<IGreeter>("{11111111-0000-0000-0000-000000000001}");
    ASSERT_TRUE(byId);
    EXPECT_EQ(byId->Hello(), "hi");
    EXPECT_TRUE(reg.CreateAs<IGreeter>("test.greeter"));
    EXPECT_FALSE(reg.Create("Test.Nothing"));
    EXPECT_TRUE(reg.Unregister("{11111111-0000-0000-0000-000000000001}"));
    EXPECT_FALSE(reg.IsRegistered("Test.Greeter"));
}

TEST(ClassRegistry, AVersionedProgIdCreatesTheSameClassAndGoesWithIt)
{
    auto& reg = fw::ClassRegistry::Instance();
    const std::string clsid = "{11111111-0000-0000-0000-000000000002}";
    reg.Register(clsid, "Test.Greeter", [] { return std::make_unique<Greeter>(); }, "Test.Greeter.1");
    for (const char* key : {"Test.Greeter", "test.greeter.1", "{11111111-0000-0000-0000-000000000002}"})
        EXPECT_TRUE(reg.CreateAs<IGreeter>(key)) << key;
    EXPECT_FALSE(reg.IsRegistered("Test.Greeter.2"));
    reg.Register(clsid, "Test.Greeter", [] { return std::make_unique<Greeter>(); });   // replaced without it
    EXPECT_FALSE(reg.IsRegistered("Test.Greeter.1"));
    EXPECT_TRUE(reg.Unregister(clsid));
    EXPECT_FALSE(reg.IsRegistered("Test.Greeter"));
}

TEST(EventSinks, FiresToAdvisedSinksOnly)
{
    fw::EventSinks<IEvents> sinks;
    Counter a, b;
    auto ca = sinks.Advise(&a);
    auto cb = sinks.Advise(&b);
    EXPECT_NE(ca, cb);
    EXPECT_EQ(sinks.Advise(nullptr), 0u);
    sinks.Fire([](IEvents& e) { e.Ping(2); });
    EXPECT_TRUE(sinks.Unadvise(ca));
    EXPECT_FALSE(sinks.Unadvise(ca));
    sinks.Fire([](IEvents& e) { e.Ping(5); });
    EXPECT_EQ(a.total, 2);
    EXPECT_EQ(b.total, 7);
}

TEST(ErrorInfo, IsPerCallAndCleared)
{
    fw::SetErrorInfo("unexpected error in X");
    EXPECT_EQ(fw::GetErrorInfo(), "unexpected error in X");
    EXPECT_EQ(fw::GetErrorInfo(), "");
}
