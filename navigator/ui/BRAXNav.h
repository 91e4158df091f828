#pragma once
// The navigator control: a tree of the drives with their jobs and groups, the part and mult files
// of each group with their descriptions, and the shape, tool and machine catalogs. It opens no
// document: every action that needs the program is one of its events, carrying full paths. It
// lists folders, makes job and group folders, moves files to the trash after asking, copies what
// is dropped on it, and follows changes on disk.
//
// Marks are the tree's selection; the caret is its current item; the context item is the one the
// last right-click, double-click or marking click landed on. Items tell the control when they go,
// so the context, drag and highlight items never outlive them.

#include "navigator/NavigatorExport.h"
#include "navigator/DragScroll.h"
#include "navigator/FileCopier.h"
#include "navigator/ItemDescriber.h"
#include "navigator/NavCommands.h"
#include "navigator/NavEvents.h"
#include "navigator/NavProperties.h"
#include "navigator/TreeListing.h"
#include "navigator/ui/NavDialogs.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CTreeItem;
namespace fw {
class Archive;
}
class NavTree;
class QDrag;
class QMenu;
class QMimeData;
class QTreeWidget;

Q_DECLARE_METATYPE(nav::NavEvent)

class NAVIGATOR_EXPORT CBRAXNav : public QWidget {
    Q_OBJECT
public:
    explicit CBRAXNav(QWidget* parent = nullptr);
    ~CBRAXNav() override;

    // Every drag the tree starts runs through here (by default QDrag::exec), so that a test can
    // take the drag's data and drop it where a user would.
    using DragRunner = std::function<Qt::DropAction(QDrag&)>;
    // Installs a runner (an empty one restores exec) and returns the one it replaces.
    static DragRunner SetDragRunner(DragRunner runner);

    // Properties; folders and extensions take effect on items made afterwards, so the host sets
    // them before ExpandRoot.
    nav::NavProperties& Properties() { return properties_; }
    const nav::NavProperties& Properties() const { return properties_; }
    void SetDriveTypes(nav::DriveTypeOf driveType) { driveType_ = std::move(driveType); }
    // Descriptions of parts and mults come from here (cached); none: the file names alone.
    void SetDescriber(nav::ItemDescriber* describer);
    // Dialogs of the commands; none: the control's own.
    void SetDialogs(nav::NavDialogs* dialogs) { dialogs_ = dialogs; }
    // The persisted properties (switches, labels, extensions) in a container's stream. Loading
    // throws fw::ArchiveException on a stream the control cannot take and then changes nothing.
    void SaveProperties(fw::Archive& ar) const;
    void LoadProperties(fw::Archive& ar);

    // Methods.
    void ExpandRoot();
    std::string strFileNames(nav::ItemKind kind) const;
    void EnableRunMenu(long enable) { properties_.RunMenuEnabled = enable; }
    // Brings the whole expanded tree up to date with the disk.
    void RefreshAll();

    // The tree and its items, for the host and for tests.
    QTreeWidget& Tree();
    CTreeItem* RootItem() const { return root_; }
    // The first live item with this path (and kind, unless any).
    CTreeItem* FindItem(const std::string& path, nav::ItemKind kind = nav::ItemKind::any) const;
    // Expands an item (building its children) and returns it.
    CTreeItem* Expand(CTreeItem* item);
    CTreeItem* ContextItem() const { return context_; }
    CTreeItem* CaretItem() const;
    CTreeItem* HighlightItem() const { return highlight_; }
    std::vector<CTreeItem*> MarkedItems() const;
    nav::Selection CurrentSelection() const;

    // Commands and user actions (the tree's events come here).
    void RunCommand(int id);
    // The context menu of an item: its popup's entries, Run entries greyed while running is off.
    std::unique_ptr<QMenu> MakeContextMenu(CTreeItem* item);
    void ShowContextMenu(CTreeItem* item, const QPoint& globalPos);
    void OnLeftButtonDown(CTreeItem* hit, Qt::KeyboardModifiers modifiers, const QPoint& pos);
    void OnLeftButtonUp(CTreeItem* hit);
    // The caret moved by the keyboard (arrows, typing a name): the item it lands on is marked
    // alone and becomes the context item.
    void OnCaretMoved(CTreeItem* caret);
    void OnDragMove(const QPoint& pos);
    bool OnDoubleClick(CTreeItem* item);
    void OnDeleteKey();
    // Drag and drop: the data a drag of the context item's kind carries, and a drop on a target.
    std::unique_ptr<QMimeData> MakeDragData() const;
    bool OnDragEnter(const QMimeData& data);
    bool OnDragOver(CTreeItem* item);
    void OnDragLeave();
    // A drag over this point of the tree's viewport: scrolls one line toward an edge the point
    // has stayed near for longer than the scroll delay, and keeps scrolling while it stays there.
    void OnDragScroll(const QPoint& pos);
    void StopDragScroll();
    const nav::DragSettings& DragSettings() const { return scroller_.Settings(); }
    bool OnDrop(CTreeItem* target, const QMimeData& data);
    // Whether the events being fired report a drop the control has already copied.
    bool IsDropping() const { return dropping_; }

