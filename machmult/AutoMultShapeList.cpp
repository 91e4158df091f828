#include "machmult/AutoMultShapeList.h"

#include <algorithm>

namespace {
bool KeyBefore(const std::unique_ptr<CAutoMultShape>& choice, const std::string& key) { return choice->GetKey() < key; }
} // namespace

std::string CAutoMultShapeList::MakeKey(const std::string& desctp, const std::string& desc, const std::string& grade)
{
    return desctp + desc + grade;
}

CAutoMultShape& CAutoMultShapeList::FindOrInsert(const std::string& desctp, const std::string& desc,
                                                 const std::string& grade, bool* inserted)
{
    const std::string key = MakeKey(desctp, desc, grade);
    auto at = std::lower_bound(choices_.begin(), choices_.end(), key, KeyBefore);
    const bool isNew = at == choices_.end() || (*at)->GetKey() != key;
    if (isNew)
        at = choices_.insert(at, std::make_unique<CAutoMultShape>(key));
    if (inserted)
        *inserted = isNew;
    return **at;
}

CAutoMultShape* CAutoMultShapeList::Find(const std::string& desctp, const std::string& desc,
                                         const std::string& grade) const
{
    const std::string key = MakeKey(desctp, desc, grade);
    const auto at = std::lower_bound(choices_.begin(), choices_.end(), key, KeyBefore);
    return at != choices_.end() && (*at)->GetKey() == key ? at->get() : nullptr;
}
