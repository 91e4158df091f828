#include "model/ModelClasses.h"

#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "model/Surface.h"
#include "model/ToolDoc.h"
#include "model/ToolList.h"

#include <initializer_list>

void RegisterModelClasses()
{
    // Taking each class's address links its object file, whose static registrar runs first.
    static const std::initializer_list<const fw::RuntimeClass*> classes = {
        &CDimension::classObject,     &CZone::classObject,          &CPartTool::classObject,
        &CPartToolRD::classObject,    &CPartToolSQ::classObject,    &CPartToolER::classObject,
        &CPartToolCR::classObject,    &CPartToolHX::classObject,    &CPartToolHC::classObject,
        &CPartToolVC::classObject,    &CZoneTool::classObject,      &CToolList::classObject,
        &CRefPlane::classObject,      &CPattern::classObject,       &CPatternList::classObject,
        &CStencilPattern::classObject, &CStencilPatternList::classObject, &CSurface::classObject,
        &CWebSurface::classObject,    &CTfSurface::classObject,     &CBfSurface::classObject,
        &CWeb2Surface::classObject,   &CToolDoc::classObject,
    };
    (void)classes;
}
