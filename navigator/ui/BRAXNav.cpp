#include "navigator/ui/BRAXNav.h"

#include "fw/core/DriveMap.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"
#include "navigator/DataFormats.h"
#include "navigator/NavNames.h"
#include "navigator/NavPropertyStream.h"
#include "navigator/ui/NavTree.h"
#include "navigator/ui/TreeItem.h"

#include <QApplication>
#include <QDrag>
#include <QFile>
#include <QFont>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

using nav::ItemKind;

constexpr int kRefreshDelayMs = 150;
constexpr const char* kListingCaption = "BRAX Navigator Control";

QString Q(const std::string& text) { return fw::ToQString(text); }

// Moves a file or folder to the trash; the reason when it could not.
std::string MoveToTrash(const std::string& winPath)
{
    try {
        const QString native = QString::fromStdString(fw::DriveMap::Instance().ToNative(winPath).string());
        if (!QFile::exists(native))
            return "\"" + winPath + "\" is no longer there.";
        if (!QFile::moveToTrash(native))
            return "\"" + winPath + "\" could not be moved to the trash, so it was not deleted.";
        return {};
    } catch (const std::exception& e) {
        return "\"" + winPath + "\": " + e.what();
    }
}

CBRAXNav::DragRunner& DragRunnerSlot()
{
    static CBRAXNav::DragRunner runner;
    return runner;
}

} // namespace

CBRAXNav::DragRunner CBRAXNav::SetDragRunner(DragRunner runner)
{
    DragRunner previous = std::move(DragRunnerSlot());
    DragRunnerSlot() = std::move(runner);
    return previous;
}

CBRAXNav::CBRAXNav(QWidget* parent)
    : QWidget(parent),
      copier_([](const std::vector<std::string>& existing) {
          return fw::Messages().MessageBox("These files exist already:\n" + fw::MessageLines(existing) + "\n\nReplace them?",
                                           "Files", fw::MB_YESNO | fw::MB_ICONQUESTION | fw::MB_DEFBUTTON2) ==
                 fw::IDYES;
      }),
      tree_(new NavTree(*this, this))
{
    qRegisterMetaType<nav::NavEvent>();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(15);
    tree_->setFont(font);
    setFocusProxy(tree_);

    root_ = new CTreeItem(*this, Listing().Root());
    root_->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    tree_->addTopLevelItem(root_);
    connect(tree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { BuildChildren(static_cast<CTreeItem*>(item)); });
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        qDeleteAll(item->takeChildren());
        UpdateWatches();
    });
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshDelayMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &CBRAXNav::OnFolderChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { refreshTimer_.start(); });
    // While a drag rests in an edge zone the tree goes on scrolling without further moves.
    dragClock_.start();
    // A press held still past the drag delay starts a drag as moving away does.
    dragDelay_.setSingleShot(true);
    connect(&dragDelay_, &QTimer::timeout, this, [this] { StartDrag(); });
    dragScrollTimer_.setInterval(scroller_.Settings().scrollDelayMs);
    connect(&dragScrollTimer_, &QTimer::timeout, this, [this] { OnDragScroll(dragScrollPos_); });
}

CBRAXNav::~CBRAXNav()
{
    // Items report their end to the control while it still stands.
    delete tree_->takeTopLevelItem(0);
}

QTreeWidget& CBRAXNav::Tree() { return *tree_; }

void CBRAXNav::SetDescriber(nav::ItemDescriber* describer)
{
    cache_ = describer ? std::make_unique<nav::DescriptionCache>(*describer) : nullptr;
}

nav::TreeListing CBRAXNav::Listing() const { return nav::TreeListing(properties_, driveType_, cache_.get()); }

nav::NavDialogs& CBRAXNav::Dialogs()
{
    if (dialogs_)
        return *dialogs_;
    if (!ownDialogs_)
        ownDialogs_ = std::make_unique<nav::StandardNavDialogs>(window(), driveType_);
    return *ownDialogs_;
}

