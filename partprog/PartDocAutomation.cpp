// CPartDoc's automation interface, IPartDoc.

#include "partprog/PartDoc.h"

#include "fw/core/Component.h"
#include "fw/core/SaneLength.h"
#include "model/JobPaths.h"

#include <cmath>
#include <new>
#include <string>
#include <string_view>

namespace {

std::string TrimRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Refuses a call naming what was wrong; the text travels as the error info.
fw::HRESULT Refuse(fw::HRESULT status, const std::string& cause)
{
    fw::SetErrorInfo(cause);
    return status;
}

const std::string kMaxInchesText = std::to_string(long(fw::kMaxInches));
const std::string kLengths = " must be finite and within " + kMaxInchesText + " inches of 0.";
// Patterns and stencils need the part shape that SetPartData builds. (SavePart without a shape
// gives the document's own message, CPartDoc::kNoShape.)
const std::string kNoShapeYet = "The part has no shape yet: give SetPartData a shape of the catalog first.";
const std::string kNameRule =
    " is not a name: 1 to 10 characters that can stand in a file name, ending in neither a dot nor a blank.";

CPartDoc::Grid MakeGrid(double x, double u, double incrementX, double incrementU, std::int16_t countX,
                        std::int16_t countU)
{
    return {x, u, incrementX, incrementU, countX, countU};
}

} // namespace

std::unique_ptr<fw::Unknown> CPartDoc::CreateAutomationObject() { return std::make_unique<CPartDoc>(); }

fw::HRESULT CPartDoc::SetPartData(const std::string& strJobid, const std::string& strGroup,
                                  const std::string& strMark, std::int16_t iQuanity, double dLength,
                                  const std::string& strDesctp, const std::string& strDesc,
                                  const std::string& strGrade, const std::string& strFabcode,
                                  std::int32_t bMeasureWebDepth, const std::string& strRemarka,
                                  const std::string& strRemarkb, std::int16_t nMeasureSystem,
                                  std::int16_t iChannelLeg)
{
    if (!jobs::IsName(strMark))
        return Refuse(fw::E_INVALIDARG, "strMark" + kNameRule);
    if (!jobs::IsFolderName(strJobid))
        return Refuse(fw::E_INVALIDARG, "strJobid" + kNameRule + " (A blank job stands as NONE.)");
    if (!jobs::IsFolderName(strGroup))
        return Refuse(fw::E_INVALIDARG, "strGroup" + kNameRule + " (A blank group stands as NONE.)");
    if (iQuanity < 1)
        return Refuse(fw::E_INVALIDARG, "iQuanity must be 1 or more.");
    if (!fw::IsSaneInches(dLength) || dLength < 0)
        return Refuse(fw::E_INVALIDARG, "dLength must be finite and from 0 to " + kMaxInchesText + " inches.");
    if (nMeasureSystem < 0 || nMeasureSystem > 2)
        return Refuse(fw::E_INVALIDARG, "nMeasureSystem must be 0, 1 or 2.");
    bool shapeFound = true;
    if (strDesctp != header_.shapeDesctp || strDesc != header_.shapeDesc)
        shapeFound = BuildShape(strDesctp, strDesc);
    header_.jobId = strJobid;
    header_.group = strGroup;
    header_.mark = strMark;
    header_.quantity = std::uint32_t(iQuanity);
    header_.length.SetUnits(nMeasureSystem);
    header_.length = dLength;
    if (shapeFound) {
        header_.shapeDesctp = strDesctp;
        header_.shapeDesc = strDesc;
    }
    header_.grade = strGrade;
    header_.fabCode = strFabcode;
    header_.measureWebDepth = bMeasureWebDepth;
    header_.remarkA = strRemarka;
    header_.remarkB = strRemarkb;
    header_.measuringSystem = nMeasureSystem;
    header_.channelLeg = iChannelLeg;
    if (iChannelLeg == 1 && shape_)
        shape_->SetChannelLegFlag();
    return shapeFound ? fw::S_OK : fw::E_FAIL;
}

fw::HRESULT CPartDoc::RefPlane(double StartX, double StartU, double Rise, double Run, const std::string& DirX,
                               const std::string& DirU, const std::string& PatType)
{
    // Only the first character of each text counts; one the plane does not know is refused.
    const auto startsWithOneOf = [](const std::string& text, std::string_view known) {
        return !text.empty() && known.find(text[0]) != std::string_view::npos;
    };
    if (!fw::AreSaneInches({StartX, StartU, Rise, Run}))
        return Refuse(fw::E_INVALIDARG, "StartX, StartU, Rise and Run" + kLengths);
    if (!startsWithOneOf(DirX, "+-") || !startsWithOneOf(DirU, "+-"))
        return Refuse(fw::E_INVALIDARG, "DirX and DirU must start with + or -.");
    if (!startsWithOneOf(PatType, "ABC"))
        return Refuse(fw::E_INVALIDARG, "PatType must start with A, B or C.");
    refPlane_ = {StartX, StartU, DirX[0], DirU[0], Rise, Run, PatType[0]};
    return fw::S_OK;
}

