#include "partprog/IPartDoc.h"
#include "shell/bus/AutomationInterfaces.h"

namespace {

using fw::BusArg;
using fw::BusArgs;
using fw::BusMethod;
using fw::BusReply;

using HoleMethod = fw::HRESULT (IPartDoc::*)(VARNEX_HOLE_ARGS);
using HoleExMethod = fw::HRESULT (IPartDoc::*)(VARNEX_HOLE_ARGS, std::int16_t);
using LayoutMethod = fw::HRESULT (IPartDoc::*)(VARNEX_LAYOUT_ARGS);
using StencilMethod = fw::HRESULT (IPartDoc::*)(double, double, const std::string&);

const std::vector<BusArg> kLayoutArgs{{"dXPos", 'd'}, {"dUPos", 'd'}, {"dXinc", 'd'},
                                      {"dUinc", 'd'}, {"nNumX", 'n'}, {"nNumU", 'n'}};

std::vector<BusArg> HoleArgs()
{
    std::vector<BusArg> args = kLayoutArgs;
    args.insert(args.end(), {{"dToolSz1", 'd'}, {"dToolSz2", 'd'}, {"bstrToolShp", 's'}, {"nOrientation", 'n'}});
    return args;
}

std::vector<BusArg> HoleExArgs()
{
    std::vector<BusArg> args = HoleArgs();
    args.push_back({"nToolMeasuringSystem", 'n'});
    return args;
}

BusReply Status(fw::HRESULT status)
{
    return fw::FAILED(status) ? BusReply::Failure(status, fw::GetErrorInfo()) : BusReply{};
}

} // namespace

