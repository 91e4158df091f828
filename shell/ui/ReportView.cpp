#include "shell/ui/ReportView.h"

#include "fw/core/DriveMap.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"
#include "shell/CommandGuard.h"
#include "shell/FileNameList.h"
#include "shell/ReportDoc.h"
#include "shell/VarnexStrings.h"
#include "shell/ui/ChooseDriveDlg.h"
#include "shell/ui/NewItemDlg.h"
#include "shell/ui/RenamePartDlg.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStackedLayout>

#include <algorithm>
#include <set>

namespace {

using namespace reportcmd;

const char* const kPartExtension = ".prt";
const char* const kMultExtension = ".mlt";

} // namespace

CReportView::CReportView(QWidget* parent)
    : QWidget(parent), table_(new CListViewEx(this)), icons_(new QListView(this)), stack_(new QStackedLayout(this))
{
    table_->setModel(&model_);
    icons_->setModel(&model_);
    icons_->setSelectionModel(table_->selectionModel());
    icons_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    icons_->setMovement(QListView::Static);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setWrapping(true);
    stack_->addWidget(table_);
    stack_->addWidget(icons_);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(table_), static_cast<QAbstractItemView*>(icons_)}) {
        view->setDragEnabled(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        view->setContextMenuPolicy(Qt::DefaultContextMenu);
        connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
            GuardCommand("CReportView::OnLButtonDblClk", [&] { OnDoubleClick(index); });
        });
    }
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSortIndicatorShown(false);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        GuardCommand("CReportView::OnColumnClick", [&] { OnColumnClick(column); });
    });
    setFocusProxy(table_);
    drivePicker_ = [this]() -> std::optional<std::string> {
        CChooseDriveDlg dialog(fw::DriveMap::Instance().Drives(), this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.GetDrive();
    };
}

CReportView::~CReportView()
{
    if (fw::Document* document = GetDocument())
        document->RemoveView(this);
}

void CReportView::SetDispatcher(Dispatcher dispatcher)
{
    if (dispatcher)
        dispatcher_ = std::move(dispatcher);
}

void CReportView::SetDrivePicker(DrivePicker picker)
{
    if (picker)
        drivePicker_ = std::move(picker);
}

CReportDoc* CReportView::Document() const
{
    return dynamic_cast<CReportDoc*>(GetDocument());
}

void CReportView::OnUpdate(fw::View*, long hint, fw::Object*)
{
    model_.Show(Document());
    if (hint == CReportDoc::hintSorted)
        return;
    SetColumnWidths();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && Document())
        frame->setWindowTitle(fw::ToQString(Document()->GetTitle()));
}

void CReportView::CloseFrame()
{
    model_.Show(nullptr);
    if (fw::Document* document = GetDocument())
        document->RemoveView(this);
    // The frame goes once the running call is over: the caller may be this view (Refresh).
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && !frame->property("closing").toBool()) {
        frame->setProperty("closing", true);
        frame->hide();
        frame->deleteLater();
    }
}

void CReportView::SetColumnWidths()
{
    // The stated width, wider where the heading or a row needs it.
    const std::vector<ReportColumn>& columns = ReportColumns(Kind());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = int(i);
        const QAbstractItemView& view = *table_;   // the row hint is public there
        const int needed = std::max(view.sizeHintForColumn(column), table_->horizontalHeader()->sectionSizeHint(column));
        table_->setColumnWidth(column, std::max(columns[i].width, needed));
    }
}

void CReportView::SetViewMode(ReportViewMode mode)
{
    mode_ = mode;
    if (mode == ReportViewMode::details) {
        stack_->setCurrentWidget(table_);
        setFocusProxy(table_);
        return;
    }
    const bool large = mode == ReportViewMode::icons;
    const int side = large ? 32 : 16;
    icons_->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    icons_->setFlow(mode == ReportViewMode::list ? QListView::TopToBottom : QListView::LeftToRight);
    icons_->setIconSize(QSize(side, side));
    icons_->setGridSize(large ? QSize(96, 64) : mode == ReportViewMode::tiles ? QSize(180, 24) : QSize());
    icons_->setSpacing(large ? 0 : 2);
    icons_->setWordWrap(large);
    icons_->setMovement(QListView::Static);
    icons_->setWrapping(true);
    stack_->setCurrentWidget(icons_);
    setFocusProxy(icons_);
}

QAbstractItemView& CReportView::ItemView() const
{
    if (mode_ == ReportViewMode::details)
        return *table_;
    return *icons_;
}

std::vector<std::string> CReportView::SelectedNames() const
{
    std::set<int> rows;
    for (const QModelIndex& index : Selection().selectedIndexes())
        rows.insert(index.row());
    std::vector<std::string> names;
    for (int row : rows)
        names.push_back(model_.Row(row).name);
    return names;
}

std::string CReportView::ClickedName() const
{
    const QModelIndex index = ItemView().indexAt(contextPoint_);
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
        // Run greys with the navigator's while the machine side takes no runs.
        if ((id == partRun || id == multRun) && runEnabled_)
            action->setEnabled(runEnabled_());
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
}

