#include "shell/FileNameList.h"

namespace {
constexpr char kSeparator = '|';
}

CFileNameList::CFileNameList(std::string_view text) : text_(text)
{
    for (Position pos = GetHeadPosition(); pos;) {
        ++count_;
        GetNext(pos);
    }
}

CFileNameList::Position CFileNameList::SkipSeparators(Position pos) const
{
    const char* end = text_.data() + text_.size();
    while (pos != end && *pos == kSeparator)
        ++pos;
    return pos == end ? nullptr : pos;
}

CFileNameList::Position CFileNameList::GetHeadPosition() const
{
    return text_.empty() ? nullptr : SkipSeparators(text_.data());
}

std::string CFileNameList::GetNext(Position& pos) const
{
    if (!pos)
        return {};
    const char* end = text_.data() + text_.size();
    const char* stop = pos;
    while (stop != end && *stop != kSeparator)
        ++stop;
    std::string name(pos, stop);
    pos = stop == end ? nullptr : SkipSeparators(stop + 1);
    return name;
}
