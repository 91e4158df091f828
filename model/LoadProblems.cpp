#include "model/LoadProblems.h"

#include "fw/core/Document.h"
#include "fw/core/MessageService.h"

#include <algorithm>

LoadProblem FileLoadProblem(LoadProblem::Kind kind, const std::string& path, std::exception_ptr error, bool beep)
{
    return {kind, fw::SaveLoadErrorText(path, error), {}, fw::MB_OK | fw::MB_ICONEXCLAMATION, beep};
}

void ReportLoadProblems(const LoadProblems& problems)
{
    for (const LoadProblem& problem : problems) {
        if (problem.beep)
            fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
        if (problem.caption.empty())
            fw::ShowMessage(problem.text, problem.type);
        else
            fw::Messages().MessageBox(problem.text, problem.caption, problem.type);
    }
}

bool HasLoadProblem(const LoadProblems& problems, LoadProblem::Kind kind)
{
    return std::any_of(problems.begin(), problems.end(), [kind](const LoadProblem& p) { return p.kind == kind; });
}
