#pragma once
// Fixture of the automatic-multing tests: the mult fixture's drives and shapes, a saw SAW1 that
// takes beams and angles on 120 to 600 inches of stock, part files without holes, a job listener
// that records what the worker told, and the mult M of J1\G1 on W, any size and grade.

#include "machmult/AutoMultCandidates.h"
#include "machmult/AutoMultJob.h"

#include "tests/automult/ScriptedUi.h"
#include "tests/machmult/MultTestSupport.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace multtest {

inline Bytes Inches(double value, char unit = 'D') { return modeltest::Dim(std::bit_cast<std::uint64_t>(value), unit); }

// A machine file of a kind without spec data, with its limits and the material types it takes.
inline Bytes MachineWithLimits(const std::string& name, int kind, double kerf, double minStock, double maxStock,
                               double minDrop, std::initializer_list<int> materials)
{
    Bytes bytes = Cat({Str(name), Le32(std::uint32_t(kind)), Inches(kerf), Inches(minStock), Inches(maxStock),
                       Inches(minDrop), Le32(0), Le32(0), Le32(0), Inches(0)});
    for (int material = 0; material < 7; ++material)
        bytes = Cat({bytes, Le32(std::find(materials.begin(), materials.end(), material) != materials.end() ? 1 : 0)});
    return bytes;
}

// Records what a job's worker told; Wait blocks until the end.
class RecordingListener : public AutoMultListener {
public:
    void OnProgress(int percent) override
    {
        std::lock_guard lock(mutex_);
        progress.push_back(percent);
    }
    void OnStatus(const std::string& text) override
    {
        std::lock_guard lock(mutex_);
        statuses.push_back(text);
    }
    void OnEnded(const AutoMultSummary& ended) override
    {
        std::lock_guard lock(mutex_);
        summary = ended;
        ++ends;
        done_.notify_all();
    }
    bool Wait(std::chrono::seconds limit = std::chrono::seconds(30))
    {
        std::unique_lock lock(mutex_);
        return done_.wait_for(lock, limit, [this] { return ends > 0; });
    }

    std::vector<int> progress;
    std::vector<std::string> statuses;
    AutoMultSummary summary;
    int ends = 0;

private:
    std::mutex mutex_;
    std::condition_variable done_;
};

class AutoMultFixture : public MultFixture {
protected:
    AutoMultFixture()
    {
        PutMachine("SAW1", MachineWithLimits("SAW1", 5, 0.125, 120, 600, 0, {0, 2}));
        PutShape("W 14X30", ShapeFile("W ", "14X30", modeltest::k12, modeltest::k4, 0));
    }

    // Saves a part without holes on drive C: (or another drive).
    void PutPlainPart(const std::string& mark, double length, std::uint32_t quantity, const std::string& desctp = "W ",
                      const std::string& desc = "12X26", const std::string& grade = "A36", char drive = 'C',
                      const std::string& group = "G1") const
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = group;
        h.mark = mark;
        h.quantity = quantity;
        h.length = length;
        h.grade = grade;
        ASSERT_TRUE(part.BuildShape(desctp, desc));
        h.shapeDesctp = desctp;
        h.shapeDesc = desc;
        ASSERT_TRUE(part.OnSaveDocument(std::string(1, drive) + ":\\x.prt"));
    }

    // The mult M 5 of J1\G1 on SAW1: 480 inches of W with the given size and grade, kerf as given.
    void MakeTemplate(CMultDoc& doc, const std::string& desc = "", const std::string& grade = "", double kerf = 0.0,
                      double length = 480.0)
    {
        MultRecord data = SampleMultRecord("SAW1");
        data.sequence = 5;
        data.length = length;
        data.kerf = kerf;
        data.shapeDesc = desc;
        data.grade = grade;
        data.measuringSystem = 1;
        ASSERT_TRUE(doc.SetMultData(data));
        ASSERT_TRUE(doc.GetMachine());
        doc.Header().shapeDesctp = "W ";   // a type without a size names no shape file
    }

    static constexpr const char* kGroup = "C:\\Kestrom\\Jobs\\J1\\G1\\*.prt|";

    // The job over the group of the template mult.
    std::unique_ptr<AutoMultJob> Gather(CMultDoc& doc, const std::string& source = kGroup,
                                        const AutoMultGathering& how = {})
    {
        AutoMultGathered gathered = GatherAutoMultJob(doc, source, how);
        EXPECT_EQ(gathered.end, AutoMultGathered::End::ok) << gathered.message;
        return std::move(gathered.job);
    }

    // Runs the job to its end with the real engine and a scripted user interface.
    void Run(AutoMultJob& job, AutoMultJob::EngineFactory engine = {})
    {
        ASSERT_TRUE(job.Begin({std::move(engine), ui, nullptr, &listener}));
        ASSERT_TRUE(listener.Wait());
        job.Join();
    }

    std::shared_ptr<ScriptedUi> ui = std::make_shared<ScriptedUi>();
    RecordingListener listener;
};

} // namespace multtest