std::vector<BusMethod> PartDocBusMethods(IPartDoc& part)
{
    std::vector<BusMethod> methods;
    methods.push_back(
        {"SetPartData",
         {{"strJobid", 's'}, {"strGroup", 's'}, {"strMark", 's'}, {"iQuanity", 'n'}, {"dLength", 'd'},
          {"strDesctp", 's'}, {"strDesc", 's'}, {"strGrade", 's'}, {"strFabcode", 's'}, {"bMeasureWebDepth", 'i'},
          {"strRemarka", 's'}, {"strRemarkb", 's'}, {"nMeasureSystem", 'n'}, {"iChannelLeg", 'n'}},
         {},
         [&part](const BusArgs& a) {
             return Status(part.SetPartData(a.Text(0), a.Text(1), a.Text(2), a.Int16(3), a.Double(4), a.Text(5),
                                            a.Text(6), a.Text(7), a.Text(8), a.Int32(9), a.Text(10), a.Text(11),
                                            a.Int16(12), a.Int16(13)));
         }});
    methods.push_back({"RefPlane",
                       {{"StartX", 'd'}, {"StartU", 'd'}, {"Rise", 'd'}, {"Run", 'd'}, {"DirX", 's'}, {"DirU", 's'},
                        {"PatType", 's'}},
                       {},
                       [&part](const BusArgs& a) {
                           return Status(part.RefPlane(a.Double(0), a.Double(1), a.Double(2), a.Double(3), a.Text(4),
                                                       a.Text(5), a.Text(6)));
                       }});

    const std::pair<const char*, HoleMethod> holes[] = {
        {"SetWebHole", &IPartDoc::SetWebHole},           {"SetTFNearHole", &IPartDoc::SetTFNearHole},
        {"SetTFFarHole", &IPartDoc::SetTFFarHole},       {"SetTFNearFarHole", &IPartDoc::SetTFNearFarHole},
        {"SetBFNearHole", &IPartDoc::SetBFNearHole},     {"SetBFFarHole", &IPartDoc::SetBFFarHole},
        {"SetBFNearFarHole", &IPartDoc::SetBFNearFarHole}, {"SetWeb2Hole", &IPartDoc::SetWeb2Hole},
    };
    for (const auto& [name, method] : holes)
        methods.push_back({name, HoleArgs(), {}, [&part, method = method](const BusArgs& a) {
                               return Status((part.*method)(a.Double(0), a.Double(1), a.Double(2), a.Double(3),
                                                            a.Int16(4), a.Int16(5), a.Double(6), a.Double(7),
                                                            a.Text(8), a.Int16(9)));
                           }});

    const std::pair<const char*, HoleExMethod> holesEx[] = {
        {"SetWebHoleEx", &IPartDoc::SetWebHoleEx},           {"SetTFNearHoleEx", &IPartDoc::SetTFNearHoleEx},
        {"SetTFFarHoleEx", &IPartDoc::SetTFFarHoleEx},       {"SetTFNearFarHoleEx", &IPartDoc::SetTFNearFarHoleEx},
        {"SetBFNearHoleEx", &IPartDoc::SetBFNearHoleEx},     {"SetBFFarHoleEx", &IPartDoc::SetBFFarHoleEx},
        {"SetBFNearFarHoleEx", &IPartDoc::SetBFNearFarHoleEx}, {"SetWeb2HoleEx", &IPartDoc::SetWeb2HoleEx},
    };
    for (const auto& [name, method] : holesEx)
        methods.push_back({name, HoleExArgs(), {}, [&part, method = method](const BusArgs& a) {
                               return Status((part.*method)(a.Double(0), a.Double(1), a.Double(2), a.Double(3),
                                                            a.Int16(4), a.Int16(5), a.Double(6), a.Double(7),
                                                            a.Text(8), a.Int16(9), a.Int16(10)));
                           }});

    const std::pair<const char*, LayoutMethod> layouts[] = {
        {"SetWebLayout", &IPartDoc::SetWebLayout},
        {"SetTFNearLayout", &IPartDoc::SetTFNearLayout},
        {"SetTFFarLayout", &IPartDoc::SetTFFarLayout},
        {"SetTFNearFarLayout", &IPartDoc::SetTFNearFarLayout},
        {"SetBFNearLayout", &IPartDoc::SetBFNearLayout},
        {"SetBFFarLayout", &IPartDoc::SetBFFarLayout},
        {"SetBFNearFarLayout", &IPartDoc::SetBFNearFarLayout},
        {"SetWebHiddenLayout", &IPartDoc::SetWebHiddenLayout},
        {"SetTFNearHiddenLayout", &IPartDoc::SetTFNearHiddenLayout},
        {"SetTFFarHiddenLayout", &IPartDoc::SetTFFarHiddenLayout},
        {"SetTFNearFarHiddenLayout", &IPartDoc::SetTFNearFarHiddenLayout},
        {"SetBFNearHiddenLayout", &IPartDoc::SetBFNearHiddenLayout},
        {"SetBFFarHiddenLayout", &IPartDoc::SetBFFarHiddenLayout},
        {"SetBFNearFarHiddenLayout", &IPartDoc::SetBFNearFarHiddenLayout},
    };
    for (const auto& [name, method] : layouts)
        methods.push_back({name, kLayoutArgs, {}, [&part, method = method](const BusArgs& a) {
                               return Status((part.*method)(a.Double(0), a.Double(1), a.Double(2), a.Double(3),
                                                            a.Int16(4), a.Int16(5)));
                           }});

    const std::pair<const char*, StencilMethod> stencils[] = {
        {"SetWebStencil", &IPartDoc::SetWebStencil},
        {"SetTFStencil", &IPartDoc::SetTFStencil},
        {"SetBFStencil", &IPartDoc::SetBFStencil},
    };
    for (const auto& [name, method] : stencils)
        methods.push_back({name,
                           {{"dXPos", 'd'}, {"dUPos", 'd'}, {"pszStencil", 's'}},
                           {},
                           [&part, method = method](const BusArgs& a) {
                               return Status((part.*method)(a.Double(0), a.Double(1), a.Text(2)));
                           }});

    methods.push_back({"SavePart", {}, {}, [&part](const BusArgs&) { return Status(part.SavePart()); }});
    methods.push_back({"GetSpecification",
                       {{"vtFileName", 's'}},
                       {{"vtDescription", 's'}, {"vtSection", 's'}},
                       [&part](const BusArgs& a) {
                           std::string description, section;
                           const fw::HRESULT status = part.GetSpecification(a.Text(0), description, section);
                           if (fw::FAILED(status))
                               return Status(status);
                           return BusReply::Values({BusReply::Text(description), BusReply::Text(section)});
                       }});
    return methods;
}
