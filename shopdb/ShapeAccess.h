#pragma once
// Shape records (97 bytes) keyed by designation type and description (their first 22 bytes).

#include "shopdb/IndexAccess.h"
#include "records/ShapeRecord.h"

class CShapeAccess : public CIndexAccess {
public:
    CShapeAccess() : CIndexAccess(ShapeRecordImage::size, ShapeRecordImage::keySize, CompareBytes) {}
};
