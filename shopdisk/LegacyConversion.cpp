#include "shopdisk/LegacyConversion.h"

#include "machmult/MultDoc.h"
#include "model/PartTool.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "partprog/PartDoc.h"
#include "shopdb/DetailConversion.h"

#include "fw/core/Archive.h"
#include "fw/core/ArchiveException.h"
#include "fw/core/CommitGroup.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

struct LegacyConversion::Converted {
    std::unique_ptr<CSmartDoc> doc;
    std::function<bool()> save;
    std::string target;
    std::string what;
    // Done just before the save; why the document is not saved, or nothing.
    std::function<std::string()> complete;
};

struct LegacyConversion::MissingTool {
    std::string name;
    std::vector<std::string> users;
};

namespace {

// Why the document's own reader would refuse the bytes it saves; empty when it reads them.
template <class Document> std::string LoadFailure(Document& doc)
{
    try {
        fw::Archive out;
        doc.Serialize(out);
        fw::Archive in(out.TakeBytes());
        Document reread;
        reread.Serialize(in);
        return {};
    } catch (const fw::ArchiveException& e) {
        return e.what();
    }
}

// Yes: replace them, No: keep them, Cancel: save nothing.
int AskReplace(const std::vector<std::string>& existing)
{
    const std::string text = "These files exist already:\n" + fw::MessageLines(existing) +
                             "\n\nReplace them? No keeps them and saves the other converted files; Cancel saves "
                             "nothing.";
    return fw::Messages().MessageBox(text, LegacyConversion::kCaption,
                                     fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION | fw::MB_DEFBUTTON2);
}

// "Title (N):" and the lines; nothing for no lines.
std::string Section(const std::string& title, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return {};
    return "\n\n" + title + " (" + std::to_string(lines.size()) + "):\n" + fw::MessageLines(lines);
}

// Whether a catalogue size is the recorded size: the same, or when rounded, the same once rounded
// as a record rounds a size (as an imperial or a metric length shows it).
bool SameRecordedSize(const CDimension& catalogue, const CDimension& recorded, bool rounded)
{
    constexpr int kImperial = 0;
    constexpr int kMetric = 2;
    const auto same = [&](double inches) { return std::fabs(inches - recorded.GetValue()) < 1e-9; };
    if (!rounded)
        return same(catalogue.GetValue());
    return same(DisplayedToolSize(catalogue, kImperial)) || same(DisplayedToolSize(catalogue, kMetric));
}

// The first few users, then how many more.
std::string Users(const std::vector<std::string>& users)
{
    constexpr std::size_t kNamed = 3;
    std::string text;
    for (std::size_t i = 0; i < users.size() && i < kNamed; ++i)
        text += (i == 0 ? "" : ", ") + users[i];
    if (users.size() > kNamed)
        text += " and " + std::to_string(users.size() - kNamed) + " more";
    return text;
}

} // namespace

LegacyConversion::LegacyConversion() = default;

LegacyConversion::~LegacyConversion()
{
    try {
        Finish();
    } catch (...) {
        // The end list is best effort once the run is being torn down.
    }
}

void LegacyConversion::Refuse(std::string problem) { problems_.push_back(std::move(problem)); }

void LegacyConversion::Add(std::unique_ptr<CSmartDoc> doc, std::string target, std::string what)
{
    const auto [same, added] = targets_.emplace(fw::Upper1252(target), converted_.size());
    if (!added) {
        Refuse(what + " is not converted: " + converted_[same->second].what + " is converted to the same file " +
               target + ".");
        return;
    }
    CSmartDoc* raw = doc.get();
    converted_.push_back({std::move(doc), {}, std::move(target), std::move(what), {}});
    converted_.back().save = [raw] { return raw->SaveDocument(); };
}

void LegacyConversion::AddPart(std::unique_ptr<CPartDoc> part, const std::string& what)
{
    if (const std::string failure = LoadFailure(*part); !failure.empty()) {
        Refuse(what + " is not converted: its record holds a " + failure + ".");
        return;
    }
    std::string target = part->GetPartFilePath();
    Add(std::move(part), std::move(target), what);
}

void LegacyConversion::AddMult(std::unique_ptr<CMultDoc> mult, std::function<void(CMultDoc&)> complete,
                               const std::string& what)
{
    CMultDoc* raw = mult.get();
    std::string target = raw->BuildMultPath();
    const std::size_t count = converted_.size();
    Add(std::move(mult), target, what);
    if (converted_.size() == count)
        return;
    // A mult saves at its own name, as parts do, not at the next free sequence.
    converted_.back().save = [raw, target] { return raw->OnSaveDocument(target); };
    converted_.back().complete = [raw, complete = std::move(complete)] {
        complete(*raw);
        const std::string failure = LoadFailure(*raw);
        return failure.empty() ? failure : "its records hold a " + failure + ".";
    };
}

