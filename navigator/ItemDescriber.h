#pragma once
// Descriptions of part and mult files (shape designation and size) for their tree texts, and a
// cache of them keyed by path and the file's modification time and size, so that a refresh reads
// only files that changed.

#include "navigator/NavigatorExport.h"
#include "navigator/TreeItemKind.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace nav {

struct Description {
    std::string designation;
    std::string size;
    bool operator==(const Description&) const = default;
};

// Reads a description without windows and without message boxes; nothing when the file cannot
// be read.
class ItemDescriber {
public:
    virtual ~ItemDescriber() = default;
    virtual std::optional<Description> Describe(ItemKind kind, const std::string& path) = 0;
};

class NAVIGATOR_EXPORT DescriptionCache : public ItemDescriber {
public:
    explicit DescriptionCache(ItemDescriber& reader) : reader_(reader) {}
    std::optional<Description> Describe(ItemKind kind, const std::string& path) override;
    void Clear() { entries_.clear(); }
    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        std::filesystem::file_time_type modified;
        std::uintmax_t bytes = 0;
        std::optional<Description> description;
    };
    ItemDescriber& reader_;
    std::map<std::string, Entry> entries_;
};

} // namespace nav
