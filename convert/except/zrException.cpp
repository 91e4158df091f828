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
    SetMessage(sourceFile);
    ConcatToMessage(("(" + std::to_string(line) + "): ").c_str());
    ConcatToMessage(std::strerror(osError));
}

CzrFileException::~CzrFileException() = default;
