#include "machmult/MultPart.h"

#include "fw/core/Archive.h"
#include "model/ArchiveFields.h"

#include <cctype>

FW_IMPLEMENT_SERIAL(CMultPart, fw::Object, fw::VERSIONABLE_SCHEMA | 2)

namespace {

constexpr std::uint16_t kQuantityFitSchema = 2;

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

CMultPart::CMultPart() = default;
CMultPart::~CMultPart() = default;

std::string CMultPart::GetKeyText() const
{
    return header_.jobId + "\\" + header_.group + "\\" + header_.mark;
}

bool CMultPart::IsSamePart(const CMultPart& other) const
{
    return EqualIgnoringCase(header_.jobId, other.header_.jobId) &&
           EqualIgnoringCase(header_.group, other.header_.group) && EqualIgnoringCase(header_.mark, other.header_.mark);
}

void CMultPart::CopyFrom(const CMultPart& other)
{
    header_ = other.header_;
    codeLetter1_ = other.codeLetter1_;
    codeLetter2_ = other.codeLetter2_;
    quantityUsed_ = other.quantityUsed_;
    quantityFit_ = other.quantityFit_;
    partOffset_ = other.partOffset_;
    listIndex_ = other.listIndex_;
    imageIndex_ = other.imageIndex_;
    tools_.CopyFrom(other.tools_);
    toolsFit_ = other.toolsFit_;
    partPath_ = other.partPath_;
}

void CMultPart::Serialize(fw::Archive& ar)
{
    const std::uint16_t schema = ar.IsStoring() ? kQuantityFitSchema : ar.GetObjectSchema();
    // The signed LONG fields travel as their 32 bits.
    auto webDepth = std::uint32_t(header_.measureWebDepth);
    auto letter1 = std::uint32_t(codeLetter1_);
    auto letter2 = std::uint32_t(codeLetter2_);
    PartRecord& h = header_;
    SerializeFields(ar, {&h.jobId, &h.group, &h.mark, &h.quantity, &h.length, &h.shapeDesctp, &h.shapeDesc, &h.grade,
                         &h.fabCode, &webDepth, &h.remarkA, &h.remarkB, &letter1, &letter2, &quantityUsed_,
                         &partOffset_});
    if (ar.IsLoading())
        tools_.RemoveAll();
    tools_.Serialize(ar);
    SerializeFields(ar, {&partPath_});
    if (schema >= kQuantityFitSchema)
        SerializeFields(ar, {&quantityFit_});
    if (ar.IsStoring())
        return;
    if (schema < kQuantityFitSchema)
        quantityFit_ = 0;
    h.measureWebDepth = int(std::int32_t(webDepth));
    codeLetter1_ = std::int32_t(letter1);
    codeLetter2_ = std::int32_t(letter2);
}
