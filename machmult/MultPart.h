#pragma once
// A part placed on a mult, or offered for one: the part's header (its quantity is the quantity on
// the mult, or offered), two code letters, the counts used and fitting, its offset on the stock,
// its place in a list, the zone tools of its holes and the part file it came from.
//
// Archive (schema 2, versionable): job, group, mark (strings); quantity (LONG); length (length
// form); shape designation type, size, grade, fabrication code (strings); measure web depth
// (LONG); remark A, remark B (strings); code letters 1 and 2, quantity used (LONG each); part
// offset (length form); the tool list's form; part path (string); quantity fit (LONG, schema 2
// only: schema 1 objects load with 0). The header's measuring system and channel leg are not
// stored.

#include "fw/core/Object.h"
#include "model/ToolList.h"
#include "records/PartRecord.h"

#include <cstdint>
#include <memory>
#include <string>

class CPartDoc;

class CMultPart : public fw::Object {
    FW_DECLARE_SERIAL(CMultPart)
public:
    CMultPart();
    ~CMultPart() override;

    // A mult part of a loaded part: its header (job and group from its folders), the zone tools
    // of its hole patterns per face and its path.
    static std::unique_ptr<CMultPart> FromPart(CPartDoc& part);

    const PartRecord& GetHeader() const { return header_; }
    PartRecord& GetHeader() { return header_; }
    void SetHeader(const PartRecord& header) { header_ = header; }

    // job\group\mark, as the part lists key their entries (compared exactly).
    std::string GetKeyText() const;
    // Same job, group and mark, ignoring case.
    bool IsSamePart(const CMultPart& other) const;
    // Everything but the tools, and a copy of every tool.
    void CopyFrom(const CMultPart& other);

    std::uint32_t GetQuantity() const { return header_.quantity; }
    void SetQuantity(std::uint32_t quantity) { header_.quantity = quantity; }
    const CDimension& GetLength() const { return header_.length; }

    std::int32_t GetCodeLetter1() const { return codeLetter1_; }
    std::int32_t GetCodeLetter2() const { return codeLetter2_; }
    void SetCodeLetters(std::int32_t first, std::int32_t second) { codeLetter1_ = first; codeLetter2_ = second; }
    std::uint32_t GetQuantityUsed() const { return quantityUsed_; }
    void SetQuantityUsed(std::uint32_t quantity) { quantityUsed_ = quantity; }
    std::uint32_t GetQuantityFit() const { return quantityFit_; }
    void SetQuantityFit(std::uint32_t quantity) { quantityFit_ = quantity; }
    const CDimension& GetPartOffset() const { return partOffset_; }
    CDimension& GetPartOffset() { return partOffset_; }
    std::int32_t GetListIndex() const { return listIndex_; }
    void SetListIndex(std::int32_t index) { listIndex_ = index; }
    std::int32_t GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(std::int32_t index) { imageIndex_ = index; }
    const CToolList& GetTools() const { return tools_; }
    CToolList& GetTools() { return tools_; }
    std::int32_t GetToolsFit() const { return toolsFit_; }
    void SetToolsFit(std::int32_t fit) { toolsFit_ = fit; }
    const std::string& GetPartPath() const { return partPath_; }
    void SetPartPath(const std::string& path) { partPath_ = path; }

    void Serialize(fw::Archive& ar) override;

private:
    PartRecord header_;
    std::int32_t codeLetter1_ = 'I';
    std::int32_t codeLetter2_ = 'F';
    std::uint32_t quantityUsed_ = 0;
    std::uint32_t quantityFit_ = 0;
    CDimension partOffset_;
    std::int32_t listIndex_ = -1;
    std::int32_t imageIndex_ = -1;
    CToolList tools_;
    std::int32_t toolsFit_ = 0;
    std::string partPath_;
};
