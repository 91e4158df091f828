#include "automult/AutoMultOpnB.h"

#include "automult/AllowableDrop.h"
#include "automult/AutoMultError.h"

#include <algorithm>

using automult::Length;

namespace {
std::vector<AMPartRow> Rows(const std::vector<const CAMPart*>& parts)
{
    std::vector<AMPartRow> rows;
    for (const CAMPart* part : parts)
        rows.push_back({part->Job(), part->Group(), part->Mark()});
    return rows;
}

// Shows the progress window for the length of one search, whatever way the search ends.
class ProgressWindow {
public:
    ProgressWindow(IAutoMultUi& ui, std::stop_source cancel) : ui_(ui) { ui_.ProgressBegin(std::move(cancel)); }
    ~ProgressWindow() { ui_.ProgressEnd(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

private:
    IAutoMultUi& ui_;
};
} // namespace

CAutoMultOpnB::CAutoMultOpnB(IAutoMultUi& ui, fw::Profile& profile) : ui_(ui), profile_(profile) {}

fw::HRESULT CAutoMultOpnB::AddPartToList(const std::string& bstrJob, const std::string& bstrGroup,
                                         const std::string& bstrMark, const std::string& bstrPath, int nQuantity,
                                         double dLength, std::int32_t bToolMach, int nToolSize,
                                         const std::string* pbstrtTools, const enumZone* pEnumZone)
{
    return AMGuarded("CAutoMultOpnB::AddPartToList", [&] {
        const double length = dLength + kerf_;
        if (nQuantity < 0 || nToolSize < 0 || !(dLength >= 0.0) || !automult::IsEngineLength(length) ||
            automult::FromInches(length) <= automult::kTolerance)
            throw CAMError::InvalidArgument();
        if (nToolSize > 0 && (!pbstrtTools || !pEnumZone))
            throw CAMError::NullPointer();

        CDynamicArray<std::size_t> tools;
        for (int i = 0; i < nToolSize; ++i)
            tools.Add(FindOrAddTool(tools_, pbstrtTools[i], pEnumZone[i]));
        auto part = std::make_unique<CAMPart>(AMPartNames{bstrJob, bstrGroup, bstrMark, bstrPath}, nQuantity, length,
                                              bToolMach, tools);
        for (auto& group : groups_) {
            if (group->Accepts(*part)) {
                group->AddPart(std::move(part));
                return fw::S_OK;
            }
        }
        groups_.Add(std::make_unique<CAMPartGroup>(std::move(part)));
        return fw::S_OK;
    });
}

fw::HRESULT CAutoMultOpnB::SetMinimumMachineDrop(double dMachineDrop)
{
    machineDrop_ = dMachineDrop;
    return fw::S_OK;
}

fw::HRESULT CAutoMultOpnB::MultCurrentShape(int* pnMult)
{
    return AMGuarded("CAutoMultOpnB::MultCurrentShape", [&] {
        if (!pnMult)
            throw CAMError::NullPointer();
        if (!automult::IsEngineLength(stockLength_) || !automult::IsEngineLength(machineDrop_))
            throw CAMError::InvalidArgument();
        unplaced_.clear();
        stats_ = {};
        // The stock keeps its length: every call takes the machine drop off afresh.
        const Length usable = automult::FromInches(stockLength_) - automult::FromInches(machineDrop_);
        if (!allowableSupplied_ && !AskAllowableDrop()) {
            *pnMult = 0;
            return fw::S_FALSE;
        }
        if (ResolveProblems(usable) == AMProblemChoice::CancelMulting)
            return fw::S_OK;
        return Search(usable, *pnMult);
    });
}

bool CAutoMultOpnB::AskAllowableDrop()
{
    allowable_ = automult::LoadAllowableDrop(profile_);
    const std::optional<std::string> typed =
        ui_.AskAllowableDrop(automult::FormatDrop(machineDrop_), automult::FormatDrop(allowable_));
    if (!typed)
        return false;
    allowable_ = automult::ParseAllowableDrop(*typed);
    automult::StoreAllowableDrop(profile_, allowable_);
    return true;
}

AMProblemChoice CAutoMultOpnB::ResolveProblems(Length usable)
{
    std::vector<const CAMPart*> tooLong;
    std::vector<const CAMPart*> tooManyTools;
    for (const auto& group : groups_)
        if (!automult::Fits(group->GetLength(), usable))
            for (const auto& part : group->Parts())
                tooLong.push_back(part.get());
    for (const auto& station : stations_)
        for (const auto& group : groups_)
            for (const auto& part : group->Parts())
                if (part->ToolsInZone(station->Zone(), tools_) > station->Count())
                    tooManyTools.push_back(part.get());
    if (tooLong.empty() && tooManyTools.empty())
        return AMProblemChoice::Start;

    const AMProblemChoice choice = ui_.ResolveProblems(Rows(tooLong), Rows(tooManyTools));
    if (choice == AMProblemChoice::Start) {
        tooLong.insert(tooLong.end(), tooManyTools.begin(), tooManyTools.end());
        RemoveParts(tooLong);
    }
    return choice;
}

void CAutoMultOpnB::RemoveParts(const std::vector<const CAMPart*>& parts)
{
    // A part listed twice comes out once: the second removal finds it in no group.
    for (const CAMPart* part : parts) {
        for (std::size_t i = 0; i < groups_.GetSize(); ++i) {
            std::unique_ptr<CAMPart> removed = groups_[i]->RemovePart(part);
            if (!removed)
                continue;
            removedParts_.Add(std::move(removed));
            if (groups_[i]->Remaining() < 1)
                removedGroups_.Add(groups_.RemoveAt(i));
            break;
        }
    }
}

fw::HRESULT CAutoMultOpnB::Search(Length usable, int& made)
{
    std::stop_source cancel;
    ProgressWindow progress(ui_, cancel);
    const std::size_t before = finished_.GetSize();
    CMultSearch search(SearchOrder(), stations_, tools_,
                       AMSearchSetup{usable, automult::FromInches(allowable_), options_});
    const AMSearchEnd end = search.Run(finished_, ui_, cancel.get_token());
    stats_ = search.Stats();
    if (end == AMSearchEnd::Cancelled) {
        while (finished_.GetSize() > before)
            finished_.RemoveLast();
        made = 0;
        return fw::S_FALSE;
    }
    if (end == AMSearchEnd::Stuck)
        unplaced_ = Unplaced();
    made = int(finished_.GetSize());
    return fw::S_OK;
}

std::vector<CAMPartGroup*> CAutoMultOpnB::SearchOrder() const
{
    // Clients add parts longest first; the order is made sure of here, as the search relies on it.
    std::vector<CAMPartGroup*> order;
    for (const auto& group : groups_)
        order.push_back(group.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const CAMPartGroup* a, const CAMPartGroup* b) { return a->GetLength() > b->GetLength(); });
    return order;
}

std::vector<AMUnplacedPart> CAutoMultOpnB::Unplaced() const
{
    std::vector<AMUnplacedPart> left;
    for (const CAMPartGroup* group : SearchOrder())
        for (const auto& part : group->Parts())
            if (part->Quantity() > 0)
                left.push_back({part->Job(), part->Group(), part->Mark(), part->Quantity()});
    return left;
}

const CAMMult& CAutoMultOpnB::MultAt(int index) const
{
    if (index < 0 || std::size_t(index) >= finished_.GetSize())
        throw CAMError::InvalidArgument();
    return *finished_[std::size_t(index)];
}

fw::HRESULT CAutoMultOpnB::GetMultDrop(int nIndex, double* pdDrop)
{
    return AMGuarded("CAutoMultOpnB::GetMultDrop", [&] {
        if (!pdDrop)
            throw CAMError::NullPointer();
        *pdDrop = automult::ToInches(std::max<Length>(MultAt(nIndex).Remaining(), 0)) + machineDrop_;
        return fw::S_OK;
    });
}

fw::HRESULT CAutoMultOpnB::GetNumberOfPartsForMult(int nMultIndex, int* pnPart)
{
    return AMGuarded("CAutoMultOpnB::GetNumberOfPartsForMult", [&] {
        if (!pnPart)
            throw CAMError::NullPointer();
        *pnPart = int(MultAt(nMultIndex).Parts().GetSize());
        return fw::S_OK;
    });
}

fw::HRESULT CAutoMultOpnB::GetPartData(int nMultIndex, int nPartIndex, std::string* pbstrJob,
                                       std::string* pbstrGroup, std::string* pbstrMark, int* pnQuantity)
{
    return AMGuarded("CAutoMultOpnB::GetPartData", [&] {
        if (!pbstrJob || !pbstrGroup || !pbstrMark || !pnQuantity)
            throw CAMError::NullPointer();
        const CAMMult& mult = MultAt(nMultIndex);
        if (nPartIndex < 0 || std::size_t(nPartIndex) >= mult.Parts().GetSize())
            throw CAMError::InvalidArgument();
        const CAMPart& part = *mult.Parts()[std::size_t(nPartIndex)];
        *pbstrJob = part.Job();
        *pbstrGroup = part.Group();
        *pbstrMark = part.Mark();
        *pnQuantity = mult.Quantities()[std::size_t(nPartIndex)];
        return fw::S_OK;
    });
}

fw::HRESULT CAutoMultOpnB::SetAllowableDrop(double dDrop)
{
    allowable_ = dDrop;
    allowableSupplied_ = true;
    return fw::S_OK;
}

fw::HRESULT CAutoMultOpnB::GetAllowableDrop(double* pdDrop)
{
    if (!pdDrop)
        return fw::E_POINTER;
    *pdDrop = allowable_;
    return fw::S_OK;
}
