#include "convert/except/Log.h"

#include "convert/except/zrException.h"

#include <cerrno>
#include <cstdio>
#include <mutex>

namespace {

std::mutex& SinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

CLog::Sink& CurrentSink()
{
    static CLog::Sink sink;
    return sink;
}

}  // namespace

void CLog::LogError(const char* sourceFile, int line, const char* message)
{
    sourceFile = sourceFile ? sourceFile : "";
    message = message ? message : "";
    Sink sink;
    {
        std::lock_guard lock(SinkMutex());
        sink = CurrentSink();
    }
    if (sink)
        sink(sourceFile, line, message);
    else
        std::fprintf(stderr, "%s(%d): %s\n", sourceFile, line, message);
}

void CLog::ThrowFileException(const char* sourceFile, int line)
{
    throw CzrFileException(errno, sourceFile ? sourceFile : "", line);
}

CLog::Sink CLog::SetSink(Sink sink)
{
    std::lock_guard lock(SinkMutex());
    std::swap(CurrentSink(), sink);
    return sink;
}