std::unique_ptr<QMenu> CReportView::ContextMenu(const QPoint& point)
{
    contextPoint_ = point;
    auto menu = std::make_unique<QMenu>();
    const QModelIndex hit = ItemView().indexAt(point);
    if (!hit.isValid()) {
        const std::vector<std::string> names = SelectedNames();
        const bool typeMenu = names.size() == 1 &&
                              (ClassifyReportPath(fw::WinPath::Join(Folder(), names[0]), model_.Folders()) == ReportItem::part ||
                               ClassifyReportPath(fw::WinPath::Join(Folder(), names[0]), model_.Folders()) == ReportItem::mult);
        if (typeMenu) {
            AddCommands(*menu, {{"Show &All Files", showAll}, {"Show &Part Files", showParts}, {"Show &Mult Files", showMults},
                                {nullptr, 0}});
            AddViewMenu(*menu);
            AddCommands(*menu, {{"&Refresh", refreshReport}});
        } else {
            AddCommands(*menu, {{"&New", newFolder}});
            AddViewMenu(*menu);
            AddCommands(*menu, {{"&Refresh", refreshFolder}});
        }
        return menu;
    }
    if (!Selection().isSelected(model_.index(hit.row(), 0)))
        Selection().select(hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    switch (ClassifyReportPath(model_.PathOf(hit.row()), model_.Folders())) {
    case ReportItem::part: {
        AddCommands(*menu, {{"&Open", partsOpen}, {"&New", partsNew}, {"&Run", partRun}, {"O&pposite", partsOpposite},
                            {"Re&name", renamePart}, {"&Delete", deleteFiles}, {"&Copy Part File", copyPart},
                            {nullptr, 0}});
        QMenu* print = menu->addMenu(QStringLiteral("&Print"));
        AddCommands(*print, {{"&Standard", partsPrintStandard}, {"&Custom", partsPrintCustom}});
        AddCommands(*menu, {{"Create &Legacy Shop Disk", partsShopDisk}, {"Read Legacy &Files", readLegacy}});
        break;
    }
    case ReportItem::mult: {
        AddCommands(*menu, {{"&Open", multsOpen}, {"&New", multsNew}, {"&Run", multRun}, {"&Delete", deleteFiles},
                            {"&Copy Mult File", copyMult}, {nullptr, 0}});
        QMenu* print = menu->addMenu(QStringLiteral("&Print"));
        AddCommands(*print, {{"&Standard", multsPrintStandard}, {"&Custom", multsPrintCustom}});
        AddCommands(*menu, {{"Create &Legacy Shop Disk", multsShopDisk}, {"Read Legacy &Files", multsReadLegacy}});
        break;
    }
    case ReportItem::job: {
        AddCommands(*menu, {{"&Navigate", navigate}, {"&New", newFolder}, {"&Refresh", refreshFolder}, {"&Delete", deleteFiles},
                            {"&Copy All Files", copyJob}});
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
        AddCommands(*menu, {{"&Navigate", navigate}, {"&New", newFolder}, {"&Refresh", refreshFolder}, {"&Delete", deleteFiles},
                            {"&Copy All Files", copyGroup}});
        QMenu* disk = menu->addMenu(QStringLiteral("&Legacy Shop Disk"));
        AddCommands(*disk, {{"Create &Parts", groupsPartsDisk}, {"Create &Mults", groupsMultsDisk}});
        AddCommands(*menu, {{"Read Legacy &Files", readLegacy}});
        break;
    }
    }
    return menu;
}

void CReportView::AddViewMenu(QMenu& menu)
{
    QMenu* view = menu.addMenu(QStringLiteral("&View"));
    AddCommands(*view, {{"&Details", details}, {"&Icons", viewIcons}, {"&List", viewList}, {"&Tiles", viewTiles}});
    const ReportViewMode modes[] = {ReportViewMode::details, ReportViewMode::icons, ReportViewMode::list, ReportViewMode::tiles};
    const QList<QAction*> actions = view->actions();
    for (int i = 0; i < actions.size(); ++i) {
        actions[i]->setCheckable(true);
        actions[i]->setChecked(modes[i] == mode_);
    }
}

void CReportView::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint point = ItemView().viewport()->mapFromGlobal(event->globalPos());
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
        case copyPart:
        case copyMult:
        case copyGroup:
        case copyJob: OnCopyToDrive(command); break;
        case viewIcons: SetViewMode(ReportViewMode::icons); break;
        case viewList: SetViewMode(ReportViewMode::list); break;
        case viewTiles: SetViewMode(ReportViewMode::tiles); break;
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
    if (CReportDoc* document = Document())
        document->SortBy(column);
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
    const PartRenameResult result = RenamePartFile(oldPath, dialog.GetNewName(), trash_);
    ShowRenameOutcome(result, oldPath);
    if (result.status == PartRenameResult::renamed || result.status == PartRenameResult::oldKept ||
        result.status == PartRenameResult::blank)
        Refresh();
}

void CReportView::OnCopyToDrive(unsigned command)
{
    if (SelectedNames().empty())
        return;
    if (const std::optional<std::string> drive = drivePicker_())
        CopyReportRows(command, *this, files_, *drive);
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
