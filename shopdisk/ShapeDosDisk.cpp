#include "shopdisk/ShapeDosDisk.h"
#include "shopdisk/OpenReported.h"

#include "model/ShapeDoc.h"
#include "records/RecordImage.h"
#include "shopdb/ShapeAccess.h"

#include "fw/core/MessageService.h"

void CShapeDosDisk::ReadDosDisk(const std::string& recordFile)
{
    const fw::WaitCursor wait;
    CShapeAccess access;
    if (!OpenReported(access, recordFile, CPowerFile::readFlags))
        return;
    for (std::int32_t address = access.First(); (access.GetStatus() & CPowerFile::statusEnd) == 0;
         address = access.Next()) {
        try {
            const ShapeRecord record = ShapeRecordImage::Decode(access.Read(address).buffer);
            CShapeDoc shape;
            shape.SetShapeRecord(record);
            if (!shape.SaveDocument())
                fw::ShowMessage("The shape " + record.desctp + record.desc + " of " + recordFile +
                                    " could not be saved.",
                                fw::MB_OK | fw::MB_ICONEXCLAMATION);
        } catch (const RecordImageError& e) {
            fw::ShowMessage("The shape record file " + recordFile + " holds a record that cannot be read: " + e.what(),
                            fw::MB_OK | fw::MB_ICONEXCLAMATION);
        }
    }
}
