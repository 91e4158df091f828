#include "lenbox/LenboxModel.h"
#include "lenbox/PropertyStream.h"

#include "fw/core/Archive.h"

#include "tests/support/HexBytes.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace lenbox;

namespace {

std::vector<std::uint8_t> Stored(const LenboxProperties& p)
{
    fw::Archive ar;
    WriteProperties(ar, p);
    return ar.TakeBytes();
}

LenboxProperties Loaded(std::vector<std::uint8_t> bytes)
{
    fw::Archive ar(std::move(bytes));
    return ReadProperties(ar);
}

// Every property changed from its default.
LenboxProperties AllChanged()
{
    LenboxProperties p;
    p.stock.extentX = 5080;
    p.stock.extentY = 1270;
    p.stock.backColor = 0x00C0C0C0;
    p.stock.foreColor = 0x000000FF;
    p.stock.font = {"Arial", 100000, 700, 2, true, false, false};
    p.stock.borderStyle = 0;
    p.stock.appearance = 0;
    p.initialValue = 12.5;
    p.maxInches = 600.0;
    p.minInches = -6.0;
    p.justifyType = 1;
    p.backGround = 0;
    p.toolTips = true;
    p.packed = true;
    p.autoSize = false;
    p.enableInput = false;
    p.formatFeet = "999'99\"99/99";
    p.formatInch = "990.09";
    p.formatMetric = "9990.0";
    p.maxDenominator = 32;
    p.defaultDenominator = 16;
    p.dimensionType = 2;
    p.decimalInchAppendage = "in";
    p.metricAppendage = "mm";
    return p;
}

const char* const kAllChangedBytes =
    "00 00 00 00  00 00 01 00  D8 13 00 00  F6 04 00 00"   // zero, version, extent 5080 x 1270
    "  1F 00 00 00  C0 C0 C0 00  FF 00 00 00"              // stock mask, BackColor, ForeColor
    "  01 02 00 02 BC 02 A0 86 01 00 05 41 72 69 61 6C"    // font: v1, charset 2, italic, 700, 10 pt, Arial
    "  00 00  00 00"                                       // BorderStyle, Appearance
    "  00 00 00 00 00 00 29 40"                            // InitialValue 12.5
    "  00 00 00 00 00 C0 82 40"                            // MaxInches 600
    "  00 00 00 00 00 00 18 C0"                            // MinInches -6
    "  01 00 00 00  00 00 00 00"                           // JustifyType 1, BackGround 0
    "  01 01 00 00"                                        // ToolTips, Packed, AutoSize, EnableInput
    "  0C 39 39 39 27 39 39 22 39 39 2F 39 39"             // FormatFeet 999'99\"99/99
    "  06 39 39 30 2E 30 39  06 39 39 39 30 2E 30"         // FormatInch 990.09, FormatMetric 9990.0
    "  20 00 00 00  10 00 00 00  02 00 00 00"              // MaxDenominator, DefaultDenominator, DimensionType
    "  02 69 6E  02 6D 6D";                                // "in", "mm"

// Where the four flags stand: after the fixed part, the font name and the five numbers.
std::size_t FlagsOffset(const LenboxProperties& p)
{
    return 39 + p.stock.font.name.size() + 4 + 3 * 8 + 2 * 4;
}

} // namespace

TEST(PropertyStream, StoresEveryPropertyByteForByte)
{
    EXPECT_EQ(Stored(AllChanged()), Hex(kAllChangedBytes));
    EXPECT_EQ(Loaded(Hex(kAllChangedBytes)), AllChanged());
}

TEST(PropertyStream, TheDefaultsAndTheFourFlags)
{
    LenboxProperties p;
    p.toolTips = p.packed = true;
    const std::vector<std::uint8_t> bytes = Stored(p);
    const auto flags = bytes.begin() + std::ptrdiff_t(FlagsOffset(p));
    EXPECT_EQ(std::vector<std::uint8_t>(flags, flags + 4), Hex("01 01 01 01"));
    EXPECT_EQ(Loaded(bytes), p);
    EXPECT_EQ(bytes.size(), FlagsOffset(p) + 4 + 12 + 12 + 6 + 12 + 5 + 5);
}

TEST(PropertyStream, MasksAreStoredWithoutTheSignPosition)
{
    LenboxProperties p;
    p.formatFeet = " -99'99\"99/99";
    const std::vector<std::uint8_t> bytes = Stored(p);
    const auto feet = bytes.begin() + std::ptrdiff_t(FlagsOffset(p) + 4);
    EXPECT_EQ(std::vector<std::uint8_t>(feet, feet + 12), Hex("0B 39 39 27 39 39 22 39 39 2F 39 39"));
}

