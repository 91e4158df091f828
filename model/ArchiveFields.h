#pragma once
// Plain fields of the machine model in their archive form, written or read in a given order:
// DWORD, string, length value, or six doubles.

#include "records/Dimension.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

namespace fw {
class Archive;
}

using ArchiveField = std::variant<std::uint32_t*, std::string*, CDimension*, std::array<double, 6>*>;

// Writes or reads the fields in order. Loaded doubles must be finite.
void SerializeFields(fw::Archive& ar, std::initializer_list<ArchiveField> fields);
// One double; loaded it must be finite.
void SerializeDouble(fw::Archive& ar, double& value);
