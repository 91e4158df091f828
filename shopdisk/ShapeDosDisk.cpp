#include "shopdisk/ShapeDosDisk.h"
#include "shopdisk/OpenReported.h"
#include "shopdisk/LegacyConversion.h"

#include "model/ShapeDoc.h"
#include "records/RecordImage.h"
#include "shopdb/ShapeAccess.h"

#include "fw/core/MessageService.h"

#include <memory>

void CShapeDosDisk::ReadDosDisk(const std::string& recordFile)
{
    LegacyConversion run;
    {
        const fw::WaitCursor wait;
        ConvertRecords(recordFile, run);
    }
    run.Finish();
}

void CShapeDosDisk::ConvertRecords(const std::string& recordFile, LegacyConversion& run)
{
    CShapeAccess access;
    if (!OpenOrRefuse(access, run, recordFile, CPowerFile::readFlags))
        return;
    try {
        for (std::int32_t address = access.First(); (access.GetStatus() & CPowerFile::statusEnd) == 0;
             address = access.Next()) {
            try {
                const ShapeRecord record = ShapeRecordImage::Decode(access.Read(address).buffer);
                auto shape = std::make_unique<CShapeDoc>();
                shape->SetShapeRecord(record);
                run.AddShape(std::move(shape), "The shape " + record.desctp + record.desc + " of " + recordFile);
            } catch (const std::exception& e) {
                run.Refuse("The shape record at " + std::to_string(address) + " of " + recordFile +
                           " cannot be read: " + e.what());
            }
        }
    } catch (const std::exception& e) {
        run.Refuse("The shape record file " + recordFile + " cannot be read to its end: " + e.what());
    }
}