void LegacyConversion::AddShape(std::unique_ptr<CShapeDoc> shape, const std::string& what)
{
    if (const std::string failure = LoadFailure(*shape); !failure.empty()) {
        Refuse(what + " is not converted: its record holds a " + failure + ".");
        return;
    }
    const ShapeRecord& record = shape->GetShapeData();
    std::string target = CShapeDoc::GetShapeFilePath(CShapeDoc::PadType(record.desctp) + record.desc);
    Add(std::move(shape), std::move(target), what);
}

void LegacyConversion::LoadCatalogue()
{
    catalogueLoaded_ = true;
    std::vector<std::string> names;
    try {
        names = fw::FileSystem::List(CToolDoc::GetToolFilePath("*"), fw::FileSystem::files);
    } catch (const fw::FileException&) {
        return;   // no tool directory: no catalogue tool
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        CToolDoc doc;
        if (!doc.TryLoadTool(std::string(fw::WinPath::Title(name))))
            continue;
        auto tool = std::make_unique<CPartTool>();
        tool->SetFromToolDoc(doc);
        catalogue_.push_back(std::move(tool));
    }
}

const CPartTool* LegacyConversion::CatalogueTool(const CPartTool& recorded, const std::string& user)
{
    if (!catalogueLoaded_)
        LoadCatalogue();
    // A size as recorded first, then one the record rounded (to a 64th, or metric).
    for (const bool rounded : {false, true})
        for (const std::unique_ptr<CPartTool>& tool : catalogue_)
            if (tool->GetType() == recorded.GetType() && tool->GetOrientation() == recorded.GetOrientation() &&
                SameRecordedSize(tool->GetSizeA(), recorded.GetSizeA(), rounded) &&
                SameRecordedSize(tool->GetSizeB(), recorded.GetSizeB(), rounded))
                return tool.get();
    const auto [known, added] = missingToolIndex_.emplace(recorded.GetShortName(), missingTools_.size());
    if (added)
        missingTools_.push_back({recorded.GetShortName(), {}});
    std::vector<std::string>& users = missingTools_[known->second].users;
    if (users.empty() || users.back() != user)
        users.push_back(user);
    return nullptr;
}

void LegacyConversion::SaveAll()
{
    std::vector<std::string> existing;
    std::vector<bool> exist;
    for (const Converted& c : converted_) {
        exist.push_back(fw::FileSystem::Exists(c.target));
        if (exist.back())
            existing.push_back(c.target);
    }
    const int answer = existing.empty() ? fw::IDYES : AskReplace(existing);
    if (answer == fw::IDCANCEL) {
        cancelled_ = true;
        return;
    }
    // The files reach the disk together. A mult takes its parts from their files, so the files
    // saved before it are placed first.
    std::optional<fw::CommitGroup> group(std::in_place);
    bool partsPending = false;
    for (std::size_t i = 0; i < converted_.size(); ++i) {
        const Converted& c = converted_[i];
        const bool exists = exist[i];
        if (exists && answer == fw::IDNO) {
            kept_.push_back(c.target);
            continue;
        }
        if (c.complete) {
            if (partsPending) {
                Unplaced(group->Commit());
                group.emplace();
                partsPending = false;
            }
            if (const std::string failure = c.complete(); !failure.empty()) {
                Refuse(c.what + " is not converted: " + failure);
                continue;
            }
        } else {
            partsPending = true;
        }
        if (!c.save())
            Refuse(c.what + " could not be saved to " + c.target + ".");
        else
            (exists ? replaced_ : written_).push_back(c.target);
    }
    Unplaced(group->Commit());
}

void LegacyConversion::Unplaced(const std::vector<fw::FileException>& failures)
{
    for (const fw::FileException& failure : failures) {
        const std::string& target = failure.fileName();
        for (std::vector<std::string>* saved : {&written_, &replaced_})
            std::erase_if(*saved, [&](const std::string& t) { return fw::EqualsNoCase1252(t, target); });
        const auto converted = targets_.find(fw::Upper1252(target));
        const std::string what = converted == targets_.end() ? target : converted_[converted->second].what;
        Refuse(what + " could not be saved to " + target + ": " + failure.what());
    }
}

std::string LegacyConversion::EndList() const
{
    std::string text = cancelled_ ? "The conversion was cancelled." : "The conversion has ended.";
    if (written_.empty() && replaced_.empty())
        text += " No file was written.";
    text += Section("Written", written_) + Section("Replaced", replaced_) +
            Section("Kept as they were, not replaced", kept_) + Section("Not converted", problems_);
    std::vector<std::string> tools;
    for (const MissingTool& m : missingTools_)
        tools.push_back(m.name + ", used by " + Users(m.users));
    return text + Section("Tools not in the tool catalogue, kept as the records describe them", tools);
}

void LegacyConversion::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    SaveAll();
    const bool troubled = !problems_.empty() || !missingTools_.empty();
    fw::ShowMessage(EndList(), fw::MB_OK | (troubled ? fw::MB_ICONEXCLAMATION : fw::MB_ICONINFORMATION));
}
