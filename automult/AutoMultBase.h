#pragma once
// What both engine classes share: the stored settings of one stock shape and the machine's tool
// stations per zone.

#include "automult/AMMachineTool.h"
#include "automult/ICommonAutoMult.h"

#include <string>

class CAutoMultBase : public ICommonAutoMult {
public:
    fw::HRESULT SetMultOrignalPath(const std::string& bstrPath) override;
    fw::HRESULT SetShapeKey(const std::string& bstrKey) override;
    fw::HRESULT SetMultSequence(int nSeqNumber) override;
    fw::HRESULT SetMultStockLength(double dLength) override;
    fw::HRESULT SetKerf(double dKerf) override;
    fw::HRESULT SetMachineToolZone(enumZone eZone) override;

protected:
    std::string multPath_;   // kept, not used
    double stockLength_ = 0.0;
    double kerf_ = 0.0;
    CAMStationList stations_;
};
