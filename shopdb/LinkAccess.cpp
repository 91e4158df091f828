#include "shopdb/LinkAccess.h"

#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "model/ToolList.h"
#include "shopdb/DetailConversion.h"

#include <algorithm>

CLinkAccess::CLinkAccess(std::uint16_t recordLength)
{
    records_.SetRecordLength(recordLength);
}

bool CLinkAccess::Open(std::string_view recordPath, std::int32_t chainAddress, unsigned flags)
{
    if (!records_.Open(recordPath, flags))
        return false;
    if (links_.Open(CompanionPath(recordPath, "LNK"), flags, nullptr, chainAddress))
        return true;
    records_.Close();
    return false;
}

const fw::FileException& CLinkAccess::OpenError() const
{
    return records_.OpenError().cause() != fw::FileException::none ? records_.OpenError() : links_.OpenError();
}

std::int32_t CLinkAccess::Close()
{
    records_.Close();
    return links_.Close();
}

void CLinkAccess::Reset()
{
    links_.Reset();
    records_.ClearCache();
}

void CLinkAccess::Add(std::unique_ptr<CRecordInMemory> record, AddMode mode)
{
    const std::int32_t address = records_.Append(std::move(record));
    switch (mode) {
    case addAfter: links_.InsertAfter(address); break;
    case addBefore: links_.InsertBefore(address); break;
    case addFirst: links_.InsertFirst(address); break;
    case addLast: links_.InsertLast(address); break;
    }
}

void CLinkAccess::AddImages(const std::vector<std::vector<std::uint8_t>>& images)
{
    for (const auto& image : images) {
        auto record = NewRecord();
        std::copy_n(image.begin(), std::min(image.size(), record->buffer.size()), record->buffer.begin());
        Add(std::move(record), addLast);
    }
}

std::vector<const CRecordInMemory*> CLinkAccess::ReadChain()
{
    std::vector<const CRecordInMemory*> chain;
    for (std::int32_t address = links_.First(); (links_.GetStatus() & CPowerFile::statusEnd) == 0;
         address = links_.Next())
        chain.push_back(&records_.Read(address));
    return chain;
}

bool CToollistAccess::Takes(int listCode, int toolCode)
{
    return toolCode == listCode || (toolCode >> 4 == listCode >> 4 && (toolCode & 0xF) == 3);
}

void CToollistAccess::WriteToolList(const CToolList& tools, int listCode)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const CPartTool& tool : tools)
        if (Takes(listCode, tool.GetZoneCode()))
            images.push_back(ToolListRecordImage::Encode(ToolListRecordOf(tool)));
    AddImages(images);
}

void CPatternAccess::WritePatterns(const CPatternList& patterns)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const CPattern& pattern : patterns)
        images.push_back(PatternRecordImage::Encode(PatternRecordOf(pattern)));
    AddImages(images);
}

namespace {

// Makes an item of every record, then adds them to the list by its sorted insert: a record that
// cannot be read leaves the list unchanged, and items the list refuses are freed here.
template <class List, class Make>
void AddSortedFromRecords(List& list, const std::vector<const CRecordInMemory*>& chain, Make make)
{
    std::vector<decltype(make(chain.front()->buffer))> items;
    for (const CRecordInMemory* record : chain)
        items.push_back(make(record->buffer));
    for (auto& item : items)
        list.AddSorted(item);
}

} // namespace

void CPatternAccess::ReadPatterns(CPatternList& patterns)
{
    AddSortedFromRecords(patterns, ReadChain(), [](const std::vector<std::uint8_t>& image) {
        return PatternOfRecord(PatternRecordImage::Decode(image));
    });
}

void CStencilAccess::WriteStencils(const CStencilPatternList& marks)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const CStencilPattern& mark : marks)
        images.push_back(StencilRecordImage::Encode(StencilRecordOf(mark)));
    AddImages(images);
}

void CStencilAccess::ReadStencils(CStencilPatternList& marks)
{
    AddSortedFromRecords(marks, ReadChain(), [](const std::vector<std::uint8_t>& image) {
        return StencilOfRecord(StencilRecordImage::Decode(image));
    });
}

void CPartlistAccess::WritePartList(const std::vector<PartListRecord>& parts)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const PartListRecord& part : parts)
        images.push_back(PartListRecordImage::Encode(part));
    AddImages(images);
}

std::vector<PartListRecord> CPartlistAccess::ReadPartList()
{
    std::vector<PartListRecord> parts;
    for (const CRecordInMemory* record : ReadChain())
        parts.push_back(PartListRecordImage::Decode(record->buffer));
    return parts;
}
