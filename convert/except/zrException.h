#pragma once
// The exception family thrown by the class and conversion libraries. Every class is thrown and
// caught by value and carries one message text.

#include "convert/except/BRAXExceptExport.h"
#include <exception>
#include <string>

class BRAXEXCEPT_EXPORT CzrException : public std::exception {
public:
    CzrException() = default;
    CzrException(const CzrException&) = default;
    CzrException& operator=(const CzrException&) = default;
    ~CzrException() override;

    void SetMessage(const char* text);        // a null text clears the message
    void ConcatToMessage(const char* text);   // a null text appends nothing
    const char* GetMessage() const noexcept { return message_.c_str(); }
    const char* what() const noexcept override { return GetMessage(); }

private:
    std::string message_;
};

class BRAXEXCEPT_EXPORT CMemoryException : public CzrException {
public:
    CMemoryException() = default;
    CMemoryException(const CMemoryException&) = default;
    CMemoryException& operator=(const CMemoryException&) = default;
    ~CMemoryException() override;
};

class BRAXEXCEPT_EXPORT CNumericConversionException : public CzrException {
public:
    CNumericConversionException() = default;
    explicit CNumericConversionException(const char* message);
    CNumericConversionException(const CNumericConversionException&) = default;
    CNumericConversionException& operator=(const CNumericConversionException&) = default;
    ~CNumericConversionException() override;
};

class BRAXEXCEPT_EXPORT CUnexpectedException : public CzrException {
public:
    CUnexpectedException() = default;
    CUnexpectedException(const CUnexpectedException&) = default;
    CUnexpectedException& operator=(const CUnexpectedException&) = default;
    ~CUnexpectedException() override;
};

// A failed operating-system call on a file: the errno value and "<source>(<line>): <reason>".
class BRAXEXCEPT_EXPORT CzrFileException : public CzrException {
public:
    CzrFileException(int osError, const char* sourceFile, int line);
    CzrFileException(const CzrFileException&) = default;
    CzrFileException& operator=(const CzrFileException&) = default;
    ~CzrFileException() override;

    int GetOsError() const noexcept { return osError_; }

private:
    int osError_;
};
