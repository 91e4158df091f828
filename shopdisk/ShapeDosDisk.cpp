#include "shopdisk/ShapeDosDisk.h"
#include "shopdisk/OpenReported.h"
#include "shopdisk/ShopDiskReport.h"

#include "model/ShapeDoc.h"
#include "records/RecordImage.h"
#include "shopdb/ShapeAccess.h"

#include "fw/core/MessageService.h"

void CShapeDosDisk::ReadDosDisk(const std::string& recordFile)
{
    ShopDiskReport report;   // told once the wait cursor is gone
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
                report.Add("The shape " + record.desctp + record.desc + " of " + recordFile + " could not be saved.");
        } catch (const RecordImageError& e) {
            report.Add("The shape record file " + recordFile + " holds a record that cannot be read: " + e.what());
        }
    }
}
