#pragma once
// The update hint the pattern view passes with its view updates: three numbers and a text.

#include "fw/core/Object.h"

#include <string>

class CPartHint : public fw::Object {
    FW_DECLARE_DYNAMIC(CPartHint)
public:
    int value1 = 0;
    int value2 = 0;
    int value3 = 0;
    std::string text;
};
