#pragma once
// Components: the in-process stand-in for the object model the program's automation and
// controls are built on. Interfaces are abstract classes derived from fw::Unknown; a class
// registry creates objects by class id or ProgID; event interfaces are sink lists.

#include "fw/core/FwCoreExport.h"
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace fw {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
inline constexpr HRESULT E_POINTER = HRESULT(0x80004003u);
inline constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFFu);
inline constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = HRESULT(0x80040111u);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// Base of every component object; interfaces are reached with Query<T>().
class FW_CORE_EXPORT Unknown {
public:
    virtual ~Unknown() = default;

    template <class T> T* Query() { return dynamic_cast<T*>(this); }
};

// The error text a component leaves for its caller with a failing status, per thread.
FW_CORE_EXPORT void SetErrorInfo(std::string text);
FW_CORE_EXPORT std::string GetErrorInfo();   // the last text set on this thread, then cleared

// Registry of creatable classes by class id ("{...}" text) and ProgID.
class FW_CORE_EXPORT ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<Unknown>()>;

    static ClassRegistry& Instance();

    // Registers (or replaces) a class. progId may be empty; versionedProgId, when given, is the
    // ProgID of this version of the class ("Library.Class.1"), which creates it as progId does.
    void Register(const std::string& clsid, const std::string& progId, Factory factory,
                  const std::string& versionedProgId = {});
    // Removes a class; returns false when it was not registered.
    bool Unregister(const std::string& clsid);
    bool IsRegistered(const std::string& clsidOrProgId) const;

    // Creates an object by class id or ProgID (ProgIDs compare without case).
    // Returns nullptr when no such class is registered.
    std::unique_ptr<Unknown> Create(const std::string& clsidOrProgId) const;

    template <class T> std::unique_ptr<T> CreateAs(const std::string& clsidOrProgId) const
    {
        std::unique_ptr<Unknown> obj = Create(clsidOrProgId);
        if (T* t = obj ? obj->Query<T>() : nullptr) {
            obj.release();
            return std::unique_ptr<T>(t);
        }
        return nullptr;
    }

private:
    struct Entry {
        std::string clsid;
        std::string progId;
        Factory factory;
        std::string versionedProgId;
    };
    const Entry* Find(const std::string& clsidOrProgId) const;

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};

// A list of event sinks of one event interface, with advise/unadvise by cookie.
template <class Sink> class EventSinks {
public:
    // Adds a sink (not owned); returns its cookie, never 0.
    std::uint32_t Advise(Sink* sink)
    {
        if (!sink)
            return 0;
        sinks_[++lastCookie_] = sink;
        return lastCookie_;
    }
    bool Unadvise(std::uint32_t cookie) { return sinks_.erase(cookie) != 0; }
    std::size_t Count() const { return sinks_.size(); }

    // Calls fn on every sink, in the order they were advised. A sink may unadvise itself.
    template <class Fn> void Fire(Fn&& fn)
    {
        std::vector<Sink*> snapshot;
        for (auto& [cookie, sink] : sinks_)
            snapshot.push_back(sink);
        for (Sink* s : snapshot)
            fn(*s);
    }

private:
    std::map<std::uint32_t, Sink*> sinks_;
    std::uint32_t lastCookie_ = 0;
};

} // namespace fw
