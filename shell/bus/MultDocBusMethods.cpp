#include "machmult/IMultDoc.h"
#include "shell/bus/AutomationInterfaces.h"

namespace {

using fw::BusArgs;
using fw::BusMethod;
using fw::BusReply;

// A status, then the texts out; a method that did not read anything gives them empty.
BusReply StatusAndTexts(std::int32_t status, const std::string& first, const std::string& second)
{
    return BusReply::Values({status, BusReply::Text(first), BusReply::Text(second)});
}

} // namespace

std::vector<BusMethod> MultDocBusMethods(IMultDoc& mult)
{
    const std::vector<fw::BusArg> partKey{{"bstrJobID", 's'}, {"bstrGroup", 's'}, {"bstrMark", 's'}};
    std::vector<BusMethod> methods;
    methods.push_back(
        {"MultConvert",
         {{"bstrJob", 's'}, {"bstrGroup", 's'}, {"bstrMark", 's'}, {"nSequence", 'n'}, {"nQuantity", 'n'},
          {"dLength", 'd'}, {"dKerf", 'd'}, {"bstrShape", 's'}, {"bstrDesc", 's'}, {"bstrGrade", 's'},
          {"bstrMachine", 's'}, {"bstrRemA", 's'}, {"bstrRemB", 's'}, {"nMeasuringSystem", 'n'}},
         {{"result", 'i'}},
         [&mult](const BusArgs& a) {
             return BusReply::Values({mult.MultConvert(a.Text(0), a.Text(1), a.Text(2), a.Int16(3), a.Int16(4),
                                                       a.Double(5), a.Double(6), a.Text(7), a.Text(8), a.Text(9),
                                                       a.Text(10), a.Text(11), a.Text(12), a.Int16(13))});
         }});
    methods.push_back({"GetDescription",
                       {{"pbstrFileName", 's'}},
                       {{"result", 'i'}, {"pbstrShape", 's'}, {"pbstrDesc", 's'}},
                       [&mult](const BusArgs& a) {
                           std::string file = a.Text(0), shape, desc;
                           const std::int32_t status = mult.GetDescription(file, shape, desc);
                           return StatusAndTexts(status, shape, desc);
                       }});
    methods.push_back({"SaveMult", {}, {{"result", 'i'}},
                       [&mult](const BusArgs&) { return BusReply::Values({mult.SaveMult()}); }});
    std::vector<fw::BusArg> addPart = partKey;
    addPart.push_back({"nQuantity", 'u'});
    methods.push_back({"AddPart", addPart, {{"result", 'i'}}, [&mult](const BusArgs& a) {
                           return BusReply::Values({mult.AddPart(a.Text(0), a.Text(1), a.Text(2), a.UInt32(3))});
                       }});
    methods.push_back({"GetShapeDescriptionFromMultPart",
                       partKey,
                       {{"result", 'i'}, {"pbstrShape", 's'}, {"pbstrDesc", 's'}},
                       [&mult](const BusArgs& a) {
                           std::string shape, desc;
                           const std::int32_t status =
                               mult.GetShapeDescriptionFromMultPart(a.Text(0), a.Text(1), a.Text(2), shape, desc);
                           return StatusAndTexts(status, shape, desc);
                       }});
    methods.push_back({"CheckMachine", {{"strMachineName", 's'}}, {{"result", 'i'}},
                       [&mult](const BusArgs& a) { return BusReply::Values({mult.CheckMachine(a.Text(0))}); }});
    methods.push_back({"CheckPart", partKey, {{"result", 'i'}}, [&mult](const BusArgs& a) {
                           return BusReply::Values({mult.CheckPart(a.Text(0), a.Text(1), a.Text(2))});
                       }});
    return methods;
}
