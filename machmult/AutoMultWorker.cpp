#include "machmult/AutoMultWorker.h"

#include "automult/AutoMultOpnB.h"
#include "automult/AutoMultUnplaced.h"
#include "fw/core/AppProfile.h"
#include "fw/core/CommitGroup.h"
#include "machmult/MachinePartOf.h"
#include "machmult/MultDoc.h"

#include <stdexcept>
#include <vector>

namespace {

constexpr double kTolerance = 1e-6;

// The pieces of a part still to be multed: the Delete key of the part list counts them all as used.
std::uint32_t Wanted(const CMultPart& part)
{
    return part.GetQuantity() > part.GetQuantityUsed() ? part.GetQuantity() - part.GetQuantityUsed() : 0;
}

void Check(fw::HRESULT hr)
{
    if (fw::FAILED(hr))
        throw std::runtime_error("engine call failed");
}

std::string ChoiceName(const CAutoMultShape& choice)
{
    const std::string shape = choice.GetShapeName();
    return (shape.empty() ? choice.GetKey() : shape) + (choice.GetGrade().empty() ? "" : " " + choice.GetGrade());
}

std::string Inches(const CDimension& length) { return length.FormatAs(1); }

} // namespace

AutoMultWorker::AutoMultWorker(const MultRecord& header, const std::string& folder, CAutoMultShapeList& choices,
                               const AutoMultJob::Services& services, std::stop_token stop)
    : header_(header),
      folder_(folder),
      choices_(choices),
      services_(services),
      stop_(stop),
      ui_(services.ui, services.poster, stop)
{
}

AutoMultSummary AutoMultWorker::Run()
{
    fw::CommitGroup group;   // the mults reach the disk together at the end
    try {
        CheckChoices();
        services_.listener->OnProgress(2);
        const int step = 100 / int(choices_.GetCount());
        double allowableDrop = -1.0;
        for (std::size_t k = 0; k < choices_.GetCount(); ++k) {
            if (stop_.stop_requested()) {
                summary_.end = AutoMultSummary::End::stopped;
                break;
            }
            CAutoMultShape& choice = choices_[k];
            if (choice.GetShape() && choice.GetMachine() && !RunChoice(choice, allowableDrop))
                break;
            services_.listener->OnProgress(int(k + 1) * step);
        }
    } catch (...) {
        summary_.end = AutoMultSummary::End::failed;
        summary_.problems.push_back(AutoMultJob::kUnexpectedError);
    }
    for (const fw::FileException& failure : group.Commit()) {
        std::erase(summary_.saved, failure.fileName());
        summary_.problems.push_back(std::string(failure.what()) + ".");
    }
    return summary_;
}

// --- Checks --------------------------------------------------------------------------------------

void AutoMultWorker::CheckChoices()
{
    for (const auto& entry : choices_) {
        CAutoMultShape& choice = *entry;
        if (!choice.IsSelected())
            continue;
        const std::string refusal = RefusalOf(choice);
        if (refusal.empty()) {
            FitTools(choice);
            continue;
        }
        choice.SetSelected(false);
        summary_.problems.push_back(ChoiceName(choice) + ": " + refusal);
        LeaveParts(choice, "stock choice left out");
    }
}

std::string AutoMultWorker::RefusalOf(const CAutoMultShape& choice) const
{
    if (!choice.GetShape())
        return "the shape file was not found.";
    if (!choice.GetMachine())
        return "no machine is loaded.";
    const MachineRecord& machine = choice.GetMachine()->GetMachineRecord();
    const double length = choice.GetStockLength().GetValue();
    if (length < machine.minimumStock.GetValue() - kTolerance)
        return "the stock length " + Inches(choice.GetStockLength()) + " is below the minimum stock " +
               Inches(machine.minimumStock) + " of machine " + machine.name + ".";
    if (length > machine.maximumStock.GetValue() + kTolerance)
        return "the stock length " + Inches(choice.GetStockLength()) + " is above the maximum stock " +
               Inches(machine.maximumStock) + " of machine " + machine.name + ".";
    const int kind = choice.GetShapeKind();
    if (kind < 0 || std::size_t(kind) >= materialTypeCount || !machine.materialTypes[std::size_t(kind)])
        return "machine " + machine.name + " does not take this material type.";
    return {};
}

void AutoMultWorker::FitTools(CAutoMultShape& choice)
{
    for (CMultPart& part : choice.GetParts()) {
        const bool fit = choice.GetMachine()->FitToolsToStations(part.GetTools());
        part.SetToolsFit(fit ? 1 : 0);
        if (fit)
            continue;
        if (Wanted(part) > 0)
            summary_.left.push_back({part.GetKeyText(), Wanted(part), "its tools do not fit the machine's stations"});
        part.SetQuantity(0);
    }
}

void AutoMultWorker::LeaveParts(const CAutoMultShape& choice, const std::string& reason)
{
    for (const CMultPart& part : choice.GetParts())
        if (Wanted(part) > 0)
            summary_.left.push_back({part.GetKeyText(), Wanted(part), reason});
}

// --- One choice ----------------------------------------------------------------------------------