fw::HRESULT CPartDoc::AddAutomationPattern(int faceCode, int operation, const Grid& grid, const CPartTool& tool)
{
    if (!fw::AreSaneInches({grid.x, grid.u, grid.incrementX, grid.incrementU}))
        return Refuse(fw::E_INVALIDARG, "dXPos, dUPos, dXinc and dUinc" + kLengths);
    if (grid.countX < 1 || grid.countU < 1 || grid.countX > CPattern::kMaxCount || grid.countU > CPattern::kMaxCount ||
        static_cast<long long>(grid.countX) * grid.countU > CPattern::kMaxElements)
        return Refuse(fw::E_INVALIDARG, "nNumX and nNumU must be 1 to " + std::to_string(CPattern::kMaxCount) +
                                            ", with at most " + std::to_string(CPattern::kMaxElements) +
                                            " elements in all.");
    if (!shape_)
        return Refuse(fw::E_UNEXPECTED, kNoShapeYet);
    CRefPlane plane;
    plane.Set(refPlane_.startX, refPlane_.startU, refPlane_.directionX, refPlane_.directionU, refPlane_.rise,
              refPlane_.run, refPlane_.patternType);
    auto pattern = std::make_unique<CPattern>(grid.x, grid.u, grid.countX, grid.incrementX, grid.countU,
                                              grid.incrementU, operation, &plane, &tool, 0);
    if (!pattern->IsSane())
        return Refuse(fw::E_INVALIDARG, "An element of the pattern would lie beyond the range of lengths.");
    return AddPattern(pattern, *shape_->GetFaceList(faceCode))
               ? fw::S_OK
               : Refuse(fw::E_FAIL, "The face refused the pattern (the same pattern is there already, or it does not fit).");
}

fw::HRESULT CPartDoc::AddAutomationHole(int faceCode, const Grid& grid, double sizeA, double sizeB,
                                        const std::string& code, int orientation, int toolSystem)
{
    if (!fw::AreSaneInches({sizeA, sizeB}) || sizeA < 0 || sizeB < 0)
        return Refuse(fw::E_INVALIDARG, "dToolSz1 and dToolSz2 must be finite and from 0 to " + kMaxInchesText + " inches.");
    if (toolSystem < 0 || toolSystem > 2)
        return Refuse(fw::E_INVALIDARG, "nToolMeasuringSystem must be 0, 1 or 2.");
    return AddAutomationPattern(faceCode, CPattern::hole, grid, CPartTool(sizeA, sizeB, code, orientation, toolSystem));
}

fw::HRESULT CPartDoc::AddAutomationStencil(double x, double u, const std::string& text)
{
    if (!fw::AreSaneInches({x, u}))
        return Refuse(fw::E_INVALIDARG, "dXPos and dUPos" + kLengths);
    if (!shape_)
        return Refuse(fw::E_UNEXPECTED, kNoShapeYet);
    const std::string type = TrimRight(shape_->GetDesctp());
    double limit = u;
    if (type == "L" || type == "FB" || type == "PL")
        limit = shape_->GetDepth();
    else if (type == "W" || type == "C" || type == "MC")
        limit = shape_->GetFlangeWidth();
    try {
        auto mark = std::make_unique<CStencilPattern>(x, std::min(u, limit), text, 0);
        if (!mark->IsSane())
            return Refuse(fw::E_INVALIDARG, "pszStencil would run beyond the range of lengths.");
        return AddStencil(mark) ? fw::S_OK : Refuse(fw::E_FAIL, "The face refused the stencil.");
    } catch (const std::bad_alloc&) {
        return fw::E_OUTOFMEMORY;
    }
}

fw::HRESULT CPartDoc::SavePart()
{
    if (!shape_)
        return Refuse(fw::E_UNEXPECTED, CPartDoc::kNoShape);
    if (!jobs::IsName(header_.mark) || !jobs::IsFolderName(header_.jobId) || !jobs::IsFolderName(header_.group))
        return Refuse(fw::E_INVALIDARG, "The part's job, group or mark" + kNameRule);
    // The document takes the path of job, group and mark once the save succeeds.
    return SaveDocument() ? fw::S_OK : Refuse(fw::E_FAIL, "The part could not be written to " + GetPartFilePath() + ".");
}

