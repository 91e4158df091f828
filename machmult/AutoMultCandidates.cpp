#include "machmult/AutoMultCandidates.h"

#include "fw/core/Document.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/WinPath.h"
#include "machmult/MultDoc.h"
#include "partprog/PartDoc.h"

#include <algorithm>
#include <vector>

namespace {

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The names of a '|'-separated list, empty ones skipped.
std::vector<std::string> SplitList(const std::string& list)
{
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t bar = std::min(list.find('|', start), list.size());
        if (bar > start)
            names.push_back(list.substr(start, bar - start));
        start = bar + 1;
    }
    return names;
}

// The files an entry names: the file itself, or the files matching its wildcard pattern.
std::vector<std::string> FilesOf(const std::string& entry)
{
    std::vector<std::string> files;
    try {
        if (entry.find_first_of("*?") == std::string::npos) {
            if (fw::FileSystem::Exists(entry) && !fw::FileSystem::IsFolder(entry))
                files.push_back(entry);
            return files;
        }
        const std::string folder(fw::WinPath::Folder(entry));
        for (const std::string& name : fw::FileSystem::List(entry, fw::FileSystem::files))
            files.push_back(fw::WinPath::Join(folder, name));
    } catch (const fw::FileException&) {
    }
    return files;
}

// Why a part file could not be read: the file layer's cause.
std::string ReadFailure(const std::exception_ptr& error)
{
    return std::string(fw::FileException::CauseText(fw::SaveLoadErrorCause(error)));
}

bool PlainCopy(const std::string& from, const std::string& to)
{
    fw::FileSystem::CreateFolders(to);
    if (!fw::FileSystem::Exists(to))
        fw::FileSystem::CopyFile(from, to, true);
    return true;
}

struct MultFilter {
    std::string desctp, desc, grade;
    bool Accepts(const std::string& partDesctp, const std::string& partDesc, const std::string& partGrade) const
    {
        return (desctp.empty() || desctp == partDesctp) && (desc.empty() || desc == partDesc) &&
               (grade.empty() || grade == partGrade);
    }
};

class Gatherer {
public:
    Gatherer(CMultDoc& mult, const AutoMultGathering& how) : mult_(mult), how_(how)
    {
        const MultRecord& h = mult.Header();
        filter_ = {Trim(h.shapeDesctp), Trim(h.shapeDesc), Trim(h.grade)};
        drive_ = fw::WinPath::Drive(mult.GetPathName());
    }

    // False when the command ends here.
    bool Take(const std::string& file)
    {
        std::string path = file;
        if (fw::WinPath::Drive(file) != drive_ && !BringToMultDrive(path))
            return !ended_;
        AddPart(path);
        return true;
    }

    AutoMultGathered Result()
    {
        AutoMultGathered result;
        result.end = end_;
        result.message = message_;
        if (end_ == AutoMultGathered::End::ok) {
            result.job = std::make_unique<AutoMultJob>(mult_.GetMultData(), std::string(fw::WinPath::Folder(mult_.GetPathName())),
                                                       std::move(choices_));
            result.job->SetLeftOut(std::move(left_));
        }
        return result;
    }

private:
    // False when the part is skipped or the command ends (ended_).
    bool BringToMultDrive(std::string& path)
    {
        if (answer_ == DriveAnswer::yes || answer_ == DriveAnswer::no)
            answer_ = how_.askDrive ? how_.askDrive(path) : DriveAnswer::noToAll;
        if (answer_ == DriveAnswer::cancel)
            return End(AutoMultGathered::End::cancelled);
        if (answer_ == DriveAnswer::no || answer_ == DriveAnswer::noToAll)
            return false;
        const std::string target = std::string(1, drive_) + path.substr(1);
        try {
            if (!(how_.copy ? how_.copy(path, target) : PlainCopy(path, target)))
                return End(AutoMultGathered::End::cancelled);
        } catch (const fw::FileException&) {
            message_ = "Part " + path + " could not be copied to " + target + ".";
            return End(AutoMultGathered::End::failed);
        }
        path = target;
        return true;
    }

    bool End(AutoMultGathered::End end)
    {
        end_ = end;
        ended_ = true;
        return false;
    }

    // A part that matches the mult joins its stock choice; one that can't be read, or whose shape
    // can't be built, is kept with the reason for the end report.
    void AddPart(const std::string& path)
    {
        CPartDoc part;
        const CSmartDoc::ReadOutcome read = part.ReadFile(path);
        if (read.status != CSmartDoc::ReadOutcome::read) {
            left_.push_back({path, 0, "its file could not be read (" + ReadFailure(read.error) + ")"});
            return;
        }
        const PartRecord record = part.GetPartRecord();
        const std::string desctp = Trim(record.shapeDesctp), desc = Trim(record.shapeDesc), grade = Trim(record.grade);
        if (!filter_.Accepts(desctp, desc, grade))
            return;
        std::unique_ptr<CMultPart> multPart = CMultPart::FromPart(part);
        if (const std::string shapeProblem = ShapeProblem(part.GetLoadProblems(), desctp, desc); !shapeProblem.empty()) {
            left_.push_back({multPart->GetKeyText(), multPart->GetQuantity(), shapeProblem});
            return;
        }
        multPart->SetPartPath(path);
        multPart->SetQuantityUsed(0);
        multPart->SetImageIndex(0);
        multPart->SetToolsFit(1);

        bool inserted = false;
        CAutoMultShape& choice = choices_.FindOrInsert(desctp, desc, grade, &inserted);
        if (inserted) {
            choice.SetGrade(grade);
            LoadProblems problems;
            choice.LoadShape(desctp, desc, problems);
            choice.LoadMachine(mult_.Header().machine, problems);
            if (!mult_.IsWindowless())
                ReportLoadProblems(problems);
        }
        const MultRecord& h = mult_.Header();
        const CMachine* machine = mult_.GetMachine();
        choice.GetKerf() = h.kerf.GetValue() != 0.0 || !machine ? h.kerf : machine->GetMachineRecord().defaultKerf;
        choice.GetStockLength() = h.length;
        choice.AddPart(multPart);
    }

    // Why the part's shape could not be built, or nothing.
    static std::string ShapeProblem(const LoadProblems& problems, const std::string& desctp, const std::string& desc)
    {
        if (!HasLoadProblem(problems, LoadProblem::Kind::shapeMissing))
            return {};
        for (const LoadProblem& problem : problems)
            if (problem.kind == LoadProblem::Kind::shapeUnreadable || problem.kind == LoadProblem::Kind::shapeNameMismatch)
                return "its shape file " + desctp + " " + desc + " could not be used: " + problem.text;
        return "its shape file " + desctp + " " + desc + " is missing";
    }

    CMultDoc& mult_;
    const AutoMultGathering& how_;
    MultFilter filter_;
    char drive_ = 0;
    DriveAnswer answer_ = DriveAnswer::yes;
    CAutoMultShapeList choices_;
    std::vector<AutoMultSummary::LeftPart> left_;
    AutoMultGathered::End end_ = AutoMultGathered::End::ok;
    bool ended_ = false;
    std::string message_;
};

} // namespace

AutoMultGathered GatherAutoMultJob(CMultDoc& mult, const std::string& sourceList, const AutoMultGathering& how)
{
    const std::vector<std::string> entries = SplitList(sourceList);
    if (entries.empty())
        return {AutoMultGathered::End::noParts, nullptr, {}};
    Gatherer gatherer(mult, how);
    for (const std::string& entry : entries)
        for (const std::string& file : FilesOf(entry))
            if (!gatherer.Take(file))
                return gatherer.Result();
    return gatherer.Result();
}
