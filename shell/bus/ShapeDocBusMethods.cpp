#include "model/IShapeDoc.h"
#include "shell/bus/AutomationInterfaces.h"

using fw::BusArgs;
using fw::BusMethod;
using fw::BusReply;

std::vector<BusMethod> ShapeDocBusMethods(IShapeDoc& shape)
{
    std::vector<BusMethod> methods;
    methods.push_back({"UpdateShapeMembers",
                       {{"strDesctp", 's'}, {"strDesc", 's'}, {"dimtD", 'd'}, {"dimtTW", 'd'}, {"dimtBF", 'd'},
                        {"dimtTF", 'd'}, {"dimtSFG", 'd'}, {"dWeight", 'd'}, {"strFormal", 's'}, {"nType", 'n'},
                        {"iMeasuringSystem", 'n'}},
                       {{"result", 'n'}},
                       [&shape](const BusArgs& a) {
                           const std::int16_t status = shape.UpdateShapeMembers(
                               a.Text(0), a.Text(1), a.Double(2), a.Double(3), a.Double(4), a.Double(5),
                               a.Double(6), a.Double(7), a.Text(8), a.Int16(9), a.Int16(10));
                           return BusReply::Values({QVariant::fromValue<short>(status)});
                       }});
    methods.push_back({"SaveShape", {}, {{"result", 'n'}}, [&shape](const BusArgs&) {
                           return BusReply::Values({QVariant::fromValue<short>(shape.SaveShape())});
                       }});
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
