#include "fw/core/Object.h"

#include <map>
#include <mutex>

namespace fw {

namespace {
struct Registry {
    std::mutex mutex;
    std::map<std::string, const RuntimeClass*> byName;
};
Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}
} // namespace

const RuntimeClass Object::classObject{"CObject", NO_SCHEMA, nullptr, nullptr};

void Object::Serialize(Archive&) {}

bool RuntimeClass::IsDerivedFrom(const RuntimeClass* other) const
{
    for (const RuntimeClass* c = this; c; c = c->base)
        if (c == other)
            return true;
    return false;
}

std::unique_ptr<Object> RuntimeClass::CreateObject() const
{
    return factory ? factory() : nullptr;
}

const RuntimeClass* RuntimeClass::FromName(const std::string& name)
{
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    auto it = r.byName.find(name);
    return it == r.byName.end() ? nullptr : it->second;
}

RuntimeClassRegistrar::RuntimeClassRegistrar(const RuntimeClass* cls)
{
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    r.byName[cls->className] = cls;
}

} // namespace fw
