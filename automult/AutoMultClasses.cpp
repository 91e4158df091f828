#include "automult/AutoMultClasses.h"

#include "automult/AutoMult.h"
#include "automult/AutoMultOpnB.h"
#include "fw/core/Component.h"

namespace automult {

void RegisterAutoMultClasses(IAutoMultUi& ui, fw::Profile& profile)
{
    auto& registry = fw::ClassRegistry::Instance();
    registry.Register(kClsidAutoMultOpnB, kProgIdAutoMultOpnB,
                      [&ui, &profile] { return std::make_unique<CAutoMultOpnB>(ui, profile); }, kProgIdAutoMultOpnB1);
    registry.Register(kClsidAutoMult, kProgIdAutoMult, [] { return std::make_unique<CAutoMult>(); }, kProgIdAutoMult1);
}

void UnregisterAutoMultClasses()
{
    auto& registry = fw::ClassRegistry::Instance();
    registry.Unregister(kClsidAutoMultOpnB);
    registry.Unregister(kClsidAutoMult);
}

} // namespace automult
