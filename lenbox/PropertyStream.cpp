#include "lenbox/PropertyStream.h"

#include "lenbox/MaskField.h"

#include "fw/core/SaneLength.h"

#include <cmath>

namespace lenbox {

namespace {

constexpr std::uint8_t kFontVersion = 1;
constexpr std::uint8_t kFontItalic = 0x02;
constexpr std::uint8_t kFontUnderline = 0x04;
constexpr std::uint8_t kFontStrikethrough = 0x08;

[[noreturn]] void Bad(const std::string& what)
{
    throw fw::ArchiveException(fw::ArchiveException::badValue, "Lenbox properties: " + what);
}

void Require(bool ok, const char* what)
{
    if (!ok)
        Bad(what);
}

void WriteFont(fw::Archive& ar, const LenboxFont& font)
{
    ar.WriteByte(kFontVersion);
    ar.WriteWord(font.charset);
    ar.WriteByte(std::uint8_t((font.italic ? kFontItalic : 0) | (font.underline ? kFontUnderline : 0)
                              | (font.strikethrough ? kFontStrikethrough : 0)));
    ar.WriteWord(font.weight);
    ar.WriteDWord(font.height);
    ar.WriteByte(std::uint8_t(font.name.size()));
    ar.Write(font.name.data(), font.name.size());
}

// A value the control cannot take gives way to its default; the rest of the stream still loads.
template <class T, class Valid> T OrDefault(T value, Valid valid, T fallback)
{
    return valid(value) ? value : fallback;
}

LenboxFont ReadFont(fw::Archive& ar)
{
    LenboxFont font;
    Require(ar.ReadByte() == kFontVersion, "font version");
    font.charset = ar.ReadWord();
    const std::uint8_t flags = ar.ReadByte();
    font.italic = flags & kFontItalic;
    font.underline = flags & kFontUnderline;
    font.strikethrough = flags & kFontStrikethrough;
    font.weight = ar.ReadWord();
    font.height = ar.ReadDWord();
    font.name.resize(ar.ReadByte());
    ar.Read(font.name.data(), font.name.size());
    const bool knownFlags = (flags & ~(kFontItalic | kFontUnderline | kFontStrikethrough)) == 0;
    return knownFlags && IsValidFont(font) ? font : LenboxFont{};
}

void WriteStock(fw::Archive& ar, const LenboxStock& stock)
{
    ar.WriteDWord(0);
    ar.WriteDWord(kPropertyStreamVersion);
    ar.WriteLong(stock.extentX);
    ar.WriteLong(stock.extentY);
    ar.WriteDWord(kStockAll);
    ar.WriteDWord(stock.backColor);
    ar.WriteDWord(stock.foreColor);
    WriteFont(ar, stock.font);
    ar.WriteWord(std::uint16_t(stock.borderStyle));
    ar.WriteWord(std::uint16_t(stock.appearance));
}

std::uint32_t ReadColor(fw::Archive& ar, std::uint32_t fallback)
{
    return OrDefault(ar.ReadDWord(), IsValidColor, fallback);
}

std::int16_t ReadSwitch(fw::Archive& ar, std::int16_t fallback)
{
    return OrDefault(std::int16_t(ar.ReadWord()), [](std::int16_t v) { return IsValidSwitch(v); }, fallback);
}

// The leading word, the version and the stock mask decide how the rest is laid out: a stream
// that does not match them cannot be read.
LenboxStock ReadStock(fw::Archive& ar)
{
    LenboxStock stock;
    Require(ar.ReadDWord() == 0, "leading double word");
    if (ar.ReadDWord() != kPropertyStreamVersion)
        throw fw::ArchiveException(fw::ArchiveException::badSchema, "Lenbox properties: version");
    stock.extentX = OrDefault(ar.ReadLong(), IsValidExtent, stock.extentX);
    stock.extentY = OrDefault(ar.ReadLong(), IsValidExtent, stock.extentY);
    const std::uint32_t present = ar.ReadDWord();
    Require((present & ~std::uint32_t(kStockAll)) == 0, "stock property mask");
    if (present & kStockBackColor)
        stock.backColor = ReadColor(ar, stock.backColor);
    if (present & kStockForeColor)
        stock.foreColor = ReadColor(ar, stock.foreColor);
    if (present & kStockFont)
        stock.font = ReadFont(ar);
    if (present & kStockBorderStyle)
        stock.borderStyle = ReadSwitch(ar, stock.borderStyle);
    if (present & kStockAppearance)
        stock.appearance = ReadSwitch(ar, stock.appearance);
    return stock;
}

void WriteFlag(fw::Archive& ar, bool on)
{
    ar.WriteByte(on ? 1 : 0);
}

bool ReadFlag(fw::Archive& ar, bool fallback)
{
    const std::uint8_t b = ar.ReadByte();
    return b <= 1 ? b == 1 : fallback;
}

// A length in inches, within the range of lengths.
double ReadNumber(fw::Archive& ar, double fallback)
{
    return OrDefault(ar.ReadDouble(), fw::IsSaneInches, fallback);
}

std::string ReadText(fw::Archive& ar, std::size_t maxLength, const std::string& fallback)
{
    return OrDefault(ar.ReadString(), [maxLength](const std::string& t) { return t.size() <= maxLength; }, fallback);
}

// Masks are stored without blanks and without the sign position.
std::string StoredMask(const std::string& mask)
{
    std::string text = RemoveBlanks(mask);
    return !text.empty() && text.front() == '-' ? RemoveChar(text, '-') : text;
}

} // namespace

void WriteProperties(fw::Archive& ar, const LenboxProperties& p)
{
    WriteStock(ar, p.stock);
    ar.WriteDouble(p.initialValue);
    ar.WriteDouble(p.maxInches);
    ar.WriteDouble(p.minInches);
    ar.WriteLong(p.justifyType);
    ar.WriteLong(p.backGround);
    WriteFlag(ar, p.toolTips);
    WriteFlag(ar, p.packed);
    WriteFlag(ar, p.autoSize);
    WriteFlag(ar, p.enableInput);
    ar.WriteString(StoredMask(p.formatFeet));
    ar.WriteString(StoredMask(p.formatInch));
    ar.WriteString(StoredMask(p.formatMetric));
    ar.WriteLong(p.maxDenominator);
    ar.WriteLong(p.defaultDenominator);
    ar.WriteLong(p.dimensionType);
    ar.WriteString(p.decimalInchAppendage);
    ar.WriteString(p.metricAppendage);
}

LenboxProperties ReadProperties(fw::Archive& ar)
{
    const LenboxProperties d;
    LenboxProperties p;
    p.stock = ReadStock(ar);
    p.initialValue = ReadNumber(ar, d.initialValue);
    p.maxInches = ReadNumber(ar, d.maxInches);
    p.minInches = ReadNumber(ar, d.minInches);
    if (p.minInches > p.maxInches) {
        p.maxInches = d.maxInches;
        p.minInches = d.minInches;
    }
    p.justifyType = ar.ReadLong();
    p.backGround = ar.ReadLong();
    p.toolTips = ReadFlag(ar, d.toolTips);
    p.packed = ReadFlag(ar, d.packed);
    p.autoSize = ReadFlag(ar, d.autoSize);
    p.enableInput = ReadFlag(ar, d.enableInput);
    p.formatFeet = ReadText(ar, kMaxStreamString, d.formatFeet);
    p.formatInch = ReadText(ar, kMaxStreamString, d.formatInch);
    p.formatMetric = ReadText(ar, kMaxStreamString, d.formatMetric);
    p.maxDenominator = ar.ReadLong();
    p.defaultDenominator = ar.ReadLong();
    p.dimensionType = OrDefault(ar.ReadLong(), [](std::int32_t t) { return t >= 0 && t <= 2; }, d.dimensionType);
    p.decimalInchAppendage = ReadText(ar, kMaxAppendageLength, d.decimalInchAppendage);
    p.metricAppendage = ReadText(ar, kMaxAppendageLength, d.metricAppendage);
    return p;
}

} // namespace lenbox
