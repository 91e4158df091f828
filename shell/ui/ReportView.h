#pragma once
// The report window's view of its document: the rows as details (a full-row list with columns),
// large icons, a list or tiles. Column clicks sort (every click reverses the direction shared by
// all report windows); a double click opens the row; the context menus turn the rows into paths
// for the command dispatcher, and a few act here (copy to another drive, new folder, delete,
// rename a part, view modes, legacy shop disks of groups and jobs).

#include "fw/core/Document.h"
#include "shell/FileManagement.h"
#include "shell/PartRename.h"
#include "shell/ReportCommands.h"
#include "shell/ui/ListViewEx.h"
#include "shell/ui/ReportModel.h"

#include <QWidget>

#include <functional>
#include <optional>

class CReportDoc;
class QListView;
class QMenu;
class QStackedLayout;

enum class ReportViewMode { details, icons, list, tiles };

class CReportView : public QWidget, public fw::View, public ReportSelection {
public:
    // The command dispatcher: a code and a path (none for the codes that take none).
    using Dispatcher = std::function<void(int code, std::optional<std::string> path)>;
    // Asks the drive a copy goes to ("E:\"); nothing when the user cancelled.
    using DrivePicker = std::function<std::optional<std::string>()>;
    // Whether the Run entries may be used now (the machine side takes runs); none: always.
    using RunEnabled = std::function<bool()>;

    explicit CReportView(QWidget* parent = nullptr);
    ~CReportView() override;

    void SetDispatcher(Dispatcher dispatcher);
    void SetTrash(FileTrash* trash) { trash_ = trash; }
    void SetDrivePicker(DrivePicker picker);
    void SetRunEnabled(RunEnabled runEnabled) { runEnabled_ = std::move(runEnabled); }

    CReportDoc* Document() const;
    ReportModel& Model() { return model_; }

    // The rows as details, icons, a list or tiles; rows, columns and selection stay as they are.
    void SetViewMode(ReportViewMode mode);
    ReportViewMode ViewMode() const { return mode_; }
    // The widget that shows the rows in the current mode.
    QAbstractItemView& ItemView() const;
    CListViewEx& Table() const { return *table_; }
    QItemSelectionModel& Selection() const { return *table_->selectionModel(); }

    // fw::View
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    void CloseFrame() override;

    // ReportSelection
    const std::string& Folder() const override { return model_.Folder(); }
    ReportKind Kind() const override { return model_.Kind(); }
    std::vector<std::string> SelectedNames() const override;
    std::string ClickedName() const override;

    // The context menu for a point in the item view's viewport: the submenu of the row's kind, or
    // the General/Type menu beside the rows. Owned by the caller.
    std::unique_ptr<QMenu> ContextMenu(const QPoint& viewportPoint);
    // Runs a menu command, guarded.
    void RunCommand(unsigned command);
    // Sorts by a column, reversing the shared direction.
    void OnColumnClick(int column);
    void OnDoubleClick(const QModelIndex& index);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Dispatch(int code, std::optional<std::string> path);
    void Refresh();
    void OnNewFolder();
    void OnDelete();
    void OnRenamePart();
    void OnCopyToDrive(unsigned command);
    void OnShopDisk(bool jobs, bool parts);
    void AddCommands(QMenu& menu, std::initializer_list<std::pair<const char*, unsigned>> items);
    void AddViewMenu(QMenu& menu);
    void SetColumnWidths();

    ReportModel model_;
    CListViewEx* table_;
    QListView* icons_;
    QStackedLayout* stack_;
    ReportViewMode mode_ = ReportViewMode::details;
    Dispatcher dispatcher_;
    DrivePicker drivePicker_;
    RunEnabled runEnabled_;
    FileTrash* trash_ = nullptr;
    const FileManagement files_{};
    QPoint contextPoint_{-1, -1};
};
