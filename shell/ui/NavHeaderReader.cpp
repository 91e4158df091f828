#include "shell/ui/NavHeaderReader.h"

#include "records/MultRecord.h"
#include "records/PartRecord.h"
#include "shell/ReportLister.h"

std::optional<nav::Description> NavHeaderReader::Describe(nav::ItemKind kind, const std::string& path)
{
    if (kind == nav::ItemKind::part) {
        if (const std::optional<PartRecord> part = ReadPartHeader(path))
            return nav::Description{part->shapeDesctp, part->shapeDesc};
    } else if (kind == nav::ItemKind::mult) {
        if (const std::optional<MultRecord> mult = ReadMultHeader(path))
            return nav::Description{mult->shapeDesctp, mult->shapeDesc};
    }
    return std::nullopt;
}
