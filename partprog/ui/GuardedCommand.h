#pragma once
// The part programming window's command handlers run through RunGuarded: anything they throw
// reaches the user as "Unexpected error <handler>" with the caption "ERROR" and goes no further.

#include "fw/core/MessageService.h"

#include <string>

template <class Command> void RunGuarded(const char* handler, Command&& command)
{
    try {
        command();
    } catch (...) {
        fw::Messages().MessageBox("Unexpected error " + std::string(handler), "ERROR", fw::MB_OK | fw::MB_ICONERROR);
    }
}
