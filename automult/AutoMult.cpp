#include "automult/AutoMult.h"

fw::HRESULT CAutoMult::AddPartToList(const std::string&, const std::string&, const std::string&, const std::string&,
                                     int, double, std::int32_t, int, const std::string*, const enumZone*)
{
    return fw::S_OK;
}

fw::HRESULT CAutoMult::SetMinimumMachineDrop(double dMachineDrop)
{
    stockLength_ -= dMachineDrop;
    return fw::S_OK;
}

fw::HRESULT CAutoMult::MultCurrentShape(int*) { return fw::S_OK; }

fw::HRESULT CAutoMult::GetMultDrop(int, double*) { return fw::E_INVALIDARG; }

fw::HRESULT CAutoMult::GetNumberOfPartsForMult(int, int*) { return fw::E_INVALIDARG; }

fw::HRESULT CAutoMult::GetPartData(int, int, std::string*, std::string*, std::string*, int*)
{
    return fw::E_INVALIDARG;
}

fw::HRESULT CAutoMult::SetAllowableDrop(double) { return fw::S_OK; }

fw::HRESULT CAutoMult::GetAllowableDrop(double*) { return fw::S_OK; }
