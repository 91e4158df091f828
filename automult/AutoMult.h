#pragma once
// The second engine class: it stores the stock settings and stations like AutoMultOpnB but adds
// no parts and makes no mults.

#include "automult/AutoMultBase.h"

class CAutoMult : public CAutoMultBase {
public:
    fw::HRESULT AddPartToList(const std::string& bstrJob, const std::string& bstrGroup, const std::string& bstrMark,
                              const std::string& bstrPath, int nQuantity, double dLength, std::int32_t bToolMach,
                              int nToolSize, const std::string* pbstrtTools, const enumZone* pEnumZone) override;
    // Takes the drop off the stored stock length at once.
    fw::HRESULT SetMinimumMachineDrop(double dMachineDrop) override;
    fw::HRESULT MultCurrentShape(int* pnMult) override;
    // There are no mults: the three getters answer E_INVALIDARG.
    fw::HRESULT GetMultDrop(int nIndex, double* pdDrop) override;
    fw::HRESULT GetNumberOfPartsForMult(int nMultIndex, int* pnPart) override;
    fw::HRESULT GetPartData(int nMultIndex, int nPartIndex, std::string* pbstrJob, std::string* pbstrGroup,
                            std::string* pbstrMark, int* pnQuantity) override;
    fw::HRESULT SetAllowableDrop(double dDrop) override;
    fw::HRESULT GetAllowableDrop(double* pdDrop) override;
};
