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

LenboxFont ReadFont(fw::Archive& ar)
{
    LenboxFont font;
    Require(ar.ReadByte() == kFontVersion, "font version");
    font.charset = ar.ReadWord();
    const std::uint8_t flags = ar.ReadByte();
    Require((flags & ~(kFontItalic | kFontUnderline | kFontStrikethrough)) == 0, "font flags");
    font.italic = flags & kFontItalic;
    font.underline = flags & kFontUnderline;
    font.strikethrough = flags & kFontStrikethrough;
    font.weight = ar.ReadWord();
    font.height = ar.ReadDWord();
    font.name.resize(ar.ReadByte());
    ar.Read(font.name.data(), font.name.size());
    Require(IsValidFont(font), "font");
    return font;
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

std::uint32_t ReadColor(fw::Archive& ar)
{
    const std::uint32_t color = ar.ReadDWord();
    Require(IsValidColor(color), "colour");
    return color;
}

std::int16_t ReadSwitch(fw::Archive& ar, const char* what)
{
    const std::int16_t value = std::int16_t(ar.ReadWord());
    Require(IsValidSwitch(value), what);
    return value;
}

LenboxStock ReadStock(fw::Archive& ar)
{
    LenboxStock stock;
    Require(ar.ReadDWord() == 0, "leading double word");
    if (ar.ReadDWord() != kPropertyStreamVersion)
        throw fw::ArchiveException(fw::ArchiveException::badSchema, "Lenbox properties: version");
    stock.extentX = ar.ReadLong();
    stock.extentY = ar.ReadLong();
    Require(IsValidExtent(stock.extentX) && IsValidExtent(stock.extentY), "extent");
    const std::uint32_t present = ar.ReadDWord();
    Require((present & ~std::uint32_t(kStockAll)) == 0, "stock property mask");
    if (present & kStockBackColor)
        stock.backColor = ReadColor(ar);
    if (present & kStockForeColor)
        stock.foreColor = ReadColor(ar);
    if (present & kStockFont)
        stock.font = ReadFont(ar);
    if (present & kStockBorderStyle)
        stock.borderStyle = ReadSwitch(ar, "border style");
    if (present & kStockAppearance)
        stock.appearance = ReadSwitch(ar, "appearance");
    return stock;
}

void WriteFlag(fw::Archive& ar, bool on)
{
    ar.WriteByte(on ? 1 : 0);
}

bool ReadFlag(fw::Archive& ar)
{
    const std::uint8_t b = ar.ReadByte();
    Require(b <= 1, "flag");
    return b == 1;
}

// A length in inches, within the range of lengths.
double ReadNumber(fw::Archive& ar)
{
    const double value = ar.ReadDouble();
    Require(fw::IsSaneInches(value), "number");
    return value;
}

std::string ReadText(fw::Archive& ar, std::size_t maxLength)
{
    std::string text = ar.ReadString();
    Require(text.size() <= maxLength, "string length");
    return text;
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
    LenboxProperties p;
    p.stock = ReadStock(ar);
    p.initialValue = ReadNumber(ar);
    p.maxInches = ReadNumber(ar);
    p.minInches = ReadNumber(ar);
    Require(p.minInches <= p.maxInches, "limits");
    p.justifyType = ar.ReadLong();
    p.backGround = ar.ReadLong();
    p.toolTips = ReadFlag(ar);
    p.packed = ReadFlag(ar);
    p.autoSize = ReadFlag(ar);
    p.enableInput = ReadFlag(ar);
    p.formatFeet = ReadText(ar, kMaxStreamString);
    p.formatInch = ReadText(ar, kMaxStreamString);
    p.formatMetric = ReadText(ar, kMaxStreamString);
    p.maxDenominator = ar.ReadLong();
    p.defaultDenominator = ar.ReadLong();
    p.dimensionType = ar.ReadLong();
    Require(p.dimensionType >= 0 && p.dimensionType <= 2, "dimension type");
    p.decimalInchAppendage = ReadText(ar, kMaxAppendageLength);
    p.metricAppendage = ReadText(ar, kMaxAppendageLength);
    return p;
}

} // namespace lenbox
