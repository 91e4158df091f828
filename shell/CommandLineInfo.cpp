#include "shell/CommandLineInfo.h"

#include "fw/core/Text1252.h"

#include <string_view>

CommandLineInfo CommandLineInfo::Parse(const std::vector<std::string>& arguments)
{
    CommandLineInfo info;
    for (const std::string& argument : arguments) {
        if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-'))
            continue;
        const std::string_view flag = std::string_view(argument).substr(1);
        const auto is = [flag](std::string_view name) { return fw::EqualsNoCase1252(flag, name); };
        if (is("Embedding"))
            info.embedding = true;
        else if (is("Automation"))
            info.automation = true;
        else if (is("Unregserver") || is("Unregister"))
            info.unregister = true;
        else if (is("Regserver") || is("Register"))
            info.regserver = true;
    }
    info.showSplash = !info.Windowless();
    return info;
}
