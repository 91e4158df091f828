#include "shell/ui/ReportView.h"

#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "shell/CommandGuard.h"
#include "shell/FileNameList.h"
#include "shell/VarnexStrings.h"
#include "shell/ui/NewItemDlg.h"
#include "shell/ui/RenamePartDlg.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

#include <set>

namespace {

using namespace reportcmd;

const char* const kPartExtension = ".prt";
const char* const kMultExtension = ".mlt";

} // namespace

CReportView::CReportView(QWidget* parent) : CListViewEx(parent)
{
    setModel(&model_);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        GuardCommand("CReportView::OnColumnClick", [&] { OnColumnClick(column); });
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        GuardCommand("CReportView::OnLButtonDblClk", [&] { OnDoubleClick(index); });
    });
}

void CReportView::SetDispatcher(Dispatcher dispatcher)
{
    if (dispatcher)
        dispatcher_ = std::move(dispatcher);
}

void CReportView::Fill(ReportKind kind, const std::string& path)
{
    model_.Fill(kind, path, ListReport(kind, path));
    const std::vector<ReportColumn>& columns = ReportColumns(kind);
    for (std::size_t i = 0; i < columns.size(); ++i)
        setColumnWidth(int(i), columns[i].width);
}

std::vector<std::string> CReportView::SelectedNames() const
{
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.insert(index.row());
    std::vector<std::string> names;
    for (int row : rows)
        names.push_back(model_.Row(row).name);
    return names;
}

std::string CReportView::ClickedName() const
{
    const QModelIndex index = indexAt(contextPoint_);
    return index.isValid() ? model_.Row(index.row()).name : std::string();
}

void CReportView::Dispatch(int code, std::optional<std::string> path)
{
    if (dispatcher_)
        dispatcher_(code, std::move(path));
}

void CReportView::Refresh()
{
    Dispatch(ReportRefreshCode(Kind()), Folder());
}

void CReportView::AddCommands(QMenu& menu, std::initializer_list<std::pair<const char*, unsigned>> items)
{
    for (const auto& [text, command] : items) {
        if (!text) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromLatin1(text));
        const unsigned id = command;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
}

std::unique_ptr<QMenu> CReportView::ContextMenu(const QPoint& point)
{
    contextPoint_ = point;
    auto menu = std::make_unique<QMenu>();
    const QModelIndex hit = indexAt(point);
    if (!hit.isValid()) {
        const std::vector<std::string> names = SelectedNames();
        const bool typeMenu = names.size() == 1 &&
                              (ClassifyReportPath(fw::WinPath::Join(Folder(), names[0]), model_.Folders()) == ReportItem::part ||
                               ClassifyReportPath(fw::WinPath::Join(Folder(), names[0]), model_.Folders()) == ReportItem::mult);
        if (typeMenu) {
            AddCommands(*menu, {{"Show &All Files", showAll}, {"Show &Part Files", showParts}, {"Show &Mult Files", showMults},
                                {nullptr, 0}, {"&Details", details}, {"&Refresh", refreshReport}});
        } else {
            AddCommands(*menu, {{"&New", newFolder}, {"&Details", details}, {"&Refresh", refreshFolder}});
        }
        return menu;
    }
    if (!selectionModel()->isRowSelected(hit.row(), {}))
        selectRow(hit.row());
    switch (ClassifyReportPath(model_.PathOf(hit.row()), model_.Folders())) {
    case ReportItem::part: {
        AddCommands(*menu, {{"&Open", partsOpen}, {"&New", partsNew}, {"&Run", partRun}, {"O&pposite", partsOpposite},
                            {"Re&name", renamePart}, {"&Delete", deleteFiles}, {nullptr, 0}});
        QMenu* print = menu->addMenu(QStringLiteral("&Print"));
        AddCommands(*print, {{"&Standard", partsPrintStandard}, {"&Custom", partsPrintCustom}});
        AddCommands(*menu, {{"Create &Legacy Shop Disk", partsShopDisk}, {"Read Legacy &Files", readLegacy}});
        break;
    }
    case ReportItem::mult: {
        AddCommands(*menu, {{"&Open", multsOpen}, {"&New", multsNew}, {"&Run", multRun}, {"&Delete", deleteFiles}, {nullptr, 0}});
        QMenu* print = menu->addMenu(QStringLiteral("&Print"));
        AddCommands(*print, {{"&Standard", multsPrintStandard}, {"&Custom", multsPrintCustom}});
        AddCommands(*menu, {{"Create &Legacy Shop Disk", multsShopDisk}, {"Read Legacy &Files", multsReadLegacy}});
        break;
    }
    case ReportItem::job: {
        AddCommands(*menu, {{"&Navigate", navigate}, {"&New", newFolder}, {"&Refresh", refreshFolder}, {"&Delete", deleteFiles}});
        QMenu* disk = menu->addMenu(QStringLiteral("&Legacy Shop Disk"));
        AddCommands(*disk, {{"Create &Parts", jobsPartsDisk}, {"Create &Mults", jobsMultsDisk}});
        AddCommands(*menu, {{"Read Legacy &Files", readLegacy}});
        break;
    }
    case ReportItem::machine:
        AddCommands(*menu, {{"&Open", partsOpen}, {"&New", machinesNew}, {"&Delete", deleteFiles}});
        break;
    case ReportItem::tool:
        AddCommands(*menu, {{"&Open", partsOpen}, {"&New", toolsNew}, {"&Delete", deleteFiles}});
        break;
    case ReportItem::shape:
        AddCommands(*menu, {{"&Open", partsOpen}, {"&New", shapesNew}, {"&Delete", deleteFiles}, {"Read Legacy &Files", readLegacy}});
        break;
    default: {
        AddCommands(*menu, {{"&Navigate", navigate}, {"&New", newFolder}, {"&Refresh", refreshFolder}, {"&Delete", deleteFiles}});
        QMenu* disk = menu->addMenu(QStringLiteral("&Legacy Shop Disk"));
        AddCommands(*disk, {{"Create &Parts", groupsPartsDisk}, {"Create &Mults", groupsMultsDisk}});
        AddCommands(*menu, {{"Read Legacy &Files", readLegacy}});
        break;
    }
    }
    return menu;
}

