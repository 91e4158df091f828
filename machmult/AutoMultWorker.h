#pragma once
// The work of an automatic-multing job's thread: checks the stock choices against their
// machines, runs the engine once per choice with the choice's own stock length and kerf, and
// saves every mult it returns as a mult file under the free-name rule (sequence = the job's + the
// mults made so far). It checks the stop request between choices and between mults; the engine's
// search sees it through the user-interface bridge.

#include "machmult/AutoMultJob.h"
#include "machmult/AutoMultUiBridge.h"

#include <stop_token>
#include <string>
#include <unordered_map>

class AutoMultWorker {
public:
    AutoMultWorker(const MultRecord& header, const std::string& folder, CAutoMultShapeList& choices,
                   const AutoMultJob::Services& services, std::stop_token stop);

    // Runs the job to its end and tells the listener; any failure ends it as failed.
    AutoMultSummary Run();

private:
    // Unselects the choices their machine can't take; fits the tools of the others' parts.
    void CheckChoices();
    // The reason a choice can't be multed, or nothing.
    std::string RefusalOf(const CAutoMultShape& choice) const;
    void FitTools(CAutoMultShape& choice);
    // One choice through the engine; false when the run ends here (cancelled or stopped).
    bool RunChoice(CAutoMultShape& choice, double& allowableDrop);
    void AddParts(ICommonAutoMult& engine, CAutoMultShape& choice);
    // A choice's parts by key text (the first of equal keys), so that saving each mult finds its
    // parts without walking the whole choice.
    using PartsByKey = std::unordered_map<std::string, const CMultPart*>;
    static PartsByKey IndexParts(const CAutoMultShape& choice);
    void SaveMult(ICommonAutoMult& engine, CAutoMultShape& choice, const PartsByKey& parts, int index);
    void LeaveParts(const CAutoMultShape& choice, const std::string& reason);
    void Status(const std::string& text);

    const MultRecord& header_;
    const std::string& folder_;
    CAutoMultShapeList& choices_;
    const AutoMultJob::Services& services_;
    std::stop_token stop_;
    AutoMultUiBridge ui_;
    AutoMultSummary summary_;
    std::uint32_t made_ = 0;
};
