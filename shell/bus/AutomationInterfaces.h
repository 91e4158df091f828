#pragma once
// The bus interfaces of the automation classes: one method for each method of the in-process
// interface, the same names and arguments in the same order.

#include "fw/qt/BusObject.h"

class IMultDoc;
class IPartDoc;
class IShapeDoc;

std::vector<fw::BusMethod> PartDocBusMethods(IPartDoc& part);
std::vector<fw::BusMethod> MultDocBusMethods(IMultDoc& mult);
std::vector<fw::BusMethod> ShapeDocBusMethods(IShapeDoc& shape);
