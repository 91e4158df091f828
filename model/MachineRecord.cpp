#include "model/MachineRecord.h"

#include "fw/core/Archive.h"
#include "model/ArchiveFields.h"

void MachineRecord::Serialize(fw::Archive& ar)
{
    SerializeFields(ar, {&name});
    if (ar.IsStoring()) {
        ar.WriteLong(kind);
    } else {
        kind = ar.ReadLong();
        if (kind < machineNone || kind > machineBurningTable)
            throw fw::ArchiveException(fw::ArchiveException::badValue, "unknown machine kind");
    }
    SerializeFields(ar, {&defaultKerf, &minimumStock, &maximumStock, &minimumDrop, &multiAxis, &flowsRight,
                         &trimCut, &trimLength});
    for (std::uint32_t& flag : materialTypes)
        SerializeFields(ar, {&flag});
}