void CBRAXNav::SaveProperties(fw::Archive& ar) const { nav::WriteProperties(ar, properties_); }

void CBRAXNav::LoadProperties(fw::Archive& ar) { properties_ = nav::ReadProperties(ar, properties_); }

void CBRAXNav::ItemCreated(CTreeItem* item) { live_.insert(item); }

void CBRAXNav::ItemDestroyed(CTreeItem* item)
{
    live_.erase(item);
    if (context_ == item)
        context_ = nullptr;
    if (dragItem_ == item)
        dragItem_ = nullptr;
    if (highlight_ == item)
        highlight_ = nullptr;
}

void CBRAXNav::ExpandRoot() { root_->setExpanded(true); }

CTreeItem* CBRAXNav::Expand(CTreeItem* item)
{
    if (item)
        item->setExpanded(true);
    return item;
}

// ---- Children and refresh ----

CTreeItem* CBRAXNav::AddChild(CTreeItem* parent, nav::ItemSpec spec)
{
    auto* item = new CTreeItem(*this, std::move(spec));
    // Keep the children sorted by text, ignoring case; the root keeps its drives-then-catalogs order.
    int at = parent->childCount();
    if (parent != root_)
        while (at > 0 && nav::TextLess(item->Spec().text, parent->Child(at - 1)->Spec().text))
            --at;
    parent->insertChild(at, item);
    UpdateIndicator(item);
    return item;
}

void CBRAXNav::UpdateIndicator(CTreeItem* item)
{
    bool has = false;
    try {
        has = Listing().HasChildren(item->Spec());
    } catch (const std::exception&) {
        has = false;
    }
    item->setChildIndicatorPolicy(has ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicator);
}

void CBRAXNav::BuildChildren(CTreeItem* item)
{
    if (!item || item->childCount() > 0)
        return;
    try {
        for (nav::ItemSpec& spec : Listing().Children(item->Spec()))
            AddChild(item, std::move(spec));
    } catch (const std::exception& e) {
        ShowListingError(e);
    }
    UpdateWatches();
}

void CBRAXNav::Refresh(CTreeItem* item)
{
    if (!item || !live_.count(item))
        return;
    if (!item->isExpanded()) {
        UpdateIndicator(item);
        return;
    }
    std::vector<nav::ItemSpec> wanted;
    try {
        wanted = Listing().Children(item->Spec());
    } catch (const std::exception& e) {
        ShowListingError(e);
        return;
    }
    // Children are known by kind and path (a group's two labels share its path; shapes type
    // labels share the shape folder and differ by their prefix).
    const auto keyOf = [](const nav::ItemSpec& spec) {
        return std::to_string(static_cast<int>(spec.kind)) + '\n' + spec.path + '\n' +
               (spec.kind == ItemKind::shapesTypeLabel ? spec.pattern : std::string());
    };
    std::map<std::string, const nav::ItemSpec*> byPath;
    for (const nav::ItemSpec& spec : wanted)
        byPath.emplace(keyOf(spec), &spec);
    // Children that are gone go; the rest take their new text (a changed description).
    for (int i = item->childCount() - 1; i >= 0; --i) {
        CTreeItem* child = item->Child(i);
        const auto found = byPath.find(keyOf(child->Spec()));
        if (found == byPath.end()) {
            delete child;
            continue;
        }
        if (found->second->text != child->Spec().text) {
            item->takeChild(i);
            child->SetText(found->second->text);
            int at = 0;
            while (at < item->childCount() && !nav::TextLess(child->Spec().text, item->Child(at)->Spec().text))
                ++at;
            item->insertChild(at, child);
        }
        byPath.erase(found);
    }
    for (const nav::ItemSpec& spec : wanted)
        if (byPath.count(keyOf(spec)))
            AddChild(item, spec);
    for (int i = 0; i < item->childCount(); ++i)
        Refresh(item->Child(i));
}

