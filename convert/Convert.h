#pragma once
// Conversions between lengths held as doubles in inches and their texts: feet-inch-fraction
// (1'6"1/2: the foot mark is the apostrophe, the inch mark the double quote), inches with a
// fraction, decimal inches in thousandths, and plain numbers. Text is narrow.
//
// Readers return the number of characters used. A digit run longer than its type holds throws
// CNumericConversionException. Writers take the caller's buffer and its size in bytes; they
// return false and leave an empty text (when size allows) if the result does not fit or the
// arguments are refused. Lengths keep their sign; zero writes the empty text.

#include "convert/BRAXConvertExport.h"
#include <cstddef>

class BRAXCONVERT_EXPORT CConvert {
public:
    CConvert() = default;
    CConvert(const CConvert&) = default;
    CConvert& operator=(const CConvert&) = default;
    virtual ~CConvert();

    // Optional sign, blanks, digits; at most 12 characters are counted.
    static int TCharToInteger(const char* text, int& value);
    // Optional sign, blanks, integer digits, then '.' and fraction digits.
    static int TCharToDouble(const char* text, double& value);
    // Feet with the foot mark, inches with the inch mark, numerator '/' denominator, each optional
    // and without blanks between them, after an optional sign and blanks. Outputs start as
    // 1, 0, 0, 0, 1. A fraction is read only with a nonzero denominator that ends the text or is
    // followed by a blank or the inch mark (which is consumed); otherwise reading stops before it.
    static int TCharToFeetInchFrac(const char* text, int& sign, int& feet, int& inches,
                                   int& numerator, int& denominator);
    static int TCharToFeetInchFrac(const char* text, double& value);

    // Whole inches and the inch mark, then numerator '/' denominator: 64ths truncated, or the
    // given denominator (> 0) rounded to nearest; a full unit carries into the inches.
    static bool DoubleToInchFrac(double value, char* out, std::size_t size);
    static bool DoubleToInchFrac(double value, char* out, std::size_t size, int denominator);
    // The same digits without the inch mark and '/'.
    static bool DoubleToInchFracNoDelimits(double value, char* out, std::size_t size);
    static bool DoubleToInchFracNoDelimits(double value, char* out, std::size_t size,
                                           int denominator);
    // Whole inches, then '.' and the rounded thousandths without trailing zeros.
    static bool DoubleToInchDecimal(double value, char* out, std::size_t size);
    static bool DoubleToInchDecimalNoDelimits(double value, char* out, std::size_t size);

    // The five parts of a feet-inch-fraction text (64ths) into five buffers of `size` bytes each;
    // parts that are 0 are left empty, the sign is "-" or empty.
    static bool FeetInchFracToTCHAR(double value, char* sign, char* feet, char* inches,
                                    char* numerator, char* denominator, std::size_t size);
    // The parts joined: sign, feet and the foot mark, inches and the inch mark, fraction.
    static bool FeetInchFractToTCHAR(double value, char* out, std::size_t size);

    // Reduces the fraction to lowest terms; a zero numerator sets the denominator to 0.
    static void GetCommonDenominator(int& numerator, int& denominator);
};

BRAXCONVERT_EXPORT bool UtilityConvertToInchFrac(double value, char* out, std::size_t size);
BRAXCONVERT_EXPORT bool UtilityConvertToInchFracNoDelimits(double value, char* out, std::size_t size);
BRAXCONVERT_EXPORT bool UtilityConvertToInchDecimal(double value, char* out, std::size_t size);
BRAXCONVERT_EXPORT bool UtilityConvertToInchDecimalNoDelimits(double value, char* out, std::size_t size);
BRAXCONVERT_EXPORT void UtilityGetCommonDenominator(int& numerator, int& denominator);

// The platform's kind and version; this platform reports kind 0 (other), version 95, minor 0.
BRAXCONVERT_EXPORT bool UtilitGetOSVersion(int& kind, int& version, int& minor);
