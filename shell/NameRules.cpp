#include "shell/NameRules.h"

#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxShopDiskName = 8;
constexpr std::size_t kMarkRoomForSuffix = 8;

bool IsShopDiskCharacter(char c)
{
    if ((c >= '@' && c <= 'Z') || (c >= '`' && c <= '{') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("_^$~!#%&-}()'").find(c) != std::string_view::npos;
}

} // namespace

std::string FileNameError(std::string_view name)
{
    if (name.empty())
        return "A name is needed";
    if (!fw::WinPath::IsFileName(name))
        return "A name may not hold \\ / : * ? \" < > | or \"..\"";
    return {};
}

std::string NewItemNameError(std::string_view name)
{
    if (name.empty() || name.size() > kMaxItemName)
        return "String must be 1 to 10 characters";
    return FileNameError(name);
}

bool HasHandSuffix(std::string_view mark)
{
    if (mark.size() < 2)
        return false;
    const std::string suffix = fw::Upper1252(mark.substr(mark.size() - 2));
    return suffix == "-L" || suffix == "-R";
}

std::string ApplyHand(std::string_view mark, Hand hand)
{
    if (hand == Hand::none)
        return std::string(mark);
    const char letter = hand == Hand::left ? 'L' : 'R';
    std::string result(mark);
    if (HasHandSuffix(mark)) {
        result.back() = letter;
        return result;
    }
    if (result.size() > kMarkRoomForSuffix)
        result.resize(kMarkRoomForSuffix);
    return result + '-' + letter;
}

bool IsValidShopDiskFileName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxShopDiskName || name.front() == ' ')
        return false;
    return std::all_of(name.begin(), name.end(), IsShopDiskCharacter);
}
