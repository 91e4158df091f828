#include "shell/VersionBlock.h"

const VersionBlock& ProgramVersionBlock()
{
    static const VersionBlock block{
        {"CompanyName", "Kestrom"},
        {"ProductName", "Varnex"},
        {"ProductVersion", VARNEX_VERSION},
        {"LegalCopyright", "Copyright (C) Kestrom"},
    };
    return block;
}
