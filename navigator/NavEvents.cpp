#include "navigator/NavEvents.h"

namespace nav {

EventShape ShapeOf(EventId id)
{
    switch (id) {
    case EventId::ReadPartDosDisk:
    case EventId::ReadMultDosDisk: return EventShape::none;
    case EventId::CreatePartDosDisk:
    case EventId::CreateMultDosDisk: return EventShape::pathAndType;
    case EventId::RenamePart: return EventShape::twoTexts;
    default: return static_cast<int>(id) >= 30 && id != EventId::RunMultMultiple ? EventShape::twoTexts : EventShape::path;
    }
}

std::string_view NameOf(EventId id)
{
    switch (id) {
#define VARNEX_EVENT_NAME(name) case EventId::name: return #name;
        VARNEX_EVENT_NAME(CreatePart) VARNEX_EVENT_NAME(OpenPart) VARNEX_EVENT_NAME(PrintStandardPart)
        VARNEX_EVENT_NAME(PrintFullPart) VARNEX_EVENT_NAME(OppositePart) VARNEX_EVENT_NAME(CreatePartDosDisk)
        VARNEX_EVENT_NAME(ReadPartDosDisk) VARNEX_EVENT_NAME(CreateMult) VARNEX_EVENT_NAME(OpenMult)
        VARNEX_EVENT_NAME(PrintStandardMult) VARNEX_EVENT_NAME(PrintFullMult) VARNEX_EVENT_NAME(CreateMultDosDisk)
        VARNEX_EVENT_NAME(ReadMultDosDisk) VARNEX_EVENT_NAME(CreateShape) VARNEX_EVENT_NAME(OpenShape)
        VARNEX_EVENT_NAME(PrintShape) VARNEX_EVENT_NAME(CreateTool) VARNEX_EVENT_NAME(OpenTool)
        VARNEX_EVENT_NAME(PrintTool) VARNEX_EVENT_NAME(CreateMachine) VARNEX_EVENT_NAME(OpenMachine)
        VARNEX_EVENT_NAME(PrintMachine) VARNEX_EVENT_NAME(RenamePart) VARNEX_EVENT_NAME(RunPart)
        VARNEX_EVENT_NAME(RunMult) VARNEX_EVENT_NAME(ViewAllReport) VARNEX_EVENT_NAME(ViewPartReport)
        VARNEX_EVENT_NAME(ViewMultReport) VARNEX_EVENT_NAME(RunCopyJob) VARNEX_EVENT_NAME(RunCopyAllParts)
        VARNEX_EVENT_NAME(RunCopyAllMults) VARNEX_EVENT_NAME(RunCopyGroup) VARNEX_EVENT_NAME(RunCopyAllGroup)
        VARNEX_EVENT_NAME(RunCopyPartFile) VARNEX_EVENT_NAME(RunCopyMultFile) VARNEX_EVENT_NAME(RunCopyDiffPartFile)
        VARNEX_EVENT_NAME(RunCopyDiffMultFile) VARNEX_EVENT_NAME(RunCopyLabelAllGroup)
        VARNEX_EVENT_NAME(RunCopyDiffGroup) VARNEX_EVENT_NAME(RunMultMultiple)
#undef VARNEX_EVENT_NAME
    }
    return {};
}

} // namespace nav
