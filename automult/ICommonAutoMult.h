#pragma once
// The multing engine's working interface: the settings of one stock shape and its parts go in,
// the mult search runs, the mults come back. Lengths are in inches.

#include "automult/Zone.h"
#include "fw/core/Component.h"

#include <cstdint>
#include <string>

class ICommonAutoMult : public virtual fw::Unknown {
public:
    // Adds one part; its length gets the kerf in force now. nToolSize tools, name i in zone i.
    virtual fw::HRESULT AddPartToList(const std::string& bstrJob, const std::string& bstrGroup,
                                      const std::string& bstrMark, const std::string& bstrPath, int nQuantity,
                                      double dLength, std::int32_t bToolMach, int nToolSize,
                                      const std::string* pbstrtTools, const enumZone* pEnumZone) = 0;
    virtual fw::HRESULT SetMultOrignalPath(const std::string& bstrPath) = 0;
    virtual fw::HRESULT SetShapeKey(const std::string& bstrKey) = 0;
    virtual fw::HRESULT SetMultSequence(int nSeqNumber) = 0;
    virtual fw::HRESULT SetMultStockLength(double dLength) = 0;
    virtual fw::HRESULT SetKerf(double dKerf) = 0;
    virtual fw::HRESULT SetMinimumMachineDrop(double dMachineDrop) = 0;
    // Runs the search; *pnMult = the number of mults made. S_FALSE with 0 when the user cancels.
    virtual fw::HRESULT MultCurrentShape(int* pnMult) = 0;
    // One more tool station in the zone.
    virtual fw::HRESULT SetMachineToolZone(enumZone eZone) = 0;
    virtual fw::HRESULT GetMultDrop(int nIndex, double* pdDrop) = 0;
    virtual fw::HRESULT GetNumberOfPartsForMult(int nMultIndex, int* pnPart) = 0;
    virtual fw::HRESULT GetPartData(int nMultIndex, int nPartIndex, std::string* pbstrJob, std::string* pbstrGroup,
                                    std::string* pbstrMark, int* pnQuantity) = 0;
    // Supplies the allowable drop, so that MultCurrentShape does not ask for it.
    virtual fw::HRESULT SetAllowableDrop(double dDrop) = 0;
    virtual fw::HRESULT GetAllowableDrop(double* pdDrop) = 0;
};
