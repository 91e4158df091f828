#include "automult/AutoMultBase.h"

fw::HRESULT CAutoMultBase::SetMultOrignalPath(const std::string& bstrPath)
{
    multPath_ = bstrPath;
    return fw::S_OK;
}

fw::HRESULT CAutoMultBase::SetShapeKey(const std::string&) { return fw::S_OK; }

fw::HRESULT CAutoMultBase::SetMultSequence(int) { return fw::S_OK; }

fw::HRESULT CAutoMultBase::SetMultStockLength(double dLength)
{
    stockLength_ = dLength;
    return fw::S_OK;
}

fw::HRESULT CAutoMultBase::SetKerf(double dKerf)
{
    kerf_ = dKerf;
    return fw::S_OK;
}

fw::HRESULT CAutoMultBase::SetMachineToolZone(enumZone eZone)
{
    AddStation(stations_, eZone);
    return fw::S_OK;
}