bool AutoMultWorker::RunChoice(CAutoMultShape& choice, double& allowableDrop)
{
    Status("Multing " + ChoiceName(choice));
    std::unique_ptr<ICommonAutoMult> engine =
        services_.engine ? services_.engine(ui_) : std::make_unique<CAutoMultOpnB>(ui_, fw::AppProfile());
    if (!engine)
        throw std::runtime_error("no engine");
    CMachine& machine = *choice.GetMachine();
    Check(engine->SetMultStockLength(choice.GetStockLength().GetValue()));
    Check(engine->SetKerf(choice.GetKerf().GetValue()));
    Check(engine->SetMinimumMachineDrop(machine.GetMachineRecord().minimumDrop.GetValue()));
    for (const CPartTool& station : machine.GetStations())
        Check(engine->SetMachineToolZone(ZoneOfFaceCode(station.GetZoneCode())));
    if (choice.IsSelected())
        AddParts(*engine, choice);
    if (allowableDrop >= 0.0)
        Check(engine->SetAllowableDrop(allowableDrop));

    int count = 0;
    const fw::HRESULT hr = engine->MultCurrentShape(&count);
    Check(hr);
    if (hr == fw::S_FALSE) {
        summary_.end = stop_.stop_requested() ? AutoMultSummary::End::stopped : AutoMultSummary::End::cancelled;
        return false;
    }
    Check(engine->GetAllowableDrop(&allowableDrop));
    if (auto* unplaced = engine->Query<IAutoMultUnplaced>())
        for (const AMUnplacedPart& part : unplaced->GetUnplacedParts())
            summary_.left.push_back({part.job + "\\" + part.group + "\\" + part.mark, std::uint32_t(part.quantity),
                                     "could not be placed on a mult"});
    const PartsByKey parts = IndexParts(choice);
    for (int i = 0; i < count; ++i) {
        if (stop_.stop_requested()) {
            summary_.end = AutoMultSummary::End::stopped;
            return false;
        }
        SaveMult(*engine, choice, parts, i);
    }
    return true;
}

void AutoMultWorker::AddParts(ICommonAutoMult& engine, CAutoMultShape& choice)
{
    for (CMultPart& part : choice.GetParts()) {
        if (part.GetLength().GetValue() <= kTolerance) {
            if (Wanted(part) > 0)
                summary_.left.push_back({part.GetKeyText(), Wanted(part), "it has no length"});
            continue;
        }
        MachinePartOf machinePart(part);
        choice.GetMachine()->CheckToolRoom(machinePart);
        std::vector<std::string> names;
        std::vector<enumZone> zones;
        for (const CPartTool& tool : part.GetTools()) {
            names.push_back(tool.GetDescription());
            zones.push_back(ZoneOfFaceCode(tool.GetZoneCode()));
        }
        const CMultPart& p = part;
        Check(engine.AddPartToList(p.GetHeader().jobId, p.GetHeader().group, p.GetHeader().mark, p.GetPartPath(),
                                   int(Wanted(p)), p.GetLength().GetValue(), p.GetToolsFit(), int(names.size()),
                                   names.data(), zones.data()));
    }
}

AutoMultWorker::PartsByKey AutoMultWorker::IndexParts(const CAutoMultShape& choice)
{
    PartsByKey parts;
    for (const CMultPart& part : choice.GetParts())
        parts.emplace(part.GetKeyText(), &part);
    return parts;
}

void AutoMultWorker::SaveMult(ICommonAutoMult& engine, CAutoMultShape& choice, const PartsByKey& choiceParts,
                              int index)
{
    CMultDoc mult;
    mult.SetSaveFolder(folder_);
    MultRecord& header = mult.Header();
    header = header_;
    header.length = choice.GetStockLength();
    header.kerf = choice.GetKerf();
    header.shapeDesctp = choice.GetShape()->GetShapeRecord().desctp;
    header.shapeDesc = choice.GetShape()->GetShapeRecord().desc;
    header.grade = choice.GetGrade();
    // The mult names the machine its stations, drop and kerf came from.
    header.machine = choice.GetMachineName();
    header.sequence = header_.sequence + made_++;
    double drop = 0.0;
    Check(engine.GetMultDrop(index, &drop));
    header.drop.SetValue(drop);
    mult.SetMachine(choice.GetMachine()->Clone());
    mult.SetShape(choice.GetShape()->Clone(), choice.GetShapeKind());

    int parts = 0;
    Check(engine.GetNumberOfPartsForMult(index, &parts));
    for (int j = 0; j < parts; ++j) {
        std::string job, group, mark;
        int quantity = 0;
        Check(engine.GetPartData(index, j, &job, &group, &mark, &quantity));
        const auto found = choiceParts.find(job + "\\" + group + "\\" + mark);
        if (found == choiceParts.end() || quantity <= 0)
            continue;
        auto part = std::make_unique<CMultPart>();
        part->CopyFrom(*found->second);
        part->SetQuantity(std::uint32_t(quantity));
        part->SetQuantityUsed(0);
        mult.GetParts().AddTail(std::move(part));
    }
    mult.SortPartsByLength();
    const std::uint32_t sequence = header.sequence;
    if (mult.SaveDocument()) {
        // Pending in the run's commit group: the file takes its name when the run ends.
        summary_.saved.push_back(mult.GetPathName());
        Status("Made " + mult.GetPathName());
    } else {
        summary_.problems.push_back("Mult " + header_.mark + " " + std::to_string(sequence) +
                                    " could not be saved in " + folder_ + ".");
    }
}

void AutoMultWorker::Status(const std::string& text) { services_.listener->OnStatus(text); }
