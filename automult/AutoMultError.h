#pragma once
// Failures inside the engine's methods and the handler that turns them into a status and an
// error text naming the method, such as "unexpected error in CAutoMultOpnB::AddPartToList".

#include "fw/core/Component.h"

#include <new>
#include <stdexcept>
#include <string>

// A failure with its own status; its text is followed directly by the class and method name.
class CAMError : public std::runtime_error {
public:
    CAMError(fw::HRESULT hr, const std::string& description) : std::runtime_error(description), hr_(hr) {}
    fw::HRESULT Result() const { return hr_; }

    static CAMError InvalidArgument() { return CAMError(fw::E_INVALIDARG, "invalid argument in "); }
    static CAMError NullPointer() { return CAMError(fw::E_POINTER, "null pointer in "); }

private:
    fw::HRESULT hr_;
};

// Runs body (returning an HRESULT); every failure becomes a status with its error text.
template <class Body> fw::HRESULT AMGuarded(const char* where, Body&& body)
{
    try {
        return body();
    } catch (const CAMError& e) {
        fw::SetErrorInfo(e.what() + std::string(where));
        return e.Result();
    } catch (const std::bad_alloc&) {
        fw::SetErrorInfo("out of memory in " + std::string(where));
        return fw::E_OUTOFMEMORY;
    } catch (...) {
        fw::SetErrorInfo("unexpected error in " + std::string(where));
        return fw::E_UNEXPECTED;
    }
}
