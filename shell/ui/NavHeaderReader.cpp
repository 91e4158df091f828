#include "shell/ui/NavHeaderReader.h"

#include "fw/core/Archive.h"
#include "fw/core/DriveMap.h"

#include <fstream>
#include <iterator>

namespace {

// The header fields before the description fit well within this many bytes.
constexpr std::size_t kHeaderBytes = 4096;

void SkipDimension(fw::Archive& ar)
{
    ar.ReadDouble();
    ar.ReadByte();
}

} // namespace

std::optional<nav::Description> NavHeaderReader::Describe(nav::ItemKind kind, const std::string& path)
{
    try {
        std::ifstream in(fw::DriveMap::Instance().ToNative(path), std::ios::binary);
        if (!in)
            return std::nullopt;
        std::vector<std::uint8_t> bytes(kHeaderBytes);
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
        bytes.resize(std::size_t(in.gcount()));
        fw::Archive ar(std::move(bytes));
        std::string job, group, mark;
        ar >> job >> group >> mark;
        if (kind == nav::ItemKind::part) {
            ar.ReadLong();        // quantity
            SkipDimension(ar);    // length
        } else if (kind == nav::ItemKind::mult) {
            ar.ReadLong();        // sequence
            ar.ReadLong();        // quantity
            SkipDimension(ar);    // length
            SkipDimension(ar);    // kerf
        } else {
            return std::nullopt;
        }
        nav::Description description;
        ar >> description.designation >> description.size;
        return description;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
