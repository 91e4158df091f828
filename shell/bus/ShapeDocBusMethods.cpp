#include "model/IShapeDoc.h"
#include "shell/bus/AutomationInterfaces.h"

using fw::BusArgs;
using fw::BusMethod;
using fw::BusReply;

namespace {

// A 16-bit result; a refusal whose cause the shape told becomes an error naming it.
BusReply Result(std::int16_t status)
{
    if (status != 0)
        if (std::string cause = fw::GetErrorInfo(); !cause.empty())
            return BusReply::Failure(fw::E_INVALIDARG, std::move(cause));
    return BusReply::Values({QVariant::fromValue<short>(status)});
}

} // namespace

std::vector<BusMethod> ShapeDocBusMethods(IShapeDoc& shape)
{
    std::vector<BusMethod> methods;
    methods.push_back({"UpdateShapeMembers",
                       {{"strDesctp", 's'}, {"strDesc", 's'}, {"dimtD", 'd'}, {"dimtTW", 'd'}, {"dimtBF", 'd'},
                        {"dimtTF", 'd'}, {"dimtSFG", 'd'}, {"dWeight", 'd'}, {"strFormal", 's'}, {"nType", 'n'},
                        {"iMeasuringSystem", 'n'}},
                       {{"result", 'n'}},
                       [&shape](const BusArgs& a) {
                           return Result(shape.UpdateShapeMembers(a.Text(0), a.Text(1), a.Double(2), a.Double(3),
                                                                  a.Double(4), a.Double(5), a.Double(6), a.Double(7),
                                                                  a.Text(8), a.Int16(9), a.Int16(10)));
                       }});
    methods.push_back(
        {"SaveShape", {}, {{"result", 'n'}}, [&shape](const BusArgs&) { return Result(shape.SaveShape()); }});
    methods.push_back({"GetData",
                       {{"szDesctp", 's'}, {"szDesc", 's'}},
                       {{"result", 'i'}, {"dDepth", 'd'}, {"dWebThickness", 'd'}, {"dBreathOfFlange", 'd'},
                        {"dFlangeThickness", 'd'}, {"dStandardFlangeGage", 'd'}, {"dWeightPerFoot", 'd'},
                        {"szFormal", 's'}},
                       [&shape](const BusArgs& a) {
                           double depth = 0, web = 0, flange = 0, flangeThickness = 0, gage = 0, weight = 0;
                           std::string formal;
                           const std::int32_t status = shape.GetData(a.Text(0), a.Text(1), depth, web, flange,
                                                                     flangeThickness, gage, weight, formal);
                           return BusReply::Values({status, depth, web, flange, flangeThickness, gage, weight,
                                                    BusReply::Text(formal)});
                       }});
    return methods;
}
