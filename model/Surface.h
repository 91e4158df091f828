#pragma once
// One face of a profile as a mult sees it: its face code (16 web, 32 top flange, 48 bottom
// flange, 64 second web) and a name text.

#include "fw/core/Object.h"

#include <cstdint>
#include <string>

class CSurface : public fw::Object {
    FW_DECLARE_SERIAL(CSurface)
public:
    CSurface() = default;

    std::uint32_t GetFaceCode() const { return faceCode_; }
    const std::string& GetText() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }

protected:
    explicit CSurface(std::uint32_t faceCode) : faceCode_(faceCode) {}

private:
    std::uint32_t faceCode_ = 0;
    std::string text_;
};

class CWebSurface : public CSurface {
    FW_DECLARE_SERIAL(CWebSurface)
public:
    CWebSurface() : CSurface(16) {}
};

class CTfSurface : public CSurface {
    FW_DECLARE_SERIAL(CTfSurface)
public:
    CTfSurface() : CSurface(32) {}
};

class CBfSurface : public CSurface {
    FW_DECLARE_SERIAL(CBfSurface)
public:
    CBfSurface() : CSurface(48) {}
};

class CWeb2Surface : public CSurface {
    FW_DECLARE_SERIAL(CWeb2Surface)
public:
    CWeb2Surface() : CSurface(64) {}
};
