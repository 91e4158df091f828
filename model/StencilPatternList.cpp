#include "model/StencilPatternList.h"

FW_IMPLEMENT_SERIAL(CStencilPatternList, fw::Object, 1)
