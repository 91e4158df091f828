#include "machmult/MultClasses.h"

#include "machmult/MultShape.h"
#include "machmult/PartList.h"

#include <initializer_list>

void RegisterMultClasses()
{
    // Taking each class's address links its object file, whose static registrar runs first.
    static const std::initializer_list<const fw::RuntimeClass*> classes = {
        &CMultPart::classObject,         &CMultShape::classObject,         &CBeamMultShape::classObject,
        &CChannelMultShape::classObject, &CAngleMultShape::classObject,    &CFlatMultShape::classObject,
        &CPlateMultShape::classObject,   &CTMultShape::classObject,        &CTubeMultShape::classObject,
        &CPartList::classObject,         &CMultPartList::classObject,      &CPotentialPartList::classObject,
        &CAutoMultPartList::classObject,
    };
    (void)classes;
}