void CBRAXNav::RefreshAll()
{
    ++refreshCount_;
    Refresh(root_);
    UpdateWatches();
}

void CBRAXNav::ShowListingError(const std::exception& e)
{
    fw::Messages().MessageBox(e.what(), kListingCaption, fw::MB_OK | fw::MB_ICONINFORMATION);
}

// ---- Folder watching ----

QStringList CBRAXNav::WatchedFolders() const { return watcher_.directories(); }

void CBRAXNav::UpdateWatches()
{
    std::set<QString> wanted;
    const auto watch = [&wanted](const std::string& winFolder) {
        try {
            // A folder that is not there yet is watched through the nearest one that is.
            std::filesystem::path native = fw::DriveMap::Instance().ToNative(winFolder);
            while (!native.empty() && !std::filesystem::is_directory(native) && native != native.parent_path())
                native = native.parent_path();
            if (!native.empty())
                wanted.insert(QString::fromStdString(native.string()));
        } catch (const std::exception&) {
        }
    };
    for (CTreeItem* item : live_) {
        const nav::ItemSpec& spec = item->Spec();
        if (!spec.watched.empty())
            watch(spec.watched);
        // Collapsed items are watched too: their expand indicator follows their folder.
        if (!spec.pattern.empty())
            watch(nav::FolderOfPattern(spec.pattern));
    }
    QStringList remove;
    for (const QString& folder : watcher_.directories())
        if (!wanted.count(folder))
            remove << folder;
    if (!remove.isEmpty())
        watcher_.removePaths(remove);
    QStringList add;
    const QStringList present = watcher_.directories();
    for (const QString& folder : wanted)
        if (!present.contains(folder))
            add << folder;
    if (!add.isEmpty())
        watcher_.addPaths(add);
}

void CBRAXNav::OnFolderChanged() { RefreshAll(); }

// ---- Marks, caret and context ----

CTreeItem* CBRAXNav::CaretItem() const { return static_cast<CTreeItem*>(tree_->currentItem()); }

std::vector<CTreeItem*> CBRAXNav::MarkedItems() const
{
    std::vector<CTreeItem*> marked;
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->isSelected())
            marked.push_back(static_cast<CTreeItem*>(*it));
    return marked;
}

nav::Selection CBRAXNav::CurrentSelection() const
{
    nav::Selection selection;
    for (CTreeItem* item : MarkedItems())
        if (item != root_)
            selection.marks.push_back({item->Kind(), item->Path()});
    if (context_ && context_ != root_)
        selection.context = nav::PathItem{context_->Kind(), context_->Path()};
    if (CTreeItem* caret = CaretItem(); caret && caret != root_)
        selection.caret = nav::PathItem{caret->Kind(), caret->Path()};
    return selection;
}

std::string CBRAXNav::strFileNames(ItemKind kind) const { return CurrentSelection().StrFileNames(kind); }

void CBRAXNav::ClearMarks() { tree_->clearSelection(); }

void CBRAXNav::SetCaret(CTreeItem* item)
{
    tree_->selectionModel()->setCurrentIndex(tree_->indexFromItem(item), QItemSelectionModel::NoUpdate);
}

void CBRAXNav::Toggle(CTreeItem* item)
{
    if (!item)
        return;
    CTreeItem* caret = CaretItem();
    if (extending_ && caret && !nav::SameKind(item->Kind(), caret->Kind()))
        return;
    if (item->isSelected()) {
        item->setSelected(false);
        context_ = nullptr;
    } else {
        item->setSelected(true);
        context_ = item;
    }
    SetCaret(item);
}

void CBRAXNav::MarkSiblings(CTreeItem* item)
{
    if (!item || (item->Kind() != ItemKind::part && item->Kind() != ItemKind::mult) || !item->ParentItem())
        return;
    CTreeItem* parent = item->ParentItem();
    for (int i = 0; i < parent->childCount(); ++i)
        parent->Child(i)->setSelected(true);
}

