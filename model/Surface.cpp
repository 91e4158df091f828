#include "model/Surface.h"

FW_IMPLEMENT_SERIAL(CSurface, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CWebSurface, CSurface, 1)
FW_IMPLEMENT_SERIAL(CTfSurface, CSurface, 1)
FW_IMPLEMENT_SERIAL(CBfSurface, CSurface, 1)
FW_IMPLEMENT_SERIAL(CWeb2Surface, CSurface, 1)