void CReportView::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint point = viewport()->mapFromGlobal(event->globalPos());
    std::unique_ptr<QMenu> menu = ContextMenu(point);
    menu->exec(event->globalPos());
}

void CReportView::RunCommand(unsigned command)
{
    GuardCommand("CReportView::" + ReportCommandHandler(command), [&] {
        if (std::optional<NavRequest> request = ReportNavRequest(command, *this)) {
            Dispatch(request->code, std::move(request->path));
            return;
        }
        switch (command) {
        case newFolder: OnNewFolder(); break;
        case deleteFiles: OnDelete(); break;
        case renamePart: OnRenamePart(); break;
        case groupsPartsDisk: OnShopDisk(false, true); break;
        case groupsMultsDisk: OnShopDisk(false, false); break;
        case jobsPartsDisk: OnShopDisk(true, true); break;
        case jobsMultsDisk: OnShopDisk(true, false); break;
        default: break;
        }
    });
}

void CReportView::OnColumnClick(int column)
{
    model_.SortBy(column, ReportSortDirection::Toggle());
}

void CReportView::OnDoubleClick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const std::string path = model_.PathOf(index.row());
    const bool folder = fw::FileSystem::IsFolder(path);
    Dispatch(nav::Code(folder ? nav::Action::listFiles : nav::Action::open, nav::Object::none), path);
}

void CReportView::OnNewFolder()
{
    CNewItemDlg dialog({}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string path = fw::WinPath::Join(Folder(), dialog.GetName());
    try {
        fw::FileSystem::CreateFolders(fw::WinPath::Join(path, "x"));
    } catch (const std::exception&) {
        fw::ShowMessage("The folder " + path + " could not be created.", fw::MB_OK | fw::MB_ICONEXCLAMATION);
    }
    Dispatch(nav::Code(nav::Action::listFiles, nav::Object::none), Folder());
}

void CReportView::OnDelete()
{
    const std::vector<std::string> names = SelectedNames();
    if (names.empty() || !trash_)
        return;
    const std::string question = names.size() == 1 ? "Move " + names[0] + " to the trash?"
                                                    : "Move these " + std::to_string(names.size()) + " items to the trash?";
    if (fw::ShowMessage(question, fw::MB_YESNO | fw::MB_ICONQUESTION) != fw::IDYES)
        return;
    std::vector<std::string> failed;
    for (const std::string& name : names) {
        const std::string path = fw::WinPath::Join(Folder(), name);
        if (!trash_->MoveToTrash(path))
            failed.push_back(path);
    }
    if (!failed.empty())
        fw::ShowMessage("Error while deleting files " + failed.front() +
                            (failed.size() > 1 ? " and " + std::to_string(failed.size() - 1) + " more" : std::string()),
                        fw::MB_OK | fw::MB_ICONEXCLAMATION);
    Refresh();
}

void CReportView::OnRenamePart()
{
    const std::string name = ClickedName();
    if (name.empty() || !trash_)
        return;
    const std::string oldPath = fw::WinPath::Join(Folder(), name);
    CRenamePartDlg dialog(std::string(fw::WinPath::Title(oldPath)), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PartRenameResult result = RenamePartFile(oldPath, dialog.GetNewName(), *trash_);
    switch (result.status) {
    case PartRenameResult::unchanged: return;
    case PartRenameResult::invalidName:
        fw::ShowMessage("A part name is 1 to 10 characters that can name a file.", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    case PartRenameResult::exists:
        fw::ShowMessage(result.newPath + " already exists.", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    case PartRenameResult::unreadable:
        fw::ShowMessage(LoadVarnexString(ids::IDS_FILE_NOT_FOUND) + ": " + oldPath + " could not be read.",
                        fw::MB_OK | fw::MB_ICONHAND);
        return;
    case PartRenameResult::saveFailed:
        fw::ShowMessage("The part could not be saved as " + result.newPath + "; " + oldPath + " is kept.",
                        fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    case PartRenameResult::oldKept:
        fw::ShowMessage("Error while deleting files " + oldPath, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        break;
    default: break;
    }
    Refresh();
}

void CReportView::OnShopDisk(bool jobs, bool parts)
{
    std::vector<std::string> paths;
    for (const std::string& name : SelectedNames())
        paths.push_back(fw::WinPath::Join(Folder(), name));
    const std::string extension = parts ? kPartExtension : kMultExtension;
    const std::string list = jobs ? JobFilePatterns(paths, extension) : GroupFilePatterns(paths, extension);
    Dispatch(nav::Code(nav::Action::shopDisk, parts ? nav::Object::part : nav::Object::mult), list);
}
