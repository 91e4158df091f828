// CMultDoc's automation interface, IMultDoc.

#include "machmult/MultDoc.h"

#include "partprog/PartDoc.h"

#include "fw/core/SaneLength.h"

#include <cmath>

namespace {

constexpr std::int32_t kDone = 0;
constexpr std::int32_t kNotDone = 1;

} // namespace

std::unique_ptr<fw::Unknown> CMultDoc::CreateAutomationObject() { return std::make_unique<CMultDoc>(); }

std::int32_t CMultDoc::MultConvert(const std::string& bstrJob, const std::string& bstrGroup,
                                   const std::string& bstrMark, std::int16_t nSequence, std::int16_t nQuantity,
                                   double dLength, double dKerf, const std::string& bstrShape,
                                   const std::string& bstrDesc, const std::string& bstrGrade,
                                   const std::string& bstrMachine, const std::string& bstrRemA,
                                   const std::string& bstrRemB, std::int16_t nMeasuringSystem)
{
    if (nSequence < 0 || nQuantity < 1 || !fw::IsSaneInches(dLength) || dLength < 0 || !fw::IsSaneInches(dKerf) ||
        dKerf < 0 || nMeasuringSystem < 0 || nMeasuringSystem > 2)
        return kNotDone;
    MultRecord data;
    data.job = bstrJob;
    data.group = bstrGroup;
    data.mark = bstrMark;
    data.sequence = std::uint32_t(nSequence);
    data.quantity = std::uint32_t(nQuantity);
    data.length = dLength;
    data.kerf = dKerf;
    data.shapeDesctp = bstrShape;
    data.shapeDesc = bstrDesc;
    data.grade = bstrGrade;
    data.machine = bstrMachine;
    data.remarkA = bstrRemA;
    data.remarkB = bstrRemB;
    data.measuringSystem = nMeasuringSystem;
    if (!SetMultData(data))
        return kNotDone;
    header_.drop.SetValue(dLength);
    ForgetOwnFile();   // a whole new header: a new mult, saved under the first free name
    return kDone;
}

std::int32_t CMultDoc::GetDescription(std::string& pbstrFileName, std::string& pbstrShape, std::string& pbstrDesc)
{
    if (LoadMult(pbstrFileName)) {
        pbstrShape = header_.shapeDesctp;
        pbstrDesc = header_.shapeDesc;
    }
    return kDone;
}

std::int32_t CMultDoc::SaveMult() { return SaveDocument() ? kDone : kNotDone; }

std::int32_t CMultDoc::AddPart(const std::string& bstrJobID, const std::string& bstrGroup,
                               const std::string& bstrMark, std::uint32_t nQuantity)
{
    if (nQuantity == 0)
        return kNotDone;
    const std::unique_ptr<CPartDoc> partDoc = CPartDoc::LoadByName(bstrJobID, bstrGroup, bstrMark, false);
    if (!partDoc)
        return kNotDone;
    // An empty field of the mult accepts any part; a filled one only the same text.
    const auto accepts = [](const std::string& multField, const std::string& partField) {
        const std::string wanted = Trim(multField);
        return wanted.empty() || wanted == Trim(partField);
    };
    const PartRecord& record = partDoc->Header();
    if (!accepts(header_.shapeDesctp, record.shapeDesctp) || !accepts(header_.shapeDesc, record.shapeDesc) ||
        !accepts(header_.grade, record.grade))
        return kNotDone;

    // The drop is the stock length less every part: refused when it leaves the range of lengths.
    const double drop = header_.drop.GetValue() - partDoc->Header().length.GetValue() * double(nQuantity);
    if (!fw::IsSaneInches(drop))
        return kNotDone;
    std::unique_ptr<CMultPart> part = CMultPart::FromPart(*partDoc);
    part->SetQuantity(nQuantity);
    part->SetQuantityUsed(nQuantity);
    part->SetListIndex(0);
    part->SetImageIndex(0);
    part->SetToolsFit(1);
    header_.drop.SetValue(drop);
    parts_.AddTail(std::move(part));
    SetModifiedFlag();
    return kDone;
}

std::int32_t CMultDoc::GetShapeDescriptionFromMultPart(const std::string& bstrJobID, const std::string& bstrGroup,
                                                       const std::string& bstrMark, std::string& pbstrShape,
                                                       std::string& pbstrDesc)
{
    pbstrShape.clear();
    pbstrDesc.clear();
    const std::unique_ptr<CPartDoc> partDoc = CPartDoc::LoadByName(bstrJobID, bstrGroup, bstrMark, false);
    if (!partDoc)
        return kNotDone;
    pbstrShape = partDoc->Header().shapeDesctp;
    pbstrDesc = partDoc->Header().shapeDesc;
    return kDone;
}

std::int32_t CMultDoc::CheckMachine(const std::string& strMachineName)
{
    return LoadMachine(strMachineName) ? kDone : kNotDone;
}

std::int32_t CMultDoc::CheckPart(const std::string& bstrJobID, const std::string& bstrGroup,
                                 const std::string& bstrMark)
{
    return CPartDoc::LoadByName(bstrJobID, bstrGroup, bstrMark, true) ? kDone : kNotDone;
}
