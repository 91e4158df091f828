#pragma once
// Shape records (97 bytes) keyed by designation type and description (their first 22 bytes).

#include "shopdb/IndexAccess.h"

class CShapeAccess : public CIndexAccess {
public:
    static constexpr std::uint16_t recordLength = 97;
    static constexpr int keyLength = 22;

    CShapeAccess() : CIndexAccess(recordLength, keyLength, CompareBytes) {}
};
