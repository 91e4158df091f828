#include "fw/core/Archive.h"
#include "fw/core/ObList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using fw::Archive;
using fw::ArchiveException;

namespace {

class CTestLeaf : public fw::Object {
    FW_DECLARE_SERIAL(CTestLeaf)
public:
    std::int32_t value = 0;
    void Serialize(Archive& ar) override
    {
        if (ar.IsStoring())
            ar << value;
        else
            ar >> value;
    }
};
FW_IMPLEMENT_SERIAL(CTestLeaf, fw::Object, 1)

class CTestNode : public fw::Object {
    FW_DECLARE_SERIAL(CTestNode)
public:
    std::unique_ptr<CTestLeaf> child;
    void Serialize(Archive& ar) override
    {
        if (ar.IsStoring())
            ar.WriteObject(child.get());
        else
            child = ar.ReadObject<CTestLeaf>();
    }
};
FW_IMPLEMENT_SERIAL(CTestNode, fw::Object, 1)

// Schema 2 adds a second field; schema 1 data is still read.
class CTestVersioned : public fw::Object {
    FW_DECLARE_SERIAL(CTestVersioned)
public:
    std::uint16_t a = 0, b = 0;
    void Serialize(Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar << a << b;
            return;
        }
        ar >> a;
        if (ar.GetObjectSchema() >= 2)
            ar >> b;
    }
};
FW_IMPLEMENT_SERIAL(CTestVersioned, fw::Object, fw::VERSIONABLE_SCHEMA | 2)

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Stored(const std::function<void(Archive&)>& write)
{
    Archive ar;
    write(ar);
    return ar.TakeBytes();
}

} // namespace

