#pragma once
// The stock choices of an automatic-multing job, in ascending order of their keys (the shape
// designation type, shape size and grade joined end to end, compared byte by byte).

#include "machmult/AutoMultShape.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CAutoMultShapeList {
public:
    // The key of a choice: the three texts joined end to end.
    static std::string MakeKey(const std::string& desctp, const std::string& desc, const std::string& grade);

    // The choice with that key; a new empty one holding the key, inserted before the first choice
    // whose key is greater, when there is none. `inserted` tells which.
    CAutoMultShape& FindOrInsert(const std::string& desctp, const std::string& desc, const std::string& grade,
                                 bool* inserted = nullptr);
    // The choice with that key, or none.
    CAutoMultShape* Find(const std::string& desctp, const std::string& desc, const std::string& grade) const;

    std::size_t GetCount() const { return choices_.size(); }
    bool IsEmpty() const { return choices_.empty(); }
    CAutoMultShape& operator[](std::size_t index) const { return *choices_.at(index); }

    auto begin() const { return choices_.begin(); }
    auto end() const { return choices_.end(); }

private:
    std::vector<std::unique_ptr<CAutoMultShape>> choices_;
};
