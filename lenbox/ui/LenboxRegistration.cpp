#include "lenbox/ui/LenboxRegistration.h"

#include "lenbox/LenboxIds.h"
#include "lenbox/ui/LenboxCtrl.h"

namespace lenbox {

namespace {

constexpr fw::HRESULT kClassRegistrationFailed = fw::HRESULT(0x80040201u);

} // namespace

fw::HRESULT RegisterServer()
{
    fw::ClassRegistry::Instance().Register(kControlClassId, kControlProgId,
                                           [] { return std::make_unique<CLenboxCtrl>(); });
    return fw::S_OK;
}

fw::HRESULT UnregisterServer()
{
    return fw::ClassRegistry::Instance().Unregister(kControlClassId) ? fw::S_OK : kClassRegistrationFailed;
}

} // namespace lenbox
