#pragma once
// Makes the control creatable by its class id and ProgID through the component registry, as a
// container that names its controls in stored dialog templates creates them.

#include "lenbox/LenboxExport.h"
#include "fw/core/Component.h"

namespace lenbox {

LENBOX_EXPORT fw::HRESULT RegisterServer();
// 0x80040201 when the control was not registered.
LENBOX_EXPORT fw::HRESULT UnregisterServer();

} // namespace lenbox