void CBRAXNav::OnLeftButtonDown(CTreeItem* hit, Qt::KeyboardModifiers modifiers, const QPoint& pos)
{
    dragItem_ = nullptr;
    narrowOnRelease_ = false;
    if (modifiers & Qt::ShiftModifier) {
        ClearMarks();
        extending_ = false;
        Toggle(hit);
        MarkSiblings(context_);
    } else if (modifiers & Qt::ControlModifier) {
        extending_ = true;   // the mark toggles when the button goes up
    } else {
        extending_ = false;
        if (!hit)
            return;
        // A press on a marked item keeps the marks, so that they can be dragged together; a
        // release without a drag leaves the item marked alone.
        if (hit->isSelected()) {
            narrowOnRelease_ = true;
        } else {
            ClearMarks();
            hit->setSelected(true);
        }
        context_ = hit;
        SetCaret(hit);
    }
    if (hit && tree_->visualItemRect(hit).contains(pos)) {
        dragItem_ = hit;
        pressPos_ = pos;
        pressTime_.start();
        dragDelay_.start(scroller_.Settings().delayMs);
    }
}

void CBRAXNav::OnLeftButtonUp(CTreeItem* hit)
{
    dragItem_ = nullptr;
    dragDelay_.stop();
    if (extending_) {
        Toggle(hit);
    } else if (narrowOnRelease_ && hit) {
        ClearMarks();
        hit->setSelected(true);
        context_ = hit;
        SetCaret(hit);
    }
    narrowOnRelease_ = false;
}

void CBRAXNav::OnCaretMoved(CTreeItem* caret)
{
    if (!caret)
        return;
    ClearMarks();
    caret->setSelected(true);
    context_ = caret;
}

void CBRAXNav::OnDragMove(const QPoint& pos)
{
    if (!dragItem_)
        return;
    const bool moved = (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance();
    if (moved || (pressTime_.isValid() && pressTime_.elapsed() > scroller_.Settings().delayMs))
        StartDrag();
}

bool CBRAXNav::OnDoubleClick(CTreeItem* item)
{
    context_ = item;
    switch (item->Kind()) {
    case ItemKind::partsLabel: Fire({nav::EventId::ViewPartReport, item->Path(), {}, 0}); break;
    case ItemKind::multsLabel: Fire({nav::EventId::ViewMultReport, item->Path(), {}, 0}); break;
    case ItemKind::drive:
    case ItemKind::part:
    case ItemKind::mult: break;
    default:
        if (item != root_)
            Fire({nav::EventId::ViewAllReport, item->Path(), {}, 0});
        break;
    }
    if (!live_.count(item))
        return true;
    if (const int open = nav::InfoOf(item->Kind()).openCommand) {
        context_ = item;
        RunCommand(open);
        return true;
    }
    return false;
}

void CBRAXNav::OnDeleteKey()
{
    try {
        const std::vector<std::string> paths = nav::DeletableMarks(CurrentSelection());
        context_ = nullptr;
        DeletePaths(paths, "OnKeyUp");
    } catch (...) {
        ShowUnexpected("OnKeyUp");
    }
}

// ---- Commands ----

std::unique_ptr<QMenu> CBRAXNav::MakeContextMenu(CTreeItem* item)
{
    context_ = item;
    if (!item->isSelected())
        ClearMarks();
    const nav::Popup popup = nav::InfoOf(item->Kind()).popup;
    if (popup == nav::Popup::none)
        return nullptr;
    auto menu = std::make_unique<QMenu>(this);
    std::map<std::string_view, QMenu*> submenus;
    for (const nav::MenuEntry& entry : nav::MenuTable()) {
        if (entry.popup != popup)
            continue;
        QMenu* into = menu.get();
        if (!entry.submenu.empty()) {
            QMenu*& sub = submenus[entry.submenu];
            if (!sub)
                sub = menu->addMenu(QString::fromUtf8(entry.submenu.data(), qsizetype(entry.submenu.size())));
            into = sub;
        }
        QAction* action = into->addAction(QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size())));
        action->setData(entry.id);
        action->setEnabled(properties_.RunMenuEnabled || !nav::IsRunCommand(entry.id));
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
    return menu;
}

