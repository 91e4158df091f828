#pragma once
// The fixed-length image of one shop database record, read and written field by field at
// explicit byte offsets: text blank-padded and cut at its width (never terminated), integers,
// doubles and floats little-endian, lengths as doubles in feet.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class CDimension;

// A record that cannot be turned into its image (a value too large for its field) or an image
// of the wrong size. The text says which field and why, for the user.
class RecordImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RecordImage {
public:
    // A new image of that size, every byte a blank.
    explicit RecordImage(std::size_t size);
    // An image read from a record file; its size must be the record's size.
    RecordImage(std::span<const std::uint8_t> bytes, std::size_t size, std::string_view recordName);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

    // The text's bytes up to the width; the rest of the field keeps its blanks.
    void PutText(std::size_t offset, std::size_t width, std::string_view text);
    void Fill(std::size_t offset, std::size_t width, std::uint8_t byte);
    void PutByte(std::size_t offset, std::uint8_t value);
    void PutU16(std::size_t offset, std::uint16_t value);
    void PutI32(std::size_t offset, std::int32_t value);
    void PutDouble(std::size_t offset, double value);
    void PutFloat(std::size_t offset, float value);
    // The length in feet (its inches / 12).
    void PutFeet(std::size_t offset, const CDimension& length);

    // The field's bytes as they are.
    std::string GetText(std::size_t offset, std::size_t width) const;
    // The field's bytes without trailing blanks and NULs.
    std::string GetTrimmedText(std::size_t offset, std::size_t width) const;
    std::uint8_t GetByte(std::size_t offset) const;
    std::uint16_t GetU16(std::size_t offset) const;
    std::int32_t GetI32(std::size_t offset) const;
    double GetDouble(std::size_t offset) const;
    float GetFloat(std::size_t offset) const;
    // Feet x 12: the length in inches; a value that is not a finite number or lies beyond the
    // range of lengths (fw::kMaxInches) is a RecordImageError.
    double GetInches(std::size_t offset) const;

private:
    std::uint8_t* At(std::size_t offset, std::size_t width);
    const std::uint8_t* At(std::size_t offset, std::size_t width) const;

    std::vector<std::uint8_t> bytes_;
};

// The value as a 16-bit field; throws RecordImageError naming the field and what it belongs to
// when it does not fit (values are refused, never cut to their low bits).
std::uint16_t FitU16(std::uint32_t value, std::string_view field, std::string_view owner);

// The letter a measuring system is stored as: 'E' imperial (0, and any unknown system), 'D'
// decimal inch (1), 'M' metric (2).
char MeasuringSystemLetter(int system);
// 'E' 0, 'D' 1, 'M' 2; any other letter gives `otherwise`.
int MeasuringSystemOfLetter(char letter, int otherwise);
