#pragma once
// Command codes of the dispatcher: the low four bits name the object, the high four bits the
// action; only the low byte of a code counts.

namespace nav {

enum class Object : int { none = 0, part = 1, mult = 2, shape = 3, tool = 4, machine = 5 };

enum class Action : int {
    none = 0x00,
    create = 0x10,
    open = 0x20,
    printStandard = 0x30,
    printCustom = 0x40,
    opposites = 0x50,
    shopDisk = 0x60,
    convertLegacy = 0x70,
    openItem = 0x80,
    runPart = 0x90,
    runMult = 0xA0,
    listFiles = 0xB0,
    partReport = 0xC0,
    multReport = 0xD0,
    runMults = 0xE0,
};

constexpr Action ActionOf(int code) { return static_cast<Action>(code & 0xF0); }
constexpr int ObjectBits(int code) { return code & 0x0F; }
constexpr int Code(Action action, Object object) { return static_cast<int>(action) | static_cast<int>(object); }

} // namespace nav
