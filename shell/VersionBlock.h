#pragma once
// The program's version block: the values the About box shows, by key.

#include <map>
#include <string>

using VersionBlock = std::map<std::string, std::string>;

// CompanyName, ProductName, ProductVersion and LegalCopyright of this program.
const VersionBlock& ProgramVersionBlock();
