#include "machmult/ui/AutoMultCommand.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "machmult/AutoMultCandidates.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/AutoMultHost.h"
#include "machmult/ui/AutoMultShapeListView.h"
#include "machmult/ui/AutomultSetupDlg.h"
#include "machmult/ui/ModalRunner.h"

#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace machui {

namespace {

// Without a program to ask through, parts on another drive are left out.
DriveAnswer AskDrive(const std::string& path)
{
    const AutoMultHost& host = GetAutoMultHost();
    if (host.askDrive)
        return host.askDrive(path);
    std::string text = kOtherDrive;
    text.replace(text.find("%1"), 2, path);
    const int answer = fw::ShowMessage(text, fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION);
    return answer == fw::IDYES ? DriveAnswer::yes : answer == fw::IDNO ? DriveAnswer::no : DriveAnswer::cancel;
}

// The setup window: its menus and toolbar over the list of stock choices.
CAutoMultShapeListView* OpenSetupWindow(std::unique_ptr<AutoMultJob> job)
{
    auto* window = new QWidget;
    auto* view = new CAutoMultShapeListView(std::move(job), window);
    auto* menus = new QMenuBar(window);
    QMenu* viewParts = menus->addMenu(QStringLiteral("View &Parts"));
    viewParts->addAction(view->Command(CAutoMultShapeListView::ID_VIEW_PARTS));
    viewParts->addAction(view->Command(CAutoMultShapeListView::ID_EDIT_INFO));
    QMenu* autoMult = menus->addMenu(QStringLiteral("&AutoMult"));
    autoMult->addAction(view->Command(CAutoMultShapeListView::ID_BEGIN_AUTOMULT));
    autoMult->addAction(view->Command(CAutoMultShapeListView::ID_CANCEL_AUTOMULT));
    auto* toolBar = new QToolBar(window);
    toolBar->addActions(view->Commands());
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menus);
    layout->addWidget(toolBar);
    layout->addWidget(view);
    const int rows = 10 * (view->fontMetrics().height() + 4);
    const QSize size(std::max(view->ColumnsWidth() + 2 * view->frameWidth(), toolBar->sizeHint().width()),
                     menus->sizeHint().height() + toolBar->sizeHint().height() + rows);
    view->SetCloser(OpenAutoMultWindow(window, QStringLiteral("Automult Setup"), size, false));
    return view;
}

} // namespace

CAutoMultShapeListView* OnEditAutoMult(CMultDoc& doc)
{
    if (!doc.CommitPendingEdits())
        return nullptr;
    CAutomultSetupDlg setup;
    if (RunModal(setup) != QDialog::Accepted)
        return nullptr;

    std::string sources;
    {
        fw::WaitCursor wait;
        sources = doc.GetPartSourceList(setup.GetPartSource());
    }
    AutoMultGathering how;
    how.askDrive = AskDrive;
    AutoMultGathered gathered = GatherAutoMultJob(doc, sources, how);
    switch (gathered.end) {
    case AutoMultGathered::End::noParts:
        fw::ShowMessage(kNoPartsFound, fw::MB_OK | fw::MB_ICONHAND);
        return nullptr;
    case AutoMultGathered::End::failed:
        fw::ShowMessage(gathered.message, fw::MB_OK | fw::MB_ICONERROR);
        return nullptr;
    case AutoMultGathered::End::cancelled:
        return nullptr;
    case AutoMultGathered::End::ok:
        break;
    }
    // Nothing to mult, but parts that could not be taken: say which and why.
    if (gathered.job->GetChoices().IsEmpty() && !gathered.job->GetLeftOut().empty()) {
        AutoMultSummary left;
        left.left = gathered.job->GetLeftOut();
        fw::ShowMessage(std::string(kNoPartsFound) + "\n" + left.LeftText(), fw::MB_OK | fw::MB_ICONHAND);
        return nullptr;
    }
    CAutoMultShapeListView* view = OpenSetupWindow(std::move(gathered.job));
    doc.SetModifiedFlag(false);
    std::vector<fw::View*> views(doc.GetViews().begin(), doc.GetViews().end());
    for (fw::View* v : views)
        if (v->HoldsEdits())
            v->CloseFrame();
    return view;
}

} // namespace machui
