// CVarnexApp::CreateOpposites: the opposite-hand parts of a list of part files.

#include "shell/VarnexApp.h"

#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "partprog/PartDoc.h"
#include "shell/FileNameList.h"

#include <cctype>

namespace {

constexpr std::size_t kLongestMarkToSuffix = 8;

// The mark of the next part once "Do all names similarly" is set: a hand suffix swapped, or '-'
// and the remembered hand appended; nothing when the mark is too long for a suffix.
std::optional<std::string> AutomaticMark(std::string mark, char hand)
{
    if (mark.size() >= 2 && mark[mark.size() - 2] == '-') {
        const char last = char(std::toupper(static_cast<unsigned char>(mark.back())));
        if (last == 'R' || last == 'L') {
            mark.back() = last == 'R' ? 'L' : 'R';
            return mark;
        }
    }
    if (mark.size() > kLongestMarkToSuffix)
        return std::nullopt;
    return mark + '-' + hand;
}

void Tell(const std::string& text)
{
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

} // namespace

void CVarnexApp::CreateOpposites(const std::string& list)
{
    const CFileNameList names(list);
    if (names.IsEmpty())
        return;
    MarkDialog& dialog = services_.markDialog;
    CPartDoc part;
    bool automatic = false;
    char hand = ' ';
    for (CFileNameList::Position pos = names.GetHeadPosition(); pos;) {
        const std::string file = names.GetNext(pos);
        part.DeleteContents();
        part.SetPathName(file, false);
        if (!part.LoadPart(file) || !part.GetPartShape()) {
            Tell("The part file " + file + " could not be read; no further opposite-hand parts are made.");
            return;
        }
        PartRecord record = part.GetPartRecord();
        std::optional<std::string> mark;
        if (!automatic) {
            const std::optional<MarkAnswer> answer = dialog.AskMark("Change Mark", record.mark);
            if (!answer)
                continue;
            mark = answer->mark;
            hand = answer->hand;
            automatic = answer->doAllSimilarly;
        } else if (!(mark = AutomaticMark(record.mark, hand))) {
            const std::optional<MarkAnswer> answer = dialog.AskMark("Mark to long", record.mark);
            if (!answer)
                continue;
            mark = answer->mark;
        }
        // A mark whose part file exists is asked again; one that cannot name a file is refused.
        bool skipped = false;
        for (record.mark = *mark;;) {
            if (!part.SetPartRecord(record)) {
                Tell("No opposite-hand part is made of " + file + ": the mark \"" + record.mark + "\" is refused. " +
                     CPartDoc::kInvalidName);
                skipped = true;
                break;
            }
            if (!fw::FileSystem::Exists(part.GetPartFilePath()))
                break;
            const std::optional<MarkAnswer> answer = dialog.AskMark("Part Already exists", record.mark);
            if (!answer) {
                skipped = true;
                break;
            }
            record.mark = answer->mark;
        }
        if (skipped)
            continue;
        part.MirrorShape();
        if (!part.SaveDocument())
            Tell("The opposite-hand part " + part.GetPartFilePath() + " could not be saved.");
    }
}
