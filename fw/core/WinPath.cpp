#include "fw/core/WinPath.h"

#include "fw/core/Text1252.h"

namespace fw::WinPath {

namespace {

std::size_t LastSeparator(std::string_view path)
{
    return path.rfind('\\');
}

bool SameChar(char a, char b)
{
    return ToUpper1252(a) == ToUpper1252(b);
}

// Iterative match that backtracks only to the last '*': O(pattern x name) at worst.
bool MatchWildcards(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameChar(pattern[p], name[n]))) {
            ++p, ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

char Drive(std::string_view path)
{
    if (path.size() < 2 || path[1] != ':')
        return '\0';
    const char letter = ToUpper1252(path[0]);
    return letter >= 'A' && letter <= 'Z' ? letter : '\0';
}

std::string_view Folder(std::string_view path)
{
    const std::size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? std::string_view() : path.substr(0, sep);
}

std::string_view FileName(std::string_view path)
{
    const std::size_t sep = LastSeparator(path);
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

std::string_view Title(std::string_view path)
{
    const std::string_view name = FileName(path);
    return name.substr(0, name.size() - Extension(name).size());
}

std::string_view Extension(std::string_view path)
{
    const std::string_view name = FileName(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string Join(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (!out.empty() && out.back() != '\\')
        out += '\\';
    out += name;
    return out;
}

bool Match(std::string_view pattern, std::string_view name)
{
    if (MatchWildcards(pattern, name))
        return true;
    const bool anyExtension = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
    return anyExtension && name.find('.') == std::string_view::npos &&
           MatchWildcards(pattern.substr(0, pattern.size() - 2), name);
}

std::string BadNameCharacters(std::string_view name)
{
    std::string bad;
    for (const char c : name)
        if ((static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) &&
            bad.find(c) == std::string::npos)
            bad += c;
    return bad;
}

bool IsFileName(std::string_view name)
{
    return !name.empty() && BadNameCharacters(name).empty() && name.find_first_not_of('.') != std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

} // namespace fw::WinPath
