#include "shell/ui/NavHeaderReader.h"

#include "fw/core/FileHead.h"

namespace {

// The header fields up to the description usually fit within this many bytes (more is read when
// its texts are longer).
constexpr std::size_t kHeaderBytes = 4096;

void SkipDimension(fw::Archive& ar)
{
    ar.ReadDouble();
    ar.ReadByte();
}

} // namespace

std::optional<nav::Description> NavHeaderReader::Describe(nav::ItemKind kind, const std::string& path)
{
    if (kind != nav::ItemKind::part && kind != nav::ItemKind::mult)
        return std::nullopt;
    try {
        nav::Description description;
        fw::ReadFileHead(path, kHeaderBytes, [&](fw::Archive& ar) {
            std::string job, group, mark;
            ar >> job >> group >> mark;
            if (kind == nav::ItemKind::part) {
                ar.ReadLong();        // quantity
                SkipDimension(ar);    // length
            } else {
                ar.ReadLong();        // sequence
                ar.ReadLong();        // quantity
                SkipDimension(ar);    // length
                SkipDimension(ar);    // kerf
            }
            ar >> description.designation >> description.size;
        });
        return description;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}
