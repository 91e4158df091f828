#include "model/ToolRecord.h"

namespace {

// Appends a size text to a tool name: from its first digit on, blanks dropped, the inch mark
// as '-' and the slash as '_' (neither at the start of the name, nor an inch mark right after
// a foot mark, nor a slash right after an inch mark); the foot mark itself is dropped.
void AppendSizeText(std::string& name, const std::string& text)
{
    const std::size_t first = text.find_first_of("0123456789");
    if (first == std::string::npos) {
        name += text;
        return;
    }
    char previous = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case ' ':
            continue;
        case '"':
            if (!name.empty() && previous != '\'')
                name += '-';
            break;
        case '\'':
            break;
        case '/':
            if (!name.empty() && previous != '"')
                name += '_';
            break;
        default:
            name += c;
            break;
        }
        previous = c;
    }
}

} // namespace

std::string ToolRecord::GetShortName() const
{
    std::string name;
    if (sizeA != 0.0)
        AppendSizeText(name, sizeA.FormatAs(measuringSystem));
    if (sizeB != 0.0) {
        if (sizeA != 0.0)
            name += 'X';
        AppendSizeText(name, sizeB.FormatAs(measuringSystem));
    }
    name += ToUpperAscii(type);
    if (orientation != 0)
        name += std::to_string(orientation);
    return name;
}

std::string ToUpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}
