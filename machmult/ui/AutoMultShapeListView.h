#pragma once
// The setup window's list of stock choices of an automatic-multing job: stock shape, grade,
// machine, stock length and kerf, sortable by column. Insert puts the selected choices into the
// run, Delete takes them out (an overlay marks them); View Parts lists a choice's parts, Edit
// Info changes its machine, length and kerf (also on a double click). Begin Automulting hands
// the job to a worker and the application; Cancel drops it. Both close the setup window and every
// part window opened from it, so no part window outlives the choices it shows.

#include "machmult/AutoMultJob.h"

#include <QPointer>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CAutoMultPartListView;
class QAction;

class CAutoMultShapeListView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr unsigned ID_VIEW_PARTS = 32817;
    static constexpr unsigned ID_EDIT_INFO = 32818;
    static constexpr unsigned ID_BEGIN_AUTOMULT = 32820;
    static constexpr unsigned ID_CANCEL_AUTOMULT = 32821;
    static constexpr const char* kShapeListEmpty = "Can not perform current operation, Shape List is empty";
    enum Column { colShape, colGrade, colMachine, colLength, colKerf, columnCount };

    explicit CAutoMultShapeListView(std::unique_ptr<AutoMultJob> job, QWidget* parent = nullptr);
    ~CAutoMultShapeListView() override;

    // The job until Begin or Cancel; none after.
    AutoMultJob* GetJob() const { return job_.get(); }
    int ColumnsWidth() const { return columnsWidth_; }
    // View Parts, Edit Info, Begin Automulting, Cancel.
    QAction* Command(unsigned id) const;
    QList<QAction*> Commands() const;
    // What closes the setup window.
    void SetCloser(std::function<void()> close) { close_ = std::move(close); }
    // The engine's dialogs and the engine a begun job uses (the program's own when not set).
    void SetEngine(std::shared_ptr<IAutoMultUi> ui, AutoMultJob::EngineFactory engine);
    // The part windows still open.
    std::vector<CAutoMultPartListView*> PartViews() const;

    void OnViewParts();
    void OnEditInfo();
    void OnBeginAutomult();
    void OnCancel();
    // Redraws every row from its choice.
    void Refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void AddCommand(unsigned id, const char* text, const char* prompt, void (CAutoMultShapeListView::*handler)(),
                    const char* name);
    CAutoMultShape* FirstSelected() const;
    void ShowChoice(QTreeWidgetItem& item) const;
    void SelectOnly(QTreeWidgetItem* item);
    void ClosePartWindows();
    void CloseWindow();

    std::unique_ptr<AutoMultJob> job_;
    int columnsWidth_ = 0;
    std::vector<std::pair<unsigned, QAction*>> commands_;
    std::function<void()> close_;
    std::shared_ptr<IAutoMultUi> engineUi_;
    AutoMultJob::EngineFactory engine_;
    std::vector<std::pair<QPointer<CAutoMultPartListView>, std::function<void()>>> partWindows_;
};