void CBRAXNav::ShowContextMenu(CTreeItem* item, const QPoint& globalPos)
{
    if (std::unique_ptr<QMenu> menu = MakeContextMenu(item))
        menu->exec(globalPos);
}

void CBRAXNav::RunCommand(int id)
{
    const std::string parent = context_ && context_->ParentItem() ? context_->ParentItem()->Path() : std::string();
    Carry(nav::PlanCommand(id, CurrentSelection(), parent));
}

void CBRAXNav::Carry(const nav::CommandPlan& plan)
{
    switch (plan.what) {
    case nav::CommandPlan::fire: Fire(plan.event); break;
    case nav::CommandPlan::pickDriveThenFire:
        if (const auto drive = PickDrive()) {
            nav::NavEvent event = plan.event;
            event.second = *drive;
            Fire(event);
        }
        break;
    case nav::CommandPlan::deletePaths: DeletePaths(plan.paths, "DoDelete"); break;
    case nav::CommandPlan::renamePart: RenameContextPart(plan.paths.front()); break;
    case nav::CommandPlan::newFolder: NewFolder(plan.paths.front()); break;
    case nav::CommandPlan::refresh: RefreshAll(); break;
    case nav::CommandPlan::navigate: {
        CTreeItem* item = context_;
        Fire(plan.event);
        if (item && live_.count(item))
            item->setExpanded(true);
        break;
    }
    case nav::CommandPlan::nothing: break;
    }
}

std::optional<std::string> CBRAXNav::PickDrive()
{
    std::optional<std::string> drive = Dialogs().PickDrive();
    if (!drive)
        return std::nullopt;
    const auto root = fw::DriveMap::Instance().Root(fw::WinPath::Drive(*drive));
    if (!root || !std::filesystem::is_directory(*root)) {
        fw::Messages().MessageBox("Drive Not Found! " + *drive + " is not a folder the program can reach.", "Error! ",
                                  fw::MB_OK);
        return std::nullopt;
    }
    return drive;
}

void CBRAXNav::DeletePaths(const std::vector<std::string>& paths, const char* handler)
{
    try {
        if (paths.empty())
            return;
        const std::string question = paths.size() == 1 ? "Move \"" + paths.front() + "\" to the trash?"
                                                       : "Move these " + std::to_string(paths.size()) +
                                                             " items to the trash?\n" + fw::MessageLines(paths);
        if (fw::Messages().MessageBox(question, "Delete Files", fw::MB_YESNO | fw::MB_ICONQUESTION) != fw::IDYES)
            return;
        std::vector<std::string> failures;
        for (const std::string& path : paths)
            if (std::string failure = MoveToTrash(path); !failure.empty())
                failures.push_back(std::move(failure));
        RefreshAll();
        if (!failures.empty())
            fw::Messages().MessageBox(fw::MessageLines(failures), "Delete Files", fw::MB_OK | fw::MB_ICONEXCLAMATION);
    } catch (...) {
        ShowUnexpected(handler);
    }
}

