#pragma once
// Serializable objects with run-time class information: class name, schema number, base class
// and a factory, so that archives can name an object's class and create it again on load.

#include "fw/core/FwCoreExport.h"
#include <cstdint>
#include <memory>
#include <string>

namespace fw {

class Archive;
class Object;

// A schema number with this bit set marks a class that reads older schemas itself
// (it asks the archive which schema it is loading); only the low 16 bits are stored.
inline constexpr std::uint32_t VERSIONABLE_SCHEMA = 0x80000000u;
inline constexpr std::uint32_t NO_SCHEMA = 0xFFFFu;   // a class that is not serializable

struct FW_CORE_EXPORT RuntimeClass {
    const char* className;
    std::uint32_t schema;                        // may carry VERSIONABLE_SCHEMA
    const RuntimeClass* base;                    // nullptr for Object itself
    std::unique_ptr<Object> (*factory)();        // nullptr for abstract classes

    std::uint16_t StoredSchema() const { return std::uint16_t(schema & 0xFFFFu); }
    bool IsVersionable() const { return (schema & VERSIONABLE_SCHEMA) != 0; }
    bool IsSerializable() const { return factory != nullptr && StoredSchema() != NO_SCHEMA; }
    bool IsDerivedFrom(const RuntimeClass* other) const;
    std::unique_ptr<Object> CreateObject() const;

    // The registered class of that name (exact match), or nullptr.
    static const RuntimeClass* FromName(const std::string& name);
};

// Adds a class to the name registry; used by FW_IMPLEMENT_SERIAL through a static object.
struct FW_CORE_EXPORT RuntimeClassRegistrar {
    explicit RuntimeClassRegistrar(const RuntimeClass* cls);
};

class FW_CORE_EXPORT Object {
public:
    static const RuntimeClass classObject;

    virtual ~Object() = default;
    virtual const RuntimeClass* GetRuntimeClass() const { return &classObject; }
    virtual void Serialize(Archive& ar);

    bool IsKindOf(const RuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }
    template <class T> bool IsKindOf() const { return IsKindOf(&T::classObject); }
};

template <class T> const RuntimeClass* RuntimeClassOf() { return &T::classObject; }

} // namespace fw

// Inside a class: run-time class information without a factory (abstract or not stored).
#define FW_DECLARE_DYNAMIC(cls)                                                                   \
public:                                                                                           \
    static const ::fw::RuntimeClass classObject;                                                  \
    const ::fw::RuntimeClass* GetRuntimeClass() const override { return &classObject; }

// Inside a class: run-time class information with a factory, so archives can create it.
#define FW_DECLARE_SERIAL(cls) FW_DECLARE_DYNAMIC(cls)

// In the class's .cpp file.
#define FW_IMPLEMENT_DYNAMIC(cls, baseCls)                                                        \
    const ::fw::RuntimeClass cls::classObject{#cls, ::fw::NO_SCHEMA, &baseCls::classObject, nullptr};

#define FW_IMPLEMENT_SERIAL(cls, baseCls, schemaNumber)                                           \
    const ::fw::RuntimeClass cls::classObject{                                                    \
        #cls, (schemaNumber), &baseCls::classObject,                                              \
        []() -> std::unique_ptr<::fw::Object> { return std::make_unique<cls>(); }};               \
    static const ::fw::RuntimeClassRegistrar cls##_registrar(&cls::classObject);
