#include "convert/ConvertExceptions.h"

CIllegalUnitException::~CIllegalUnitException() = default;
CUndefinedShapeException::~CUndefinedShapeException() = default;
