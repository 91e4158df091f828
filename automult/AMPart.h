#pragma once
// One part handed to the engine: who it is, how many pieces are still wanted, its length with
// the kerf, and the distinct tools it needs.

#include "automult/AMTool.h"

#include <cstdint>
#include <string>

struct AMPartNames {
    std::string job;
    std::string group;
    std::string mark;
    std::string path;   // kept, not used by the search
};

class CAMPart {
public:
    // tools: indexes into the engine's tool table; repeated indexes are kept once, since a tool
    // occupies one station however many hole patterns use it.
    CAMPart(AMPartNames names, int quantity, double length, std::int32_t toolsFit, const CDynamicArray<std::size_t>& tools);
    virtual ~CAMPart() = default;

    const std::string& Job() const { return names_.job; }
    const std::string& Group() const { return names_.group; }
    const std::string& Mark() const { return names_.mark; }
    const std::string& Path() const { return names_.path; }
    std::int32_t ToolsFit() const { return toolsFit_; }

    int Quantity() const { return quantity_; }
    void TakePiece() { --quantity_; }
    // Length in inches, kerf included.
    double Length() const { return length_; }

    const CDynamicArray<std::size_t>& Tools() const { return tools_; }
    // Same number of tools, each of this part's found among the other's.
    bool HasSameTools(const CAMPart& other) const;
    int ToolsInZone(enumZone zone, const CAMToolTable& table) const;

private:
    AMPartNames names_;
    int quantity_;
    double length_;
    std::int32_t toolsFit_;
    CDynamicArray<std::size_t> tools_;
};
