#pragma once
// A read-only view over a list of names (paths or wildcard patterns) each followed by '|', the form
// in which selections of files and folders are handed between the navigator, the report window and
// the command dispatcher: "C:\Jobs\J1\G1\B12.prt|C:\Jobs\J1\G1\B13.prt|".
//
// Empty names (a leading '|' or "||") are skipped, and a last name without its '|' still counts,
// so that the count and the walk always agree and a single path is a list of one.

#include <cstddef>
#include <string>
#include <string_view>

class CFileNameList {
public:
    // A position in the text; nullptr once the walk has passed the last name.
    using Position = const char*;

    // The text is not copied: the caller keeps it alive while the list is used.
    explicit CFileNameList(std::string_view text);
    virtual ~CFileNameList() = default;

    std::size_t GetCount() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }

    // The position of the first name, nullptr when there is none.
    Position GetHeadPosition() const;
    // The name at pos; pos moves to the next name, or to nullptr after the last one.
    std::string GetNext(Position& pos) const;

private:
    // The start of the first non-empty name at or after pos, nullptr when there is none.
    Position SkipSeparators(Position pos) const;

    std::string_view text_;
    std::size_t count_ = 0;
};
