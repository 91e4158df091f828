#pragma once
// Exceptions the conversion library defines for its users; the library itself throws neither.

#include "convert/except/zrException.h"

class CIllegalUnitException : public CzrException {
public:
    CIllegalUnitException() = default;
    CIllegalUnitException(const CIllegalUnitException&) = default;
    CIllegalUnitException& operator=(const CIllegalUnitException&) = default;
    ~CIllegalUnitException() override;
};

class CUndefinedShapeException : public CzrException {
public:
    CUndefinedShapeException() = default;
    CUndefinedShapeException(const CUndefinedShapeException&) = default;
    CUndefinedShapeException& operator=(const CUndefinedShapeException&) = default;
    ~CUndefinedShapeException() override;
};
