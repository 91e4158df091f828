#include "machmult/AutoMultJob.h"

#include "machmult/AutoMultWorker.h"

#include "fw/core/MessageService.h"

enumZone ZoneOfFaceCode(int code)
{
    // Side 1 of a face is the engine's far zone, side 2 its near one, side 3 the whole face.
    const int face = code / 16;
    const int side = code % 16;
    if (face < 1 || face > 4 || side < 1 || side > 3)
        return eAM_ZONE_UNKNOWN;
    static constexpr int kSideOffset[] = {0, 2, 1, 3};
    return enumZone(3 * (face - 1) + kSideOffset[side]);
}

std::string AutoMultSummary::Text() const
{
    static constexpr const char* kEnds[] = {"Automatic multing finished.", "Automatic multing was cancelled.",
                                            "Automatic multing was stopped.", "Automatic multing failed."};
    std::string text = kEnds[int(end)];
    text += "\n" + std::to_string(saved.size()) + (saved.size() == 1 ? " mult saved." : " mults saved.");
    // Each list is shortened, so that the report of a large job still fits on the screen.
    std::vector<std::string> paths;
    for (const std::string& path : saved)
        paths.push_back("  " + path);
    if (!paths.empty())
        text += "\n" + fw::MessageLines(paths);
    if (!problems.empty())
        text += "\n" + fw::MessageLines(problems);
    if (!left.empty())
        text += "\n" + LeftText();
    return text;
}

std::string AutoMultSummary::LeftText() const
{
    if (left.empty())
        return {};
    std::vector<std::string> parts;
    for (const LeftPart& part : left)
        parts.push_back("  " + part.key + (part.quantity ? ": " + std::to_string(part.quantity) : std::string()) +
                        " - " + part.reason);
    return "Parts not multed:\n" + fw::MessageLines(parts);
}

AutoMultJob::AutoMultJob(MultRecord header, std::string folder, CAutoMultShapeList choices)
    : header_(std::move(header)), folder_(std::move(folder)), choices_(std::move(choices))
{
}

AutoMultJob::~AutoMultJob()
{
    RequestStop();
    Join();
}

bool AutoMultJob::Begin(Services services)
{
    if (choices_.IsEmpty() || HasBegun() || !services.listener || !services.ui)
        return false;
    services_ = std::move(services);
    begun_ = true;
    running_ = true;
    worker_ = std::thread([this, stop = stop_.get_token()] {
        AutoMultWorker worker(header_, folder_, choices_, services_, stop);
        AutoMultSummary summary = worker.Run();
        summary.left.insert(summary.left.begin(), leftOut_.begin(), leftOut_.end());
        running_ = false;
        services_.listener->OnEnded(summary);
    });
    return true;
}

void AutoMultJob::Join()
{
    if (worker_.joinable() && worker_.get_id() != std::this_thread::get_id())
        worker_.join();
}
