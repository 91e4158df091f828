#include "fw/core/StringTable.h"

#include "fw/core/Text1252.h"

#include <charconv>
#include <memory>
#include <mutex>

namespace fw {

namespace {

class LineParser {
public:
    LineParser(std::string_view sourceName, std::size_t lineNumber) : source_(sourceName), line_(lineNumber) {}

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw StringTableError(std::string(source_) + " line " + std::to_string(line_) + ": " + what);
    }

    // Cuts the field before the next tab off the front of rest.
    std::string_view Field(std::string_view& rest, const char* name) const
    {
        const std::size_t tab = rest.find('\t');
        if (tab == std::string_view::npos)
            Fail(std::string("missing tab after the ") + name);
        std::string_view field = rest.substr(0, tab);
        rest.remove_prefix(tab + 1);
        return field;
    }

    unsigned Id(std::string_view text) const
    {
        unsigned id = 0;
        auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
        if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || id > 0xFFFF)
            Fail("the id must be a number from 0 to 65535");
        return id;
    }

    std::string Name(std::string_view text) const
    {
        const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
        bool ok = !text.empty() && letter(text[0]);
        for (char c : text)
            ok = ok && (letter(c) || (c >= '0' && c <= '9'));
        if (!ok)
            Fail("the name must be a C identifier");
        return std::string(text);
    }

    std::string Text(std::string_view text) const
    {
        std::string utf8;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\\') {
                utf8 += text[i];
                continue;
            }
            const char next = ++i < text.size() ? text[i] : '\0';
            switch (next) {
            case 'n': utf8 += '\n'; break;
            case 't': utf8 += '\t'; break;
            case '\\': utf8 += '\\'; break;
            case '"': utf8 += '"'; break;
            default: Fail("unknown escape (use \\n \\t \\\\ \\\")");
            }
        }
        bool replaced = false;
        std::string cp1252 = Utf8ToCp1252(utf8, &replaced);
        if (replaced)
            Fail("the text is not UTF-8 that Windows-1252 can hold");
        return cp1252;
    }

private:
    std::string_view source_;
    std::size_t line_;
};

struct Registered {
    std::string content;
    std::unique_ptr<StringTable> table;
};

struct Registry {
    std::mutex mutex;
    std::map<std::string, Registered, std::less<>> tables;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

std::string FormatString(std::string_view format, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        const std::size_t index = std::size_t(next - '1');
        if (format[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args.begin()[index];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

StringTable StringTable::Parse(std::string_view content, std::string_view sourceName)
{
    StringTable table;
    std::size_t lineNumber = 0;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line[0] == '#')
            continue;

        const LineParser parser(sourceName, lineNumber);
        const unsigned id = parser.Id(parser.Field(line, "id"));
        std::string name = parser.Name(parser.Field(line, "name"));
        std::string text = parser.Text(line);
        if (table.texts_.count(id))
            parser.Fail("id " + std::to_string(id) + " appears twice");
        if (table.ids_.count(name))
            parser.Fail("name " + name + " appears twice");
        table.texts_.emplace(id, std::move(text));
        table.ids_.emplace(std::move(name), id);
    }
    return table;
}

std::string StringTable::Get(unsigned id) const
{
    const std::string* text = Find(id);
    return text ? *text : std::string();
}

const std::string* StringTable::Find(unsigned id) const
{
    auto it = texts_.find(id);
    return it == texts_.end() ? nullptr : &it->second;
}

const std::string* StringTable::Find(std::string_view name) const
{
    auto it = ids_.find(name);
    return it == ids_.end() ? nullptr : &texts_.at(it->second);
}

std::string StringTable::Format(unsigned id, std::initializer_list<std::string_view> args) const
{
    return FormatString(Get(id), args);
}

void StringTables::Register(std::string_view deliverable, std::string_view content)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (registry.tables.find(deliverable) == registry.tables.end())
        registry.tables.emplace(std::string(deliverable), Registered{std::string(content), nullptr});
}

const StringTable& StringTables::Get(std::string_view deliverable)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.tables.find(deliverable);
    if (it == registry.tables.end())
        throw StringTableError("no string table for " + std::string(deliverable));
    Registered& entry = it->second;
    if (!entry.table)
        entry.table = std::make_unique<StringTable>(
            StringTable::Parse(entry.content, std::string(deliverable) + " strings.txt"));
    return *entry.table;
}

} // namespace fw
