#include "convert/except/zrException.h"

#include <cstring>

CzrException::~CzrException() = default;

void CzrException::SetMessage(const char* text)
{
    message_ = text ? text : "";
}

void CzrException::ConcatToMessage(const char* text)
{
    if (text)
        message_ += text;
}

CMemoryException::~CMemoryException() = default;

CNumericConversionException::CNumericConversionException(const char* message)
{
    SetMessage(message);
}

CNumericConversionException::~CNumericConversionException() = default;

CUnexpectedException::~CUnexpectedException() = default;

CzrFileException::CzrFileException(int osError, const char* sourceFile, int line)
    : osError_(osError)
{
    std::string text = sourceFile ? sourceFile : "";
    text += '(';
    text += std::to_string(line);
    text += "): ";
    text += std::strerror(osError);
    SetMessage(text.c_str());
}

CzrFileException::~CzrFileException() = default;
