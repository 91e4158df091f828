#pragma once
// Exceptions the conversion library defines for its users; the library itself throws neither.

#include "convert/BRAXConvertExport.h"
#include "convert/except/zrException.h"

class BRAXCONVERT_EXPORT CIllegalUnitException : public CzrException {
public:
    CIllegalUnitException() = default;
    CIllegalUnitException(const CIllegalUnitException&) = default;
    CIllegalUnitException& operator=(const CIllegalUnitException&) = default;
    ~CIllegalUnitException() override;
};

class BRAXCONVERT_EXPORT CUndefinedShapeException : public CzrException {
public:
    CUndefinedShapeException() = default;
    CUndefinedShapeException(const CUndefinedShapeException&) = default;
    CUndefinedShapeException& operator=(const CUndefinedShapeException&) = default;
    ~CUndefinedShapeException() override;
};