void CBRAXNav::RenameContextPart(const std::string& path)
{
    try {
        const std::string oldName(fw::WinPath::Title(path));
        const std::optional<std::string> typed = Dialogs().AskPartName(oldName);
        if (!typed)
            return;
        const std::string name = nav::TrimName(*typed);
        if (name.empty())
            return;
        if (const std::string fault = nav::CheckFileName(name); !fault.empty()) {
            fw::Messages().MessageBox(fault, "Rename Part", fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return;
        }
        const std::string folder(fw::WinPath::Folder(path));
        const std::string newPath = fw::WinPath::Join(folder, name + std::string(fw::WinPath::Extension(path)));
        if (fw::FileSystem::Exists(newPath)) {
            fw::Messages().MessageBox("\"" + newPath + "\" exists already; the part keeps its name.", "Rename Part",
                                      fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return;
        }
        Fire({nav::EventId::RenamePart, path, name, 0});
        // The old file goes only once the part stands under its new name.
        if (!fw::FileSystem::Exists(newPath)) {
            fw::Messages().MessageBox("The part was not written as \"" + newPath + "\"; \"" + path + "\" is kept.",
                                      "Rename Part", fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return;
        }
        if (const std::string failure = MoveToTrash(path); !failure.empty())
            fw::Messages().MessageBox(failure, "Rename Part", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        Fire({nav::EventId::ViewAllReport, folder, {}, 0});
        RefreshAll();
    } catch (...) {
        ShowUnexpected("OnRenamePart");
    }
}

void CBRAXNav::NewFolder(const std::string& parent)
{
    const std::optional<std::string> name = Dialogs().AskNewName();
    if (!name || !nav::CheckFolderName(*name).empty())
        return;
    const std::string folder = fw::WinPath::Join(parent, *name);
    try {
        fw::FileSystem::CreateFolders(folder + "\\");
    } catch (const fw::FileException& e) {
        fw::Messages().MessageBox("\"" + folder + "\" could not be made: " + e.what(), kListingCaption, fw::MB_OK);
    }
    RefreshAll();
}

void CBRAXNav::ShowUnexpected(const char* handler)
{
    fw::Messages().MessageBox(std::string("Unexpected error CBRAXNav::") + handler, "ERROR", fw::MB_OK | fw::MB_ICONHAND);
}

// ---- Events ----

void CBRAXNav::Fire(const nav::NavEvent& event)
{
    using E = nav::EventId;
    using PathSignal = void (CBRAXNav::*)(const QString&);
    using TwoSignal = void (CBRAXNav::*)(const QString&, const QString&);
    static const std::map<E, PathSignal> pathSignals{
        {E::CreatePart, &CBRAXNav::CreatePart}, {E::OpenPart, &CBRAXNav::OpenPart},
        {E::PrintStandardPart, &CBRAXNav::PrintStandardPart}, {E::PrintFullPart, &CBRAXNav::PrintFullPart},
        {E::OppositePart, &CBRAXNav::OppositePart}, {E::CreateMult, &CBRAXNav::CreateMult},
        {E::OpenMult, &CBRAXNav::OpenMult}, {E::PrintStandardMult, &CBRAXNav::PrintStandardMult},
        {E::PrintFullMult, &CBRAXNav::PrintFullMult}, {E::CreateShape, &CBRAXNav::CreateShape},
        {E::OpenShape, &CBRAXNav::OpenShape}, {E::PrintShape, &CBRAXNav::PrintShape},
        {E::CreateTool, &CBRAXNav::CreateTool}, {E::OpenTool, &CBRAXNav::OpenTool},
        {E::PrintTool, &CBRAXNav::PrintTool}, {E::CreateMachine, &CBRAXNav::CreateMachine},
        {E::OpenMachine, &CBRAXNav::OpenMachine}, {E::PrintMachine, &CBRAXNav::PrintMachine},
        {E::RunPart, &CBRAXNav::RunPart}, {E::RunMult, &CBRAXNav::RunMult},
        {E::ViewAllReport, &CBRAXNav::ViewAllReport}, {E::ViewPartReport, &CBRAXNav::ViewPartReport},
        {E::ViewMultReport, &CBRAXNav::ViewMultReport}, {E::RunMultMultiple, &CBRAXNav::RunMultMultiple},
    };
    static const std::map<E, TwoSignal> twoSignals{
        {E::RenamePart, &CBRAXNav::RenamePart}, {E::RunCopyJob, &CBRAXNav::RunCopyJob},
        {E::RunCopyAllParts, &CBRAXNav::RunCopyAllParts}, {E::RunCopyAllMults, &CBRAXNav::RunCopyAllMults},
        {E::RunCopyGroup, &CBRAXNav::RunCopyGroup}, {E::RunCopyAllGroup, &CBRAXNav::RunCopyAllGroup},
        {E::RunCopyPartFile, &CBRAXNav::RunCopyPartFile}, {E::RunCopyMultFile, &CBRAXNav::RunCopyMultFile},
        {E::RunCopyDiffPartFile, &CBRAXNav::RunCopyDiffPartFile},
        {E::RunCopyDiffMultFile, &CBRAXNav::RunCopyDiffMultFile},
        {E::RunCopyLabelAllGroup, &CBRAXNav::RunCopyLabelAllGroup}, {E::RunCopyDiffGroup, &CBRAXNav::RunCopyDiffGroup},
    };
    Q_EMIT navEvent(event);
    switch (event.id) {
    case E::ReadPartDosDisk: Q_EMIT ReadPartDosDisk(); return;
    case E::ReadMultDosDisk: Q_EMIT ReadMultDosDisk(); return;
    case E::CreatePartDosDisk: Q_EMIT CreatePartDosDisk(Q(event.first), event.type); return;
    case E::CreateMultDosDisk: Q_EMIT CreateMultDosDisk(Q(event.first), event.type); return;
    default: break;
    }
    if (const auto one = pathSignals.find(event.id); one != pathSignals.end())
        Q_EMIT(this->*(one->second))(Q(event.first));
    else if (const auto two = twoSignals.find(event.id); two != twoSignals.end())
        Q_EMIT(this->*(two->second))(Q(event.first), Q(event.second));
}

// ---- Drag and drop ----

std::unique_ptr<QMimeData> CBRAXNav::MakeDragData() const
{
    if (!context_)
        return nullptr;
    const nav::KindInfo& info = nav::InfoOf(context_->Kind());
    if (info.format < 0)
        return nullptr;
    std::vector<std::string> paths;
    for (CTreeItem* item : MarkedItems())
        if (item->Kind() == context_->Kind())
            paths.push_back(item->Path());
    if (paths.empty())
        paths.push_back(context_->Path());
    const std::string payload = nav::EncodePayload(paths);
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(fw::kPathListFormats[std::size_t(info.format)]),
                  QByteArray(payload.data(), qsizetype(payload.size())));
    return data;
}

void CBRAXNav::StartDrag()
{
    CTreeItem* item = dragItem_;
    dragItem_ = nullptr;
    dragDelay_.stop();
    extending_ = false;
    narrowOnRelease_ = false;
    if (!item || !live_.count(item))
        return;
    // The pressed item goes with the marks of its kind.
    item->setSelected(true);
    context_ = item;
    std::unique_ptr<QMimeData> data = MakeDragData();
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data.release());
    // Dragged items are copied where they land, never moved.
    if (const DragRunner& runner = DragRunnerSlot()) {
        runner(*drag);
        drag->deleteLater();
    } else {
        drag->exec(Qt::CopyAction);
    }
}

bool CBRAXNav::OnDragEnter(const QMimeData& data)
{
    dragKind_ = nav::DragKind::none;
    for (const nav::DropFormat& format : nav::kDropFormats)
        if (data.hasFormat(QString::fromLatin1(fw::FormatName(format.format)))) {
            dragKind_ = format.kind;
            break;
        }
    return dragKind_ != nav::DragKind::none;
}

bool CBRAXNav::OnDragOver(CTreeItem* item)
{
    const bool takes = item && nav::TakesDrop(item->Kind(), dragKind_);
    highlight_ = takes ? item : nullptr;
    return takes;
}

void CBRAXNav::OnDragLeave()
{
    highlight_ = nullptr;
    StopDragScroll();
}

void CBRAXNav::OnDragScroll(const QPoint& pos)
{
    const QSize size = tree_->viewport()->size();
    const nav::ScrollStep step = scroller_.Over(pos.x(), pos.y(), size.width(), size.height(), dragClock_.elapsed());
    dragScrollPos_ = pos;
    ScrollTree(step);
    if (!scroller_.InZone())
        dragScrollTimer_.stop();
    else if (!dragScrollTimer_.isActive())
        dragScrollTimer_.start();
}

void CBRAXNav::StopDragScroll()
{
    scroller_.Leave();
    dragScrollTimer_.stop();
}

void CBRAXNav::ScrollTree(const nav::ScrollStep& step)
{
    for (auto [bar, lines] : {std::pair{tree_->horizontalScrollBar(), step.dx}, std::pair{tree_->verticalScrollBar(), step.dy}})
        if (lines)
            bar->setValue(bar->value() + lines * bar->singleStep());
}

bool CBRAXNav::OnDrop(CTreeItem* target, const QMimeData& data)
{
    highlight_ = nullptr;
    StopDragScroll();
    if (!OnDragEnter(data) || !nav::TakesDrop(target->Kind(), dragKind_))
        return false;
    const char* name = nullptr;
    for (const nav::DropFormat& format : nav::kDropFormats)
        if (format.kind == dragKind_)
            name = fw::FormatName(format.format);
    const QByteArray bytes = data.data(QString::fromLatin1(name));
    const std::vector<std::string> paths = nav::DecodePayload(bytes.constData(), std::size_t(bytes.size()));
    if (paths.empty())
        return false;
    // Labels pass the drop to their group.
    CTreeItem* into = target->Kind() == ItemKind::partsLabel || target->Kind() == ItemKind::multsLabel
                          ? target->ParentItem()
                          : target;
    const nav::CopyOutcome outcome = copier_.Copy(nav::DropCopies(into->Kind(), into->Path(), dragKind_, paths));
    if (!outcome.refusals.empty())
        fw::Messages().MessageBox(fw::MessageLines(outcome.refusals), "Files", fw::MB_OK | fw::MB_ICONEXCLAMATION);

    const std::string targetPath = into->Path();
    const std::string drive = targetPath.substr(0, 2);
    const std::string targetFolder = targetPath.ends_with('\\') ? targetPath : targetPath + '\\';
    std::vector<nav::NavEvent> events;
    const auto eachEntry = [&](nav::EventId id, const std::string& second) {
        for (const std::string& path : paths)
            events.push_back({id, path, second, 0});
    };
    const auto files = [&](nav::EventId same, nav::EventId other) {
        const bool sameFolder = fw::EqualsNoCase1252(fw::WinPath::Folder(paths.front()), targetPath);
        if (sameFolder || into->Kind() == ItemKind::drive)
            events.push_back({same, nav::JoinList(paths), drive, 0});
        else
            events.push_back({other, nav::JoinList(paths), targetFolder, 0});
    };
    switch (dragKind_) {
    case nav::DragKind::jobs: eachEntry(nav::EventId::RunCopyJob, drive); break;
    case nav::DragKind::groups: eachEntry(nav::EventId::RunCopyDiffGroup, targetFolder); break;
    case nav::DragKind::groupsLabels: eachEntry(nav::EventId::RunCopyLabelAllGroup, targetFolder); break;
    case nav::DragKind::parts: files(nav::EventId::RunCopyPartFile, nav::EventId::RunCopyDiffPartFile); break;
    case nav::DragKind::mults: files(nav::EventId::RunCopyMultFile, nav::EventId::RunCopyDiffMultFile); break;
    default: break;
    }
    dropping_ = true;
    for (const nav::NavEvent& event : events)
        Fire(event);
    dropping_ = false;
    RefreshAll();
    return true;
}

CTreeItem* CBRAXNav::FindItem(const std::string& path, ItemKind kind) const
{
    for (CTreeItem* item : live_)
        if (item->Path() == path && (kind == ItemKind::any || item->Kind() == kind))
            return item;
    return nullptr;
}
