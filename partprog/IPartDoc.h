#pragma once
// The automation interface of the part document: other programs fill a part's header, set a
// reference plane, add hole patterns, layouts and stencil marks face by face, and save the part.
// Made through the class registry by class id or ProgID; each object is a windowless part.
//
// Lengths are inches. Every method returns S_OK on success and a failure status otherwise:
// E_INVALIDARG for an argument that can't be used (nothing changed), E_UNEXPECTED when the part
// has no shape yet, E_FAIL when the part refused the pattern or mark (a duplicate, an empty text),
// when the shape file is missing, or when the save failed.
//
// Near, far and near-and-far variants of a flange all add to that flange's one list; the three
// stencil methods all add to the part's one list of marks. Hidden layouts are back layouts.

#include "fw/core/Component.h"

#include <cstdint>
#include <string>

class IPartDoc : public fw::Unknown {
public:
    static constexpr const char* kClassId = "{D9FD2771-23CD-11D2-AA41-006008A85237}";
    static constexpr const char* kProgId = "Varnex.PartDoc";

    // The header; the length in inches shown in the measuring system (0 'E', 1 'D', 2 'M', other
    // 'E'). A new designation builds the shape from the shape file; when it is missing the old
    // designation stays, the rest is taken and E_FAIL returned. Job, group and mark must be
    // names of at most 10 characters without separators, ':' or "..", ending in neither a dot nor
    // a blank; a blank job or group stands as "NONE" (else E_INVALIDARG).
    virtual fw::HRESULT SetPartData(const std::string& strJobid, const std::string& strGroup,
                                    const std::string& strMark, std::int16_t iQuanity, double dLength,
                                    const std::string& strDesctp, const std::string& strDesc,
                                    const std::string& strGrade, const std::string& strFabcode,
                                    std::int32_t bMeasureWebDepth, const std::string& strRemarka,
                                    const std::string& strRemarkb, std::int16_t nMeasureSystem,
                                    std::int16_t iChannelLeg) = 0;
    // Stores the plane every later pattern uses: directions '+' or '-', type 'A', 'B' or 'C'.
    virtual fw::HRESULT RefPlane(double StartX, double StartU, double Rise, double Run, const std::string& DirX,
                                 const std::string& DirU, const std::string& PatType) = 0;

#define VARNEX_HOLE_ARGS                                                                                      \
    double dXPos, double dUPos, double dXinc, double dUinc, std::int16_t nNumX, std::int16_t nNumU,          \
        double dToolSz1, double dToolSz2, const std::string &bstrToolShp, std::int16_t nOrientation
#define VARNEX_LAYOUT_ARGS double dXPos, double dUPos, double dXinc, double dUinc, std::int16_t nNumX, std::int16_t nNumU

    virtual fw::HRESULT SetWebHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetWebLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetTFNearHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetTFNearLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetTFFarHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetTFFarLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetTFNearFarHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetTFNearFarLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetBFNearHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetBFNearLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetBFFarHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetBFFarLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetBFNearFarHole(VARNEX_HOLE_ARGS) = 0;
    virtual fw::HRESULT SetBFNearFarLayout(VARNEX_LAYOUT_ARGS) = 0;
    // Saves under the Job/Group directory + job\group\mark.prt.
    virtual fw::HRESULT SavePart() = 0;
    virtual fw::HRESULT SetWebHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetTFNearHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetTFFarHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetTFNearFarHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetBFNearHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetBFFarHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    virtual fw::HRESULT SetBFNearFarHiddenLayout(VARNEX_LAYOUT_ARGS) = 0;
    // A mark; U is limited to the flange width of "W", "C" and "MC" shapes and to the depth of
    // "L", "FB" and "PL" shapes.
    virtual fw::HRESULT SetWebStencil(double dXPos, double dUPos, const std::string& pszStencil) = 0;
    virtual fw::HRESULT SetTFStencil(double dXPos, double dUPos, const std::string& pszStencil) = 0;
    virtual fw::HRESULT SetBFStencil(double dXPos, double dUPos, const std::string& pszStencil) = 0;
    // Reads a part file (name of at most 255 characters) and gives its designation type and size.
    virtual fw::HRESULT GetSpecification(const std::string& vtFileName, std::string& vtDescription,
                                         std::string& vtSection) = 0;
    virtual fw::HRESULT SetWeb2Hole(VARNEX_HOLE_ARGS) = 0;
    // As the methods without Ex, the tool in the given measuring system.
    virtual fw::HRESULT SetWebHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetTFNearHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetTFFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetTFNearFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetBFNearHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetBFFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetBFNearFarHoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
    virtual fw::HRESULT SetWeb2HoleEx(VARNEX_HOLE_ARGS, std::int16_t nToolMeasuringSystem) = 0;
};
