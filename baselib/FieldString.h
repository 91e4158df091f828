#pragma once
// One field of a delimited line, converted to a number on demand.

#include "baselib/BRAXLibExport.h"
#include "baselib/String.h"

namespace zr {

class BRAXLIB_EXPORT CFieldString {
public:
    CFieldString() = default;
    CFieldString(const CFieldString& other) = default;
    CFieldString(const char* text) : text_(text) {}
    virtual ~CFieldString();

    CFieldString& operator=(const CFieldString& other) = default;
    CFieldString& operator=(char ch);
    CFieldString& operator=(const char* text);
    CFieldString& operator=(const wchar_t* text);
    CFieldString& operator=(const unsigned char* text);

    operator const char*() const { return text_; }

    // Trim the field (both sides for the integer, the left for the double) and convert it;
    // the characters used. A number too long for its type throws CNumericConversionException.
    int ConvertToInteger(int& value);
    int ConvertToDouble(double& value);

private:
    CString text_{""};
};

}  // namespace zr
