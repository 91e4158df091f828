#pragma once
// The report window's list: one folder as files, a part report or a mult report. Column clicks
// sort (every click reverses the direction shared by all report windows); a double click opens
// the row; the context menus turn the rows into paths for the command dispatcher, and a few act
// here (new folder, delete, rename a part, legacy shop disks of groups and jobs).

#include "shell/PartRename.h"
#include "shell/ReportCommands.h"
#include "shell/ui/ListViewEx.h"
#include "shell/ui/ReportModel.h"

#include <functional>
#include <optional>

class QMenu;

class CReportView : public CListViewEx, public ReportSelection {
public:
    // The command dispatcher: a code and a path (none for the codes that take none).
    using Dispatcher = std::function<void(int code, std::optional<std::string> path)>;

    explicit CReportView(QWidget* parent = nullptr);

    void SetDispatcher(Dispatcher dispatcher);
    void SetFolders(DirectorySettings folders) { model_.SetFolders(std::move(folders)); }
    void SetTrash(FileTrash* trash) { trash_ = trash; }

    void ListFiles(const std::string& path) { Fill(ReportKind::files, path); }
    void ShowPartReport(const std::string& path) { Fill(ReportKind::parts, path); }
    void ShowMultReport(const std::string& path) { Fill(ReportKind::mults, path); }
    void Fill(ReportKind kind, const std::string& path);

    ReportModel& Model() { return model_; }

    // ReportSelection
    const std::string& Folder() const override { return model_.Folder(); }
    ReportKind Kind() const override { return model_.Kind(); }
    std::vector<std::string> SelectedNames() const override;
    std::string ClickedName() const override;

    // The context menu for a point in the list's viewport: the submenu of the row's kind, or the
    // General/Type menu beside the rows. Owned by the caller.
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
    void OnShopDisk(bool jobs, bool parts);
    void AddCommands(QMenu& menu, std::initializer_list<std::pair<const char*, unsigned>> items);

    ReportModel model_;
    Dispatcher dispatcher_;
    FileTrash* trash_ = nullptr;
    QPoint contextPoint_{-1, -1};
};
