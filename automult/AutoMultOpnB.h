#pragma once
// The working multing engine. A client sets up one stock shape (stock length, kerf, machine
// drop, tool stations), adds its parts, calls MultCurrentShape once and reads the mults back.
// Everything runs on the caller's thread; the user is asked through the injected IAutoMultUi.

#include "automult/AutoMultExport.h"
#include "automult/AMMult.h"
#include "automult/AutoMultBase.h"
#include "automult/AutoMultUi.h"
#include "automult/AutoMultUnplaced.h"
#include "automult/MultSearch.h"
#include "fw/core/Profile.h"

#include <memory>
#include <vector>

class AUTOMULT_EXPORT CAutoMultOpnB : public CAutoMultBase, public IAutoMultUnplaced {
public:
    // ui and profile must outlive the engine; the profile keeps the allowable drop.
    CAutoMultOpnB(IAutoMultUi& ui, fw::Profile& profile);

    fw::HRESULT AddPartToList(const std::string& bstrJob, const std::string& bstrGroup, const std::string& bstrMark,
                              const std::string& bstrPath, int nQuantity, double dLength, std::int32_t bToolMach,
                              int nToolSize, const std::string* pbstrtTools, const enumZone* pEnumZone) override;
    fw::HRESULT SetMinimumMachineDrop(double dMachineDrop) override;
    fw::HRESULT MultCurrentShape(int* pnMult) override;
    fw::HRESULT GetMultDrop(int nIndex, double* pdDrop) override;
    fw::HRESULT GetNumberOfPartsForMult(int nMultIndex, int* pnPart) override;
    fw::HRESULT GetPartData(int nMultIndex, int nPartIndex, std::string* pbstrJob, std::string* pbstrGroup,
                            std::string* pbstrMark, int* pnQuantity) override;
    fw::HRESULT SetAllowableDrop(double dDrop) override;
    fw::HRESULT GetAllowableDrop(double* pdDrop) override;

    std::vector<AMUnplacedPart> GetUnplacedParts() const override { return unplaced_; }

    // Pruning off runs the plain search (the reference the pruned one is checked against).
    void SetSearchOptions(const AMSearchOptions& options) { options_ = options; }
    // Steps taken by the last MultCurrentShape.
    const AMSearchStats& SearchStats() const { return stats_; }

private:
    bool AskAllowableDrop();
    AMProblemChoice ResolveProblems(automult::Length usable);
    void RemoveParts(const std::vector<const CAMPart*>& parts);
    fw::HRESULT Search(automult::Length usable, int& made);
    std::vector<CAMPartGroup*> SearchOrder() const;
    std::vector<AMUnplacedPart> Unplaced() const;
    const CAMMult& MultAt(int index) const;

    IAutoMultUi& ui_;
    fw::Profile& profile_;
    double machineDrop_ = 0.0;
    double allowable_ = 0.0;
    bool allowableSupplied_ = false;
    CAMToolTable tools_;
    CDynamicArray<std::unique_ptr<CAMPartGroup>> groups_;
    CDynamicArray<std::unique_ptr<CAMMult>> finished_;
    // Parts and groups taken out through the problem dialog; kept alive for earlier mults.
    CDynamicArray<std::unique_ptr<CAMPart>> removedParts_;
    CDynamicArray<std::unique_ptr<CAMPartGroup>> removedGroups_;
    std::vector<AMUnplacedPart> unplaced_;
    AMSearchOptions options_;
    AMSearchStats stats_;
};
