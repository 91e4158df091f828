#include "records/RecordImage.h"

#include "fw/core/SaneLength.h"

#include "records/Dimension.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr std::uint8_t kBlank = ' ';

std::uint64_t GetLittleEndian(const std::uint8_t* p, int size)
{
    std::uint64_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

void PutLittleEndian(std::uint8_t* p, std::uint64_t v, int size)
{
    for (int i = 0; i < size; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

} // namespace

RecordImage::RecordImage(std::size_t size) : bytes_(size, kBlank) {}

RecordImage::RecordImage(std::span<const std::uint8_t> bytes, std::size_t size, std::string_view recordName)
    : bytes_(bytes.begin(), bytes.end())
{
    if (bytes.size() != size)
        throw RecordImageError("A " + std::string(recordName) + " record must be " + std::to_string(size) +
                               " bytes long, not " + std::to_string(bytes.size()) + ".");
}

std::uint8_t* RecordImage::At(std::size_t offset, std::size_t width)
{
    if (offset > bytes_.size() || width > bytes_.size() - offset)
        throw std::out_of_range("record field beyond the record image");
    return bytes_.data() + offset;
}

const std::uint8_t* RecordImage::At(std::size_t offset, std::size_t width) const
{
    return const_cast<RecordImage*>(this)->At(offset, width);
}

void RecordImage::PutText(std::size_t offset, std::size_t width, std::string_view text)
{
    std::uint8_t* p = At(offset, width);
    std::copy_n(text.begin(), std::min(width, text.size()), p);
}

void RecordImage::Fill(std::size_t offset, std::size_t width, std::uint8_t byte)
{
    std::fill_n(At(offset, width), width, byte);
}

void RecordImage::PutByte(std::size_t offset, std::uint8_t value) { *At(offset, 1) = value; }
void RecordImage::PutU16(std::size_t offset, std::uint16_t value) { PutLittleEndian(At(offset, 2), value, 2); }
void RecordImage::PutI32(std::size_t offset, std::int32_t value)
{
    PutLittleEndian(At(offset, 4), std::uint32_t(value), 4);
}
void RecordImage::PutDouble(std::size_t offset, double value)
{
    PutLittleEndian(At(offset, 8), std::bit_cast<std::uint64_t>(value), 8);
}
void RecordImage::PutFloat(std::size_t offset, float value)
{
    PutLittleEndian(At(offset, 4), std::bit_cast<std::uint32_t>(value), 4);
}
void RecordImage::PutFeet(std::size_t offset, const CDimension& length) { PutDouble(offset, length.GetValue() / 12.0); }

std::string RecordImage::GetText(std::size_t offset, std::size_t width) const
{
    const std::uint8_t* p = At(offset, width);
    return std::string(p, p + width);
}

std::string RecordImage::GetTrimmedText(std::size_t offset, std::size_t width) const
{
    std::string text = GetText(offset, width);
    text.erase(text.find_last_not_of(std::string_view(" \0", 2)) + 1);
    return text;
}

std::uint8_t RecordImage::GetByte(std::size_t offset) const { return *At(offset, 1); }
std::uint16_t RecordImage::GetU16(std::size_t offset) const { return std::uint16_t(GetLittleEndian(At(offset, 2), 2)); }
std::int32_t RecordImage::GetI32(std::size_t offset) const { return std::int32_t(GetLittleEndian(At(offset, 4), 4)); }
double RecordImage::GetDouble(std::size_t offset) const
{
    return std::bit_cast<double>(GetLittleEndian(At(offset, 8), 8));
}
float RecordImage::GetFloat(std::size_t offset) const
{
    return std::bit_cast<float>(std::uint32_t(GetLittleEndian(At(offset, 4), 4)));
}
double RecordImage::GetInches(std::size_t offset) const
{
    const double feet = GetDouble(offset);
    if (!std::isfinite(feet))
        throw RecordImageError("A length at offset " + std::to_string(offset) + " of the record is not a number.");
    const double inches = feet * 12.0;
    if (!fw::IsSaneInches(inches))
        throw RecordImageError("A length at offset " + std::to_string(offset) + " of the record is beyond " +
                               std::to_string(long(fw::kMaxInches)) + " inches.");
    return inches;
}

std::uint16_t FitU16(std::uint32_t value, std::string_view field, std::string_view owner)
{
    if (value > std::numeric_limits<std::uint16_t>::max())
        throw RecordImageError("The " + std::string(field) + " " + std::to_string(value) + " of " + std::string(owner) +
                               " is too large for the shop record (at most 65535).");
    return std::uint16_t(value);
}

char MeasuringSystemLetter(int system)
{
    switch (system) {
    case 1: return 'D';
    case 2: return 'M';
    default: return 'E';
    }
}

int MeasuringSystemOfLetter(char letter, int otherwise)
{
    switch (letter) {
    case 'E': return 0;
    case 'D': return 1;
    case 'M': return 2;
    default: return otherwise;
    }
}