TEST(Archive, PlainValuesAreLittleEndianWithFixedWidths)
{
    Bytes b = Stored([](Archive& ar) {
        ar << std::uint8_t(0x12) << std::uint16_t(0x3456) << std::int32_t(-2) << std::uint32_t(0xA1B2C3D4u);
        ar.WriteBool(true);
        ar << 1.0f << 1.0;
    });
    EXPECT_EQ(b, (Bytes{0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xD4, 0xC3, 0xB2, 0xA1, 1, 0, 0, 0,
                        0x00, 0x00, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    Archive in(b);
    std::uint8_t u8;
    std::uint16_t u16;
    std::int32_t i32;
    std::uint32_t u32;
    float f;
    double d;
    in >> u8 >> u16 >> i32 >> u32;
    bool flag = in.ReadBool();
    in >> f >> d;
    EXPECT_EQ(u8, 0x12);
    EXPECT_EQ(u16, 0x3456);
    EXPECT_EQ(i32, -2);
    EXPECT_EQ(u32, 0xA1B2C3D4u);
    EXPECT_TRUE(flag);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(d, 1.0);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Archive, StringLengthPrefixes)
{
    struct Case {
        std::size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string s(c.length, 'x');
        if (c.length)
            s[c.length - 1] = char(0xE9);   // an 8-bit byte goes through unchanged
        Bytes b = Stored([&](Archive& ar) { ar << s; });
        ASSERT_EQ(b.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(b.begin(), b.begin() + std::ptrdiff_t(c.prefix.size())), c.prefix) << c.length;
        Archive in(b);
        EXPECT_EQ(in.ReadString(), s) << c.length;
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(Archive, WideStringMarkerIsReadAsEightBitText)
{
    // 0xFF 0xFFFE marks a wide string; "A€é" then comes as three UTF-16 units.
    Archive in(Bytes{0xFF, 0xFE, 0xFF, 0x03, 0x41, 0x00, 0xAC, 0x20, 0xE9, 0x00});
    EXPECT_EQ(in.ReadString(), "A\x80\xE9");
}

TEST(Archive, CountPrefixes)
{
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteCount(0xFFFE); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Stored([](Archive& ar) { ar.WriteCount(0xFFFF); }), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    Archive in(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFE, 0xFF});
    EXPECT_EQ(in.ReadCount(), 0xFFFFu);
    EXPECT_EQ(in.ReadCount(), 0xFFFEu);
}

TEST(Archive, ObjectTagsAndNumbering)
{
    CTestLeaf first, second;
    first.value = 7;
    second.value = 8;
    CTestNode node;
    node.child = std::make_unique<CTestLeaf>();
    node.child->value = 9;

    Bytes b = Stored([&](Archive& ar) {
        ar.WriteObject(nullptr);
        ar.WriteObject(&first);    // class 1, object 2
        ar.WriteObject(&second);   // class reference 0x8001, object 3
        ar.WriteObject(&first);    // the same object again: index 2
        ar.WriteObject(&node);     // class 4, object 5, then its child: class 0x8001, object 6
    });
    const Bytes classLeaf = Cat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestLeaf")});
    const Bytes classNode = Cat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestNode")});
    EXPECT_EQ(b, Cat({{0x00, 0x00}, classLeaf, {7, 0, 0, 0}, {0x01, 0x80, 8, 0, 0, 0}, {0x02, 0x00}, classNode,
                      {0x01, 0x80, 9, 0, 0, 0}}));

    Archive in(b);
    EXPECT_EQ(in.ReadObject<CTestLeaf>(), nullptr);
    auto a = in.ReadObject<CTestLeaf>();
    auto c = in.ReadObject<CTestLeaf>();
    fw::Object* again = in.ReadObjectRef(&CTestLeaf::classObject);
    auto n = in.ReadObject<CTestNode>();
    EXPECT_EQ(a->value, 7);
    EXPECT_EQ(c->value, 8);
    EXPECT_EQ(again, a.get());
    ASSERT_TRUE(n->child);
    EXPECT_EQ(n->child->value, 9);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Archive, BigIndexesUseTheLongForm)
{
    // Class 1, then objects 2 to 0x8001: from 0x7FFF on a reference is 0x7FFF + DWORD.
    std::vector<CTestLeaf> leaves(0x8000);
    Bytes b = Stored([&](Archive& ar) {
        for (auto& l : leaves)
            ar.WriteObject(&l);
        ar.WriteObject(&leaves[0]);
        ar.WriteObject(&leaves.back());
    });
    EXPECT_EQ(Bytes(b.end() - 8, b.end()), (Bytes{0x02, 0x00, 0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00}));
    Archive in(b);
    std::vector<std::unique_ptr<CTestLeaf>> owned;
    for (std::size_t i = 0; i < leaves.size(); ++i)
        owned.push_back(in.ReadObject<CTestLeaf>());
    EXPECT_EQ(in.ReadObjectRef(&CTestLeaf::classObject), owned.front().get());
    EXPECT_EQ(in.ReadObjectRef(&CTestLeaf::classObject), owned.back().get());
    EXPECT_TRUE(in.AtEnd());
}

TEST(Archive, VersionableClassReadsItsOlderSchema)
{
    Bytes schema1 = Cat({{0xFF, 0xFF, 0x01, 0x00, 0x0E, 0x00}, Text("CTestVersioned"), {0x05, 0x00}});
    Archive in(schema1);
    auto v = in.ReadObject<CTestVersioned>();
    EXPECT_EQ(v->a, 5);
    EXPECT_EQ(v->b, 0);

    CTestVersioned cur;
    cur.a = 1;
    cur.b = 2;
    Bytes b = Stored([&](Archive& ar) { ar.WriteObject(&cur); });
    EXPECT_EQ(b, Cat({{0xFF, 0xFF, 0x02, 0x00, 0x0E, 0x00}, Text("CTestVersioned"), {1, 0, 2, 0}}));
    Archive back(b);
    EXPECT_EQ(back.ReadObject<CTestVersioned>()->b, 2);
}

TEST(Archive, HostileInputGivesTheArchiveError)
{
    struct Case {
        const char* name;
        Bytes bytes;
        ArchiveException::Cause cause;
    } cases[] = {
        {"string length 0xFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ArchiveException::badValue},
        {"string longer than the data", {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0x7F, 'a'}, ArchiveException::endOfFile},
        {"count 0xFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ArchiveException::endOfFile},
        {"unknown class", Cat({{0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00}, Text("CNope")}), ArchiveException::badClass},
        {"class name too long", {0xFF, 0xFF, 0x01, 0x00, 0xFF, 0xFF}, ArchiveException::badClass},
        {"wrong schema", Cat({{0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00}, Text("CTestLeaf"), {1, 0, 0, 0}}), ArchiveException::badSchema},
        {"newer versionable schema", Cat({{0xFF, 0xFF, 0x03, 0x00, 0x0E, 0x00}, Text("CTestVersioned"), {1, 0, 2, 0}}), ArchiveException::badSchema},
        {"index points nowhere", {0x05, 0x00}, ArchiveException::badIndex},
        {"class index points nowhere", {0x05, 0x80}, ArchiveException::badIndex},
        {"big index points nowhere", {0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F}, ArchiveException::badIndex},
        {"class reference to an object", Cat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestLeaf"), {1, 0, 0, 0}, {0x02, 0x80}}), ArchiveException::badIndex},
        {"object reference to a class", Cat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CTestLeaf"), {1, 0, 0, 0}, {0x01, 0x00}}), ArchiveException::badIndex},
        {"wrong class where a node is expected", Cat({{0xFF, 0xFF, 0x01, 0x00, 0x0E, 0x00}, Text("CTestVersioned"), {1, 0, 2, 0}}), ArchiveException::badClass},
    };
    for (const Case& c : cases) {
        Archive in(c.bytes);
        try {
            if (std::string(c.name).find("string") == 0)
                in.ReadString();
            else if (std::string(c.name).find("count") == 0)
                in.ReadCount(1);
            else
                for (int i = 0; i < 3; ++i)
                    in.ReadObjectRef(std::string(c.name).find("node") != std::string::npos ? &CTestNode::classObject
                                                                                                : nullptr);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ArchiveException& e) {
            EXPECT_EQ(e.cause(), c.cause) << c.name << ": " << e.what();
        }
    }
}

TEST(Archive, TruncationAtEveryOffsetIsRefused)
{
    fw::ObList<fw::Object> list;
    auto node = std::make_unique<CTestNode>();
    node->child = std::make_unique<CTestLeaf>();
    list.AddTail(std::move(node));
    list.AddTail(std::make_unique<CTestLeaf>());
    list.AddTail(std::make_unique<CTestVersioned>());
    Bytes b = Stored([&](Archive& ar) {
        ar << std::string("header");
        list.Serialize(ar);
    });
    for (std::size_t cut = 0; cut < b.size(); ++cut) {
        Archive in(Bytes(b.begin(), b.begin() + std::ptrdiff_t(cut)));
        fw::ObList<fw::Object> back;
        EXPECT_THROW(
            {
                in.ReadString();
                back.Serialize(in);
            },
            ArchiveException)
            << cut;
    }
    Archive whole(b);
    fw::ObList<fw::Object> back;
    whole.ReadString();
    back.Serialize(whole);
    EXPECT_EQ(back.GetCount(), 3u);
    EXPECT_TRUE(whole.AtEnd());
}

TEST(Archive, ModeMisuseIsRefused)
{
    Archive out;
    EXPECT_THROW(out.ReadByte(), ArchiveException);
    Archive in(Bytes{});
    EXPECT_THROW(in.WriteByte(1), ArchiveException);
}
