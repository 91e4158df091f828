#pragma once
// The error log. Entries go to a replaceable sink (standard error by default) so that tests and
// hosts can collect them.

#include "convert/except/BRAXExceptExport.h"
#include <functional>

class BRAXEXCEPT_EXPORT CLog {
public:
    using Sink = std::function<void(const char* sourceFile, int line, const char* message)>;

    // Records the error and returns; the caller goes on with its own fallback value.
    static void LogError(const char* sourceFile, int line, const char* message);

    // Throws CzrFileException for the operating-system call that has just failed (errno).
    [[noreturn]] static void ThrowFileException(const char* sourceFile, int line);

    // Installs a sink and returns the previous one; an empty sink restores standard error.
    static Sink SetSink(Sink sink);
};
