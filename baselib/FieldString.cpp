#include "baselib/FieldString.h"

#include "convert/Convert.h"

namespace zr {

CFieldString::~CFieldString() = default;

CFieldString& CFieldString::operator=(char ch)
{
    text_ = ch;
    return *this;
}

CFieldString& CFieldString::operator=(const char* text)
{
    text_ = text;
    return *this;
}

CFieldString& CFieldString::operator=(const wchar_t* text)
{
    text_ = text;
    return *this;
}

CFieldString& CFieldString::operator=(const unsigned char* text)
{
    text_ = text;
    return *this;
}

int CFieldString::ConvertToInteger(int& value)
{
    text_.TrimLeft();
    text_.TrimRight();
    return CConvert::TCharToInteger(text_, value);
}

int CFieldString::ConvertToDouble(double& value)
{
    text_.TrimLeft();
    return CConvert::TCharToDouble(text_, value);
}

}  // namespace zr
