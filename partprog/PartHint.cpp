#include "partprog/PartHint.h"

FW_IMPLEMENT_DYNAMIC(CPartHint, fw::Object)
