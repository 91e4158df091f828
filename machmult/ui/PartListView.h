#pragma once
// The part lists of the hand-mult window as report views: the parts on the mult
// (CMultPartListView) and the parts that may still go on it (CPotentialPartListView). Parts are
// dragged between them, or copied and pasted (Edit > Copy, Edit > Paste); the data names the
// window, so parts never travel between two hand-mult windows. From the other list a drag is
// offered only with Shift held; within its own list unless Ctrl is held (only the mult list is
// reordered). What a drop moves is for the window to decide (the model's drop handler).

#include "fw/core/Document.h"
#include "machmult/ui/PartListModel.h"

#include <QTreeView>

class QAction;

namespace machui {

class CPartListView : public QTreeView, public fw::View {
    Q_OBJECT
public:
    static constexpr int ID_EDIT_COPY = 57634;
    static constexpr int ID_EDIT_PASTE = 57637;
    static constexpr int kFirstColumnWidth = 150;
    // Shown in the status bar while parts of the other list are dragged without Shift.
    static constexpr const char* kShiftDragTip = "Hold Shift while you drag to move parts from one list to the other.";

    ~CPartListView() override;

    PartListModel& Model() const { return *model_; }
    // The list shown, and its columns sized to their headings.
    void SetPartList(CPartList* list);
    // The columns as wide as their headings plus 15 pixels, the first 150; the total width.
    int AddColumns();
    // Widens the columns whose rows need more room (a long mark); none is narrowed.
    void WidenToContents();

    // Edit > Copy: the selected parts onto the clipboard. Edit > Paste: the clipboard's parts at
    // the current row (the other list's first, then the list's own).
    void CopySelection();
    void Paste();

    // The document changed: the rows follow the list.
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    void CloseFrame() override;

protected:
    CPartListView(PartListKind kind, QWidget* parent);

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    // The drag left the list: the status bar's tip goes.
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Move offered for the data as the keys held say; false when it is no drop here. The status
    // bar says how to drag when Shift is missing (kShiftDragTip), and is cleared otherwise.
    bool Offer(QDropEvent& event);
    void ShowTip(const QString& tip);
    void AddCommand(int id, const QKeySequence& keys, void (CPartListView::*handler)(), const char* name);

    PartListModel* model_;
};

class CMultPartListView : public CPartListView {
    Q_OBJECT
public:
    explicit CMultPartListView(QWidget* parent = nullptr);
};

class CPotentialPartListView : public CPartListView {
    Q_OBJECT
public:
    explicit CPotentialPartListView(QWidget* parent = nullptr);
};

} // namespace machui
