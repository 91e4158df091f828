#pragma once
// Helpers of the model tests: byte builders for golden archives, direct (untagged) store and
// load, truncation checks, and a comma-decimal locale for the locale-independence tests.

#include "fw/core/Archive.h"
#include "model/RefPlane.h"
#include "records/Dimension.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <locale>
#include <string>
#include <vector>

namespace modeltest {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// An IEEE double given by its bit pattern, little-endian.
inline Bytes Le64(std::uint64_t bits)
{
    Bytes b;
    for (int i = 0; i < 8; ++i)
        b.push_back(std::uint8_t(bits >> (8 * i)));
    return b;
}

// A 16-bit word, little-endian.
inline Bytes Word(std::uint16_t v) { return {std::uint8_t(v), std::uint8_t(v >> 8)}; }

inline Bytes Le32(std::uint32_t v) { return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}; }

// A length's archive form: the double's bits, then the unit letter.
inline Bytes Dim(std::uint64_t bits, char unit = 'E') { return Cat({Le64(bits), {std::uint8_t(unit)}}); }

// A short string's archive form: length byte, then the bytes.
inline Bytes Str(const std::string& s)
{
    Bytes b{std::uint8_t(s.size())};
    b.insert(b.end(), s.begin(), s.end());
    return b;
}

// A length of <inches> shown in unit system <system>.
inline CDimension Length(double inches, int system = 0)
{
    CDimension d;
    d.SetUnits(system);
    d.SetValue(inches);
    return d;
}

// A reference plane at (x, u) with its directions, slope and type.
inline CRefPlane Plane(double x, double u, char xDirection, char uDirection, double rise, double run, char type)
{
    CRefPlane plane;
    plane.Set(x, u, xDirection, uDirection, rise, run, type);
    return plane;
}

// A class tag for the first use of a schema-1 class.
inline Bytes NewClass(const std::string& name)
{
    Bytes b{0xFF, 0xFF, 0x01, 0x00, std::uint8_t(name.size()), 0x00};
    b.insert(b.end(), name.begin(), name.end());
    return b;
}

// Double bit patterns used by the golden archives.
inline constexpr std::uint64_t k0 = 0x0000000000000000, k0_5 = 0x3FE0000000000000, k0_8125 = 0x3FEA000000000000,
                                k1 = 0x3FF0000000000000, k2 = 0x4000000000000000, k2_5 = 0x4004000000000000,
                                k3 = 0x4008000000000000, k4 = 0x4010000000000000, k5 = 0x4014000000000000,
                                k10 = 0x4024000000000000, k12 = 0x4028000000000000, k20 = 0x4034000000000000,
                                k26 = 0x403A000000000000, k30 = 0x403E000000000000, k40 = 0x4044000000000000,
                                k40_5 = 0x4044400000000000, k48 = 0x4048000000000000, k240 = 0x406E000000000000,
                                kNaN = 0x7FF8000000000000;

// The bytes of an object's own Serialize (no tag).
template <class T> Bytes StoreDirect(T& object)
{
    fw::Archive ar;
    object.Serialize(ar);
    return ar.TakeBytes();
}

// Loads an object's own Serialize form and checks that every byte was used.
template <class T> void LoadDirect(T& object, const Bytes& bytes)
{
    fw::Archive ar(bytes);
    object.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
}

// Every proper prefix of the bytes fails to load with the archive error.
inline void ExpectTruncationsRejected(const Bytes& bytes, const std::function<void(fw::Archive&)>& load)
{
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        fw::Archive ar(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(n)));
        EXPECT_THROW(load(ar), fw::ArchiveException) << "prefix of " << n << " bytes";
    }
}

// The cause of the archive error that loading raises; none when it loads.
inline fw::ArchiveException::Cause LoadError(const Bytes& bytes, const std::function<void(fw::Archive&)>& load)
{
    try {
        fw::Archive ar(bytes);
        load(ar);
    } catch (const fw::ArchiveException& e) {
        return e.cause();
    }
    return fw::ArchiveException::none;
}

// Runs with a comma-decimal process locale (C and C++), restoring the previous one after.
class CommaLocale {
public:
    CommaLocale()
    {
        old_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_ALL, name)) {
                previous_ = std::locale::global(std::locale(name));
                active_ = true;
                return;
            }
    }
    ~CommaLocale()
    {
        if (active_)
            std::locale::global(previous_);
        std::setlocale(LC_ALL, old_.c_str());
    }
    bool Active() const { return active_; }

private:
    std::string old_;
    std::locale previous_;
    bool active_ = false;
};

} // namespace modeltest
