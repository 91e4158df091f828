#include "partprog/FaceTool.h"

#include "fw/core/AppProfile.h"
#include "fw/core/WinPath.h"
#include "model/ToolDoc.h"

namespace facetool {

std::unique_ptr<CPartTool> FromFile(const std::string& name, bool report)
{
    if (name.empty())
        return nullptr;
    CToolDoc doc;
    if (report ? doc.LoadTool(name) == 0 : !doc.TryLoadTool(name))
        return nullptr;
    ToolRecord record;
    doc.GetToolRecord(record);
    std::unique_ptr<CPartTool> tool = CPartTool::CreateOfKind(CPartTool::KindFromType(record.type));
    tool->SetFromToolDoc(doc);
    // The name it was found by is the name it is stored under again.
    tool->SetShortName(name);
    return tool;
}

std::string FirstTitle(const std::string& paths)
{
    return std::string(fw::WinPath::Title(paths.substr(0, paths.find('|'))));
}

std::unique_ptr<CPartTool> Default()
{
    auto tool = CPartTool::CreateOfKind(CPartTool::kindRD);
    tool->SetToolRecord(CPartTool(0.8125, 0.0, "RD", 0).GetToolRecord());
    tool->BuildShortName();
    return tool;
}

std::unique_ptr<CPartTool> Initial(const std::string& key, const std::function<std::unique_ptr<CPartTool>()>& choose)
{
    if (auto tool = FromFile(fw::AppProfile().GetProfileString(kSection, key, kDefaultName)))
        return tool;
    if (choose)
        if (auto tool = choose())
            return tool;
    return Default();
}

void Store(const std::string& key, const CPartTool& tool)
{
    fw::AppProfile().WriteProfileString(kSection, key, tool.GetShortName());
}

} // namespace facetool
