#pragma once
// A length: held in inches, shown and edited in one of three measuring systems.
//   0 imperial: feet, inches and a fraction in 64ths, e.g. 3'4"1/2 (unit letter 'E')
//   1 decimal inch: 40.5 in. ('D')
//   2 metric, millimetres: 1028.7 mm ('M')
// Archived as the inches (double) and the unit letter (one byte), without a class tag.

#include "records/Variable.h"

#include <cstdint>
#include <string>

class CDimension : public CVariable {
    FW_DECLARE_SERIAL(CDimension)
public:
    CDimension();
    CDimension(const CDimension& other);
    CDimension& operator=(const CDimension& other);
    CDimension& operator=(double inches);

    // Stores the text and parses it into the value; returns the text's length.
    int SetText(const std::string& text) override;
    // Recomputes the parts from the inches and rebuilds the edit text.
    void UpdateFromValue() override;
    // The value in its own unit (see FormatAs).
    std::string GetText() const override;

    // Value 0, parts 0 with denominator 1, text empty.
    virtual void Clear();
    // Text -> inches. Imperial text is read field by field from its marks (' " /); the parts
    // follow the new value, the text stays as given.
    virtual void ParseText();
    // Builds the edit text: the value text for decimal and metric; a fixed-width
    // "fff'ii\"nn/dd" form for imperial.
    virtual void FormatText();

    double GetValue() const { return inches_; }
    void SetValue(double inches);
    // 0 imperial, 1 decimal inch, 2 metric; SetUnits does not rebuild the text.
    int GetUnits() const;
    void SetUnits(int system);
    char GetUnitLetter() const { return unit_; }

    // Copies the value, its parts and its unit letter, not the text.
    void Assign(const CDimension& other);

    // The value as text in a measuring system (other numbers: imperial), whatever its own unit.
    std::string FormatAs(int system) const;
    std::string GetString() const { return GetText(); }
    // The edit text.
    const std::string& GetEditText() const { return text_; }
    // The length as displayed, in feet.
    double GetRoundedFeet() const;

    // The parts of the magnitude.
    std::uint32_t GetFeet() const { return feet_; }
    std::uint8_t GetInch() const { return inch_; }
    std::uint8_t GetNumerator() const { return numerator_; }
    std::uint8_t GetDenominator() const { return denominator_; }

    bool operator<(const CDimension& other) const { return inches_ < other.inches_; }
    bool operator>(const CDimension& other) const { return inches_ > other.inches_; }
    bool operator<(double v) const { return inches_ < v; }
    bool operator<=(double v) const { return inches_ <= v; }
    bool operator>=(double v) const { return inches_ >= v; }
    bool operator==(double v) const { return inches_ == v; }
    bool operator!=(double v) const { return inches_ != v; }
    double operator+(const CDimension& other) const { return inches_ + other.inches_; }
    double operator+(double v) const { return inches_ + v; }
    CDimension& operator+=(const CDimension& other);

    void Serialize(fw::Archive& ar) override;

private:
    void ComputeParts();
    std::string FormatImperial() const;
    void ParseImperial();

    double inches_ = 0.0;
    // Whole feet of the magnitude. Wider than the legacy byte, so that lengths of 256 feet and
    // more still show and round correctly.
    std::uint32_t feet_ = 0;
    std::uint8_t inch_ = 0;         // 0-11, 12 after a whole-inch carry
    std::uint8_t numerator_ = 0;    // in 64ths, reduced
    std::uint8_t denominator_ = 1;  // 0 when there is no fraction
    char unit_ = 'E';
};

// Whole inches and '"', then the fraction truncated to 64ths and reduced, e.g. 3"1/2;
// a negative length gets one leading '-'.
std::string FormatInchesFraction(double inches);

// Halves numerator and denominator while the numerator is even and the denominator is not 2;
// a zero numerator gives a zero denominator.
void ReduceFraction(int& numerator, int& denominator);
