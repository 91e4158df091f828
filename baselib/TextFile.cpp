#include "baselib/TextFile.h"

#include "baselib/StringTable.h"
#include "convert/Convert.h"
#include "convert/except/zrException.h"

#include <new>
#include <string>

namespace zr {

namespace {

constexpr std::size_t kMaxNumberChars = 24;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

}  // namespace

bool CTextFile::Open(const char* path, std::uint32_t flags)
{
    lineNumber_ = 0;
    return CFile::Open(path, flags);
}

bool CTextFile::ReadChar(char& c)
{
    return Read(&c, 1) == 1;
}

void CTextFile::StepBack()
{
    Seek(-1, current);
}

int CTextFile::ReadLine(CBreakString& line)
{
    line.Empty();
    char c = 0;
    if (!ReadChar(c))
        return 0;
    std::string text;
    try {
        do {
            if (IsLineBreak(c)) {
                ++lineNumber_;
                char next = 0;
                if (c == '\r' && ReadChar(next) && next != '\n')
                    StepBack();   // a lone carriage return: the next line starts here
                break;
            }
            text += c;
        } while (ReadChar(c));
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    line = text.c_str();
    return static_cast<int>(text.size()) + 1;
}

int CTextFile::SkipWhiteSpace()
{
    int count = 0;
    bool afterCarriageReturn = false;
    char c = 0;
    while (ReadChar(c)) {
        if (!IsWhite(c)) {
            StepBack();
            return count;
        }
        if (c == '\r' || (c == '\n' && !afterCarriageReturn))
            ++lineNumber_;
        afterCarriageReturn = c == '\r';
        ++count;
    }
    return 0;
}

int CTextFile::ReadToDelimit(CString& text)
{
    text.Empty();
    SkipWhiteSpace();
    std::string field;
    char c = 0;
    while (ReadChar(c) && c != ',') {
        if (IsWhite(c)) {
            if (IsLineBreak(c))
                StepBack();
            break;
        }
        field += c;
    }
    text = field.c_str();
    return static_cast<int>(field.size());
}

template <class Accept> std::string CTextFile::ReadNumberText(const char* tooLong, Accept accept)
{
    SkipWhiteSpace();
    std::string number;
    char c = 0;
    while (ReadChar(c)) {
        if (!accept(number, c)) {
            if (number.empty())
                throw CNumericConversionException("Unexpected Character");
            if (IsLineBreak(c))
                StepBack();
            break;
        }
        if (number.size() == kMaxNumberChars)
            throw CNumericConversionException(tooLong);
        number += c;
    }
    return number;
}

int CTextFile::ReadDouble(double& value)
{
    try {
        const std::string number = ReadNumberText("Double String Too Long", [](const std::string& text, char c) {
            return IsDigit(c) || (c == '-' && text.empty()) || (c == '.' && text.find('.') == std::string::npos);
        });
        return CConvert::TCharToDouble(number.c_str(), value);
    } catch (const CNumericConversionException& e) {
        std::string message = e.GetMessage();
        if (!message.empty())
            message += "\r\n";
        message += std::string(LibraryString(IDS_CONVERSION_ERROR_IN_FILE)) + " " +
                   static_cast<const char*>(GetFilePath()) + " " + LibraryString(IDS_ON_LINE) + " " +
                   std::to_string(lineNumber_ + 1) + "\r\n";
        throw CNumericConversionException(message.c_str());
    }
}

int CTextFile::ReadInteger(int& value)
{
    try {
        const std::string digits =
            ReadNumberText("Integer String Too Long", [](const std::string&, char c) { return IsDigit(c); });
        int converted = 0;
        const int used = CConvert::TCharToInteger(digits.c_str(), converted);
        value = converted;
        return used;
    } catch (const CNumericConversionException&) {
        return 0;
    }
}

}  // namespace zr
