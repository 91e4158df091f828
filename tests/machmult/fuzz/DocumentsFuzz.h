#pragma once
// The round trip every document file must make: whatever loads can be saved, and the saved bytes
// load and save again to the same bytes. The documents load through their own Serialize, with the
// shape, machine and tool files they refer to taken from the drive map in force.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace roundtrip {

using Bytes = std::vector<std::uint8_t>;

enum class Kind : std::uint8_t { part, mult, shape, tool, machine, lenboxStream };
inline constexpr Kind kKinds[] = {Kind::part, Kind::mult, Kind::shape, Kind::tool, Kind::machine, Kind::lenboxStream};
const char* KindName(Kind kind);

// The bytes a document of the kind saves after loading these; nothing when the load refuses them
// (an archive error, or a LENBOX property error). Any other exception passes through.
std::optional<Bytes> LoadAndSave(Kind kind, const Bytes& file);

// Whether the file loaded, and what went wrong in its round trip (empty when nothing).
struct Outcome {
    bool loaded = false;
    std::string fault;
};
Outcome RoundTrip(Kind kind, const Bytes& file);

// Registers the document classes (once).
void RegisterClasses();

} // namespace roundtrip

// The fuzz body: input byte 0 picks the kind, the rest is the file. A failed round trip aborts.
int FuzzDocuments(const std::uint8_t* data, std::size_t size);