fw::HRESULT CPartDoc::GetSpecification(const std::string& vtFileName, std::string& vtDescription,
                                       std::string& vtSection)
{
    vtDescription.clear();
    vtSection.clear();
    if (vtFileName.empty() || vtFileName.size() > 255)
        return Refuse(fw::E_INVALIDARG, "vtFileName must hold 1 to 255 characters.");
    const bool loaded = LoadPart(vtFileName);
    if (!loaded && !shapeError_)
        return Refuse(fw::E_FAIL, "No part could be read from " + vtFileName + ".");
    vtDescription = header_.shapeDesctp;
    vtSection = header_.shapeDesc;
    return fw::S_OK;
}

// The pattern methods, by face and operation.
#define VARNEX_HOLE(method, face)                                                                                   \
    fw::HRESULT CPartDoc::method(VARNEX_HOLE_ARGS)                                                                  \
    {                                                                                                               \
        return AddAutomationHole(face, MakeGrid(dXPos, dUPos, dXinc, dUinc, nNumX, nNumU), dToolSz1, dToolSz2,      \
                                 bstrToolShp, nOrientation, 0);                                                     \
    }                                                                                                               \
    fw::HRESULT CPartDoc::method##Ex(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem)                           \
    {                                                                                                               \
        return AddAutomationHole(face, MakeGrid(dXPos, dUPos, dXinc, dUinc, nNumX, nNumU), dToolSz1, dToolSz2,      \
                                 bstrToolShp, nOrientation, nToolMeasuringSystem);                                  \
    }
#define VARNEX_LAYOUT(method, face, operation)                                                                      \
    fw::HRESULT CPartDoc::method(VARNEX_LAYOUT_ARGS)                                                                \
    {                                                                                                               \
        return AddAutomationPattern(face, operation, MakeGrid(dXPos, dUPos, dXinc, dUinc, nNumX, nNumU), CPartTool()); \
    }

VARNEX_HOLE(SetWebHole, faceWeb)
VARNEX_HOLE(SetWeb2Hole, faceWeb2)
VARNEX_HOLE(SetTFNearHole, faceTopFlange)
VARNEX_HOLE(SetTFFarHole, faceTopFlange)
VARNEX_HOLE(SetTFNearFarHole, faceTopFlange)
VARNEX_HOLE(SetBFNearHole, faceBottomFlange)
VARNEX_HOLE(SetBFFarHole, faceBottomFlange)
VARNEX_HOLE(SetBFNearFarHole, faceBottomFlange)

VARNEX_LAYOUT(SetWebLayout, faceWeb, CPattern::frontLayout)
VARNEX_LAYOUT(SetTFNearLayout, faceTopFlange, CPattern::frontLayout)
VARNEX_LAYOUT(SetTFFarLayout, faceTopFlange, CPattern::frontLayout)
VARNEX_LAYOUT(SetTFNearFarLayout, faceTopFlange, CPattern::frontLayout)
VARNEX_LAYOUT(SetBFNearLayout, faceBottomFlange, CPattern::frontLayout)
VARNEX_LAYOUT(SetBFFarLayout, faceBottomFlange, CPattern::frontLayout)
VARNEX_LAYOUT(SetBFNearFarLayout, faceBottomFlange, CPattern::frontLayout)
VARNEX_LAYOUT(SetWebHiddenLayout, faceWeb, CPattern::backLayout)
VARNEX_LAYOUT(SetTFNearHiddenLayout, faceTopFlange, CPattern::backLayout)
VARNEX_LAYOUT(SetTFFarHiddenLayout, faceTopFlange, CPattern::backLayout)
VARNEX_LAYOUT(SetTFNearFarHiddenLayout, faceTopFlange, CPattern::backLayout)
VARNEX_LAYOUT(SetBFNearHiddenLayout, faceBottomFlange, CPattern::backLayout)
VARNEX_LAYOUT(SetBFFarHiddenLayout, faceBottomFlange, CPattern::backLayout)
VARNEX_LAYOUT(SetBFNearFarHiddenLayout, faceBottomFlange, CPattern::backLayout)

fw::HRESULT CPartDoc::SetWebStencil(double dXPos, double dUPos, const std::string& pszStencil)
{
    return AddAutomationStencil(dXPos, dUPos, pszStencil);
}

fw::HRESULT CPartDoc::SetTFStencil(double dXPos, double dUPos, const std::string& pszStencil)
{
    return AddAutomationStencil(dXPos, dUPos, pszStencil);
}

fw::HRESULT CPartDoc::SetBFStencil(double dXPos, double dUPos, const std::string& pszStencil)
{
    return AddAutomationStencil(dXPos, dUPos, pszStencil);
}