TEST(PropertyStream, AControlRoundTripsThroughItsStream)
{
    LenboxModel model;
    model.LoadProperties(AllChanged());
    EXPECT_DOUBLE_EQ(model.GetDecimalInches(), 12.5);
    fw::Archive ar;
    WriteProperties(ar, model.GetProperties());
    EXPECT_EQ(ar.Bytes(), Hex(kAllChangedBytes));

    LenboxModel copy;
    copy.LoadProperties(Loaded(ar.TakeBytes()));
    EXPECT_EQ(copy.GetProperties(), AllChanged());
    EXPECT_EQ(copy.DisplayText(false), model.DisplayText(false));
}

TEST(PropertyStream, EveryTruncationIsRefused)
{
    const std::vector<std::uint8_t> bytes = Hex(kAllChangedBytes);
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_THROW(Loaded({bytes.begin(), bytes.begin() + std::ptrdiff_t(size)}), fw::ArchiveException) << size;
}

void Patch(std::vector<std::uint8_t>& bytes, std::size_t offset, const char* hex)
{
    const std::vector<std::uint8_t> patch = Hex(hex);
    std::copy(patch.begin(), patch.end(), bytes.begin() + std::ptrdiff_t(offset));
}

TEST(PropertyStream, AStreamOfAnotherLayoutIsRefused)
{
    struct Case {
        const char* what;
        std::size_t offset;
        const char* bytes;
        fw::ArchiveException::Cause cause;
    } cases[] = {
        {"leading word", 0, "01", fw::ArchiveException::badValue},
        {"version", 6, "02", fw::ArchiveException::badSchema},
        {"stock mask", 16, "3F", fw::ArchiveException::badValue},
        {"font version", 28, "02", fw::ArchiveException::badValue},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = Hex(kAllChangedBytes);
        Patch(bytes, c.offset, c.bytes);
        try {
            Loaded(bytes);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const fw::ArchiveException& e) {
            EXPECT_EQ(e.cause(), c.cause) << c.what;
        }
    }
}

TEST(PropertyStream, AValueTheControlCannotTakeLoadsAsItsDefault)
{
    const LenboxProperties d;
    struct Case {
        const char* what;
        std::size_t offset;
        const char* bytes;
        void (*expect)(LenboxProperties&, const LenboxProperties&);
    } cases[] = {
        {"extent", 11, "80", [](LenboxProperties& p, const LenboxProperties& d) { p.stock.extentX = d.stock.extentX; }},
        {"colour", 23, "01", [](LenboxProperties& p, const LenboxProperties& d) { p.stock.backColor = d.stock.backColor; }},
        {"font flags", 31, "10", [](LenboxProperties& p, const LenboxProperties& d) { p.stock.font = d.stock.font; }},
        {"font weight", 32, "E9 03", [](LenboxProperties& p, const LenboxProperties& d) { p.stock.font = d.stock.font; }},
        {"border style", 44, "02", [](LenboxProperties& p, const LenboxProperties& d) { p.stock.borderStyle = d.stock.borderStyle; }},
        {"appearance", 46, "FF FF", [](LenboxProperties& p, const LenboxProperties& d) { p.stock.appearance = d.stock.appearance; }},
        {"NaN", 54, "F8 7F", [](LenboxProperties& p, const LenboxProperties& d) { p.initialValue = d.initialValue; }},
        {"9e307 inches", 62, "E0 7F", [](LenboxProperties& p, const LenboxProperties& d) { p.maxInches = d.maxInches; }},
        {"minimum 65536 above the maximum", 70, "F0 40", [](LenboxProperties& p, const LenboxProperties& d) {
             p.minInches = d.minInches;
             p.maxInches = d.maxInches;
         }},
        {"flag", 81, "02", [](LenboxProperties& p, const LenboxProperties& d) { p.packed = d.packed; }},
        {"dimension type", 119, "03", [](LenboxProperties& p, const LenboxProperties& d) { p.dimensionType = d.dimensionType; }},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = Hex(kAllChangedBytes);
        Patch(bytes, c.offset, c.bytes);
        LenboxProperties expected = AllChanged();
        c.expect(expected, d);
        LenboxProperties loaded;
        ASSERT_NO_THROW(loaded = Loaded(bytes)) << c.what;
        EXPECT_EQ(loaded, expected) << c.what;
        LenboxModel model;
        ASSERT_NO_THROW(model.LoadProperties(loaded)) << c.what;
        EXPECT_EQ(model.GetProperties(), expected) << c.what;
    }
}

TEST(PropertyStream, OverlongStringsLoadAsTheirDefaults)
{
    const LenboxProperties d;
    LenboxProperties p;
    p.formatInch = std::string(65, '9');
    EXPECT_EQ(Loaded(Stored(p)).formatInch, d.formatInch);
    p = LenboxProperties{};
    p.metricAppendage = std::string(33, 'x');
    EXPECT_EQ(Loaded(Stored(p)), d);
    p.metricAppendage = std::string(32, 'x');
    EXPECT_EQ(Loaded(Stored(p)), p);
    p.formatFeet = std::string(300, '9');   // the long string form is read, then replaced
    p.metricAppendage = "mm";
    LenboxProperties expected = p;
    expected.formatFeet = d.formatFeet;
    EXPECT_EQ(Loaded(Stored(p)), expected);
}
