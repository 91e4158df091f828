#pragma once
// What the hand-mult window does with one mult, without the window: it gathers the parts that may
// go on the mult (the potential list, with the counts already used), moves parts between the
// mult and that list, reorders the mult, keeps the machine's loaded tools and the parts' fit up
// to date, and saves the mults of a series one after the other ("<mark> <sequence>").
//
// Questions go back to the caller: whether to copy a part file from another drive, and how many
// of a part to move.

#include "machmult/PartList.h"
#include "machmult/PartListRules.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CMultDoc;

class HandMultSession {
public:
    static constexpr const char* kPartNotFound = "WARNING: Part %1 was not found!";
    static constexpr const char* kNoParts = "WARNING: No parts were found matching your criteria.";
    static constexpr const char* kOtherDrive =
        "WARNING: Part %1 is not on the same drive as the mult!  Do you wish to copy it to the correct drive?";
    static constexpr const char* kCopyExists =
        "WARNING: Part %1 is on the mult's drive already.  Do you wish to replace it with the copy?";
    static constexpr const char* kTooMany = "Only %1 of part %2 can be moved.";

    // The answers of the other-drive question.
    enum class CopyAnswer { yes, yesToAll, no, noToAll, cancel };
    using CopyQuestion = std::function<CopyAnswer(const std::string& message)>;
    // How many of a part to move, proposing a number; none for Cancel. The label is
    // job\group\mark.
    using QuantityQuestion =
        std::function<std::optional<std::uint32_t>(const std::string& label, std::uint32_t proposal)>;

    explicit HandMultSession(CMultDoc& doc);
    ~HandMultSession();

    CMultDoc& GetDocument() const { return doc_; }
    CPotentialPartList& GetPotentialList() { return potential_; }

    // A mult part of a part file: header, path, per-face tools fitted to the machine's stations,
    // nothing used or placed; none when the file can't be read.
    std::unique_ptr<CMultPart> MakeMultPart(const std::string& path) const;

    // Adds to the potential list every part file of a part source (CMultDoc::PartSource) that is
    // of the mult's shape. A file on another drive than the mult is copied to the mult's drive
    // when the user says so (Yes to All and No to All answer every later question); Cancel stops.
    // False when the source has no parts (after saying so) or the user cancelled.
    bool FillPotentialList(int source, const CopyQuestion& ask);
    // The parts already on the mult count as used; one the potential list lacks is loaded from its
    // part file and added first. Then the machine's tools and the fit follow the mult.
    void TakeMultParts();

    // Numbers the mult's parts in order (0, 1, ...) and clears their offsets.
    void NumberMultParts();
    void LoadMachineTools();
    void UpdatePotentialFit();

    // Parts dropped on one of the two lists at a position (-1: the end). From the other list they
    // move (how many is asked for a part of more than one, never more than there are); within the
    // mult list they change places. The fit and the numbering follow; every view is told.
    void DropParts(std::vector<std::unique_ptr<CMultPart>>& parts, PartDropMode mode, int position,
                   PartListKind target, const QuantityQuestion& ask);

    // File Save/New of the window: saves the mult, then starts the next of the series: sequence
    // one higher, named "<mark> <sequence>" in the same folder, no parts. A failed save changes
    // nothing: the parts stay on the mult. True when saved.
    bool SaveNew();

private:
    // The part files of a source entry (a file or a wildcard pattern).
    static std::vector<std::string> MatchingFiles(const std::string& entry);
    // The file to read for a part on another drive: a copy on the mult's drive, or none.
    std::optional<std::string> OnMultDrive(const std::string& file, const CopyQuestion& ask,
                                           std::optional<CopyAnswer>& always, bool& cancelled) const;
    bool IsMultShape(const CMultPart& part) const;
    // Numbers the part as the next of the potential list and adds it; false when refused.
    bool AddPotential(std::unique_ptr<CMultPart>& part);
    // Where the part file of a part on the mult is.
    std::string PartFileOf(const CMultPart& part) const;

    void Reorder(std::vector<std::unique_ptr<CMultPart>>& parts, int position);
    void MoveBetweenLists(std::vector<std::unique_ptr<CMultPart>>& parts, int position, PartListKind target,
                          const QuantityQuestion& ask);
    // How many of the part to move, at most available; 0 when the user cancels.
    std::uint32_t AskQuantity(const CMultPart& part, std::uint32_t proposal, std::uint32_t available,
                              const QuantityQuestion& ask) const;

    CMultDoc& doc_;
    CPotentialPartList potential_;
    int nextIndex_ = 0;
};
