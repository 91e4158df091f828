#include "fw/core/Component.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace fw {

namespace {
thread_local std::string t_errorInfo;

bool EqualNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

void SetErrorInfo(std::string text) { t_errorInfo = std::move(text); }

std::string GetErrorInfo() { return std::exchange(t_errorInfo, {}); }

ClassRegistry& ClassRegistry::Instance()
{
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::Register(const std::string& clsid, const std::string& progId, Factory factory,
                             const std::string& versionedProgId)
{
    std::lock_guard lock(mutex_);
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return EqualNoCase(e.clsid, clsid); });
    Entry entry{clsid, progId, std::move(factory), versionedProgId};
    if (it != entries_.end())
        *it = std::move(entry);
    else
        entries_.push_back(std::move(entry));
}

bool ClassRegistry::Unregister(const std::string& clsid)
{
    std::lock_guard lock(mutex_);
    auto n = std::erase_if(entries_, [&](const Entry& e) { return EqualNoCase(e.clsid, clsid); });
    return n != 0;
}

const ClassRegistry::Entry* ClassRegistry::Find(const std::string& key) const
{
    for (const Entry& e : entries_)
        if (EqualNoCase(e.clsid, key) || (!e.progId.empty() && EqualNoCase(e.progId, key)) ||
            (!e.versionedProgId.empty() && EqualNoCase(e.versionedProgId, key)))
            return &e;
    return nullptr;
}

bool ClassRegistry::IsRegistered(const std::string& key) const
{
    std::lock_guard lock(mutex_);
    return Find(key) != nullptr;
}

std::unique_ptr<Unknown> ClassRegistry::Create(const std::string& key) const
{
    Factory factory;
    {
        std::lock_guard lock(mutex_);
        const Entry* e = Find(key);
        if (!e)
            return nullptr;
        factory = e->factory;
    }
    return factory();
}

} // namespace fw