    // Folder watching.
    QStringList WatchedFolders() const;
    int RefreshCount() const { return refreshCount_; }

    // Item bookkeeping (CTreeItem calls these).
    void ItemCreated(CTreeItem* item);
    void ItemDestroyed(CTreeItem* item);

Q_SIGNALS:
    // Every event, as one value.
    void navEvent(const nav::NavEvent& event);
    // The events by name.
    void CreatePart(const QString& bstrFileName);
    void OpenPart(const QString& bstrFileName);
    void PrintStandardPart(const QString& bstrFileName);
    void PrintFullPart(const QString& bstrFileName);
    void OppositePart(const QString& bstrFileName);
    void CreatePartDosDisk(const QString& bstrFileName, int iType);
    void ReadPartDosDisk();
    void CreateMult(const QString& bstrFileName);
    void OpenMult(const QString& bstrFileName);
    void PrintStandardMult(const QString& bstrFileName);
    void PrintFullMult(const QString& bstrFileName);
    void CreateMultDosDisk(const QString& bstrFileName, int iType);
    void ReadMultDosDisk();
    void CreateShape(const QString& bstrFileName);
    void OpenShape(const QString& bstrFileName);
    void PrintShape(const QString& bstrFileName);
    void CreateTool(const QString& bstrFileName);
    void OpenTool(const QString& bstrFileName);
    void PrintTool(const QString& bstrFileName);
    void CreateMachine(const QString& bstrFileName);
    void OpenMachine(const QString& bstrFileName);
    void PrintMachine(const QString& bstrFileName);
    void RenamePart(const QString& bstrFileName, const QString& bstrNewPartName);
    void RunPart(const QString& bstrFileName);
    void RunMult(const QString& bstrFileName);
    void ViewAllReport(const QString& bstrFileName);
    void ViewPartReport(const QString& bstrFileName);
    void ViewMultReport(const QString& bstrFileName);
    void RunCopyJob(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyAllParts(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyAllMults(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyGroup(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyAllGroup(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyPartFile(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyMultFile(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyDiffPartFile(const QString& bstrFileName, const QString& bstrFileName2);
    void RunCopyDiffMultFile(const QString& bstrFileName, const QString& bstrFileName2);
    void RunCopyLabelAllGroup(const QString& bstrFileName, const QString& bstrDrivName);
    void RunCopyDiffGroup(const QString& bstrFileNames, const QString& bstrFileNames2);
    void RunMultMultiple(const QString& bstrFileName);

private:
    void Fire(const nav::NavEvent& event);
    nav::TreeListing Listing() const;
    CTreeItem* AddChild(CTreeItem* parent, nav::ItemSpec spec);
    void BuildChildren(CTreeItem* item);
    void Refresh(CTreeItem* item);
    void UpdateIndicator(CTreeItem* item);
    void ClearMarks();
    void Toggle(CTreeItem* item);
    void MarkSiblings(CTreeItem* item);
    void SetCaret(CTreeItem* item);
    void StartDrag();
    void ScrollTree(const nav::ScrollStep& step);
    // The command plans.
    void Carry(const nav::CommandPlan& plan);
    void DeletePaths(const std::vector<std::string>& paths, const char* handler);
    void RenameContextPart(const std::string& path);
    void NewFolder(const std::string& parent);
    std::optional<std::string> PickDrive();
    // Folder watching: the folders of every expanded item, coalesced refreshes.
    void UpdateWatches();
    void OnFolderChanged();
    void ShowUnexpected(const char* handler);
    void ShowListingError(const std::exception& e);
    nav::NavDialogs& Dialogs();

    nav::NavProperties properties_;
    nav::DriveTypeOf driveType_;
    std::unique_ptr<nav::DescriptionCache> cache_;
    nav::NavDialogs* dialogs_ = nullptr;
    std::unique_ptr<nav::StandardNavDialogs> ownDialogs_;
    nav::FileCopier copier_;
    NavTree* tree_;
    CTreeItem* root_ = nullptr;
    std::set<CTreeItem*> live_;
    CTreeItem* context_ = nullptr;
    CTreeItem* dragItem_ = nullptr;
    CTreeItem* highlight_ = nullptr;
    bool extending_ = false;
    bool narrowOnRelease_ = false;
    bool dropping_ = false;
    nav::DragKind dragKind_ = nav::DragKind::none;
    QPoint pressPos_;
    QElapsedTimer pressTime_;
    QTimer dragDelay_;
    nav::DragScroller scroller_;
    QElapsedTimer dragClock_;
    QTimer dragScrollTimer_;
    QPoint dragScrollPos_;
    QFileSystemWatcher watcher_;
    QTimer refreshTimer_;
    int refreshCount_ = 0;
};
