#pragma once
// String tables kept as data. Each deliverable has resources/<deliverable>/strings.txt with one
// entry per line, "ID<TAB>NAME<TAB>text": ID a decimal number 0..65535, NAME a C identifier, text
// in UTF-8 with the escapes \n \t \\ \" (the rest of the line after the second tab, raw tabs
// included). Lines starting with '#' and empty lines are ignored; CR LF line ends are accepted.
// Texts are held as Windows-1252, like every text of the program.
//
// The CMake function varnex_string_table(<target> <file>) embeds a strings.txt into a target and
// registers it under the name of the file's folder; fw::StringTables::Get("<name>") finds it.

#include "fw/core/FwCoreExport.h"
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

// A malformed table or an unknown deliverable; the text names the source and line.
class FW_CORE_EXPORT StringTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The format with %1..%9 replaced by the matching argument. "%" followed by anything else, and a
// number with no argument, stay as written; inserted arguments are not scanned again.
FW_CORE_EXPORT std::string FormatString(std::string_view format, std::initializer_list<std::string_view> args);

class FW_CORE_EXPORT StringTable {
public:
    // Parses the content of a strings.txt; sourceName appears in error texts.
    static StringTable Parse(std::string_view content, std::string_view sourceName);

    // The text of an id; empty when the table has none.
    std::string Get(unsigned id) const;
    // The text of an entry by NAME or by id, or nullptr.
    const std::string* Find(std::string_view name) const;
    const std::string* Find(unsigned id) const;
    // FormatString on the text of an id.
    std::string Format(unsigned id, std::initializer_list<std::string_view> args) const;
    std::size_t Size() const { return texts_.size(); }

private:
    std::map<unsigned, std::string> texts_;
    std::map<std::string, unsigned, std::less<>> ids_;
};

// The process-wide registry of string tables by deliverable name.
class FW_CORE_EXPORT StringTables {
public:
    // Makes a table's file content known; it is parsed on first use. The first registration of
    // a name wins, later ones are ignored, so references from Get stay valid.
    static void Register(std::string_view deliverable, std::string_view content);
    // The parsed table; throws StringTableError when the name is unknown or the content malformed.
    static const StringTable& Get(std::string_view deliverable);

    // Registers at static initialisation; used by the code varnex_string_table generates.
    struct Registration {
        Registration(std::string_view deliverable, std::string_view content) { Register(deliverable, content); }
    };
};

} // namespace fw
