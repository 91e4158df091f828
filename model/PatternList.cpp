#include "model/PatternList.h"

FW_IMPLEMENT_SERIAL(CPatternList, fw::Object, 1)
