#pragma once
// A text file read character by character: whole lines, delimited fields and numbers, counting
// lines so that errors can name the file and the line. A line ends at a line feed, a carriage
// return, or a carriage return and line feed.

#include "baselib/BRAXLibExport.h"
#include "baselib/BreakString.h"
#include "baselib/File.h"
#include "baselib/String.h"

namespace zr {

class BRAXLIB_EXPORT CTextFile : public CFile {
public:
    CTextFile() = default;

    bool Open(const char* path, std::uint32_t flags) override;   // line number 0

    // The next line without its line break; the characters stored plus one, or 0 at the end of
    // the file.
    int ReadLine(CBreakString& line);
    // Reads past white space and stops on the next character; the number of white-space
    // characters, or 0 at the end of the file.
    int SkipWhiteSpace();
    // After white space, the characters up to a comma (consumed), white space, or a line break
    // (left for the next read); the number of characters read.
    int ReadToDelimit(CString& text);
    int ReadText(CString& text) { return ReadToDelimit(text); }
    // A number: '-', digits, '.' and digits, at most 24 characters; the characters converted.
    // Failures throw CNumericConversionException naming the file's path and line.
    int ReadDouble(double& value);
    // Digits only, at most 24; a failure gives 0 and leaves `value` as it was.
    int ReadInteger(int& value);

    int GetLineNumber() const { return lineNumber_; }

private:
    bool ReadChar(char& c);
    void StepBack();
    // Reads the characters `accept` takes (given the text so far) into a number text of at most
    // 24 characters; throws "Unexpected Character" or `tooLong`.
    template <class Accept> std::string ReadNumberText(const char* tooLong, Accept accept);

    int lineNumber_ = 0;
};

}  // namespace zr
