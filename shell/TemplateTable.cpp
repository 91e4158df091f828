#include "shell/TemplateTable.h"

#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"
#include "shell/VarnexStrings.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<TemplateInfo, 11> kTemplates{{
    {TemplateId::part, ids::IDR_PARTTYPE, "CPartDoc", "CChildFrame", "CPartView", true},
    {TemplateId::partProgramming, ids::IDR_PATTERNTYPE, "CPartDoc", "CSplitterFrame", "CPatternView", false},
    {TemplateId::faceView, ids::IDR_PATTERNTYPE, "CPartDoc", "CChildFrame", "CFaceView", false},
    {TemplateId::tabView, ids::IDR_PATTERNTYPE, "CPartDoc", "CChildFrame", "CTabView", false},
    {TemplateId::mult, ids::IDR_MULTTYPE, "CMultDoc", "CChildFrame", "CMultView", true},
    {TemplateId::handMult, ids::IDR_HMULTTYPE, "CMultDoc", "CHmultSplitterFrame", "CHandMultView", false},
    {TemplateId::multPartList, ids::IDR_HMULTTYPE, "CMultDoc", "CChildFrame", "CPartListView", false},
    {TemplateId::shape, ids::IDR_SHAPETYPE, "CShapeDoc", "CChildFrame", "CShapeView", true},
    {TemplateId::tool, ids::IDR_TOOLTYPE, "CToolDoc", "CChildFrame", "CToolView", false},
    {TemplateId::machine, ids::IDR_MACHINETYPE, "CMachineDoc", "CChildFrame", "CMachineView", false},
    {TemplateId::report, ids::IDR_PATTERNTYPE, "CReportDoc", "CReportFrame", "CReportView", false},
}};

} // namespace

std::span<const TemplateInfo> VarnexTemplates()
{
    return kTemplates;
}

const TemplateInfo& TemplateOf(TemplateId id)
{
    return *std::find_if(kTemplates.begin(), kTemplates.end(), [id](const TemplateInfo& t) { return t.id == id; });
}

std::string TemplateDocString(const TemplateInfo& info)
{
    return LoadVarnexString(info.stringId);
}

std::string DocStringPart(std::string_view docString, DocStringField field)
{
    for (int index = static_cast<int>(field); index > 0; --index) {
        const std::size_t newline = docString.find('\n');
        if (newline == std::string_view::npos)
            return {};
        docString.remove_prefix(newline + 1);
    }
    return std::string(docString.substr(0, docString.find('\n')));
}

const TemplateInfo* FindTemplateForPath(std::string_view path)
{
    const std::string_view extension = fw::WinPath::Extension(path);
    if (extension.empty())
        return nullptr;
    for (const TemplateInfo& info : kTemplates)
        if (fw::EqualsNoCase1252(DocStringPart(TemplateDocString(info), DocStringField::filterExt), extension))
            return &info;
    return nullptr;
}
