#pragma once
// The stencil list: every stencil mark of a part in a report list with one full-width row per
// mark (X, U and text, positions in the mark's own unit), as a view of the part document. A
// double-click on a row edits that mark, on empty space asks for a new one; the Delete key
// removes the selected marks.

#include "fw/core/Document.h"

#include <QTreeWidget>

#include <functional>
#include <vector>

class CPartDoc;
class CStencilDlg;
class CStencilPattern;
class CStencilPatternList;

class CStencilListView : public QTreeWidget, public fw::View {
    Q_OBJECT
public:
    // The column captions, separated by commas, in the VARNEX string table.
    static constexpr unsigned IDS_STENCIL_COLUMNS = 31264;
    // Added to each caption's width in the list's font.
    static constexpr int kColumnMargin = 15;

    using DialogRunner = std::function<int(CStencilDlg&)>;

    explicit CStencilListView(QWidget* parent = nullptr);
    ~CStencilListView() override;

    CPartDoc* GetDocument() const;
    // The stencil marks of the document's part shape; null without a document or shape.
    CStencilPatternList* GetStencilList() const;
    // The mark shown in a row, or null.
    CStencilPattern* MarkAt(int row) const;

    // The total width of the columns; the window that opens the list sizes itself from it.
    int ColumnsWidth() const;

    // The rows show the marks of the list in its order.
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    void CloseFrame() override;

    // Edits the mark of a row in the stencil dialog (imperial); on OK the mark takes the new
    // values and its sorted place. When the list refuses it (its text is empty, or an equal mark
    // is at that place) it stays as it was.
    void EditMark(int row);
    // Asks for a new mark in the stencil dialog, in the part's measuring system, and adds it to
    // the part. An empty text or an equal mark is not added.
    void AddNewMark();
    // Removes the selected marks from the part.
    void DeleteSelectedMarks();

    // How the stencil dialog runs (by default QDialog::exec); returns its result.
    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

signals:
    // A double-click on empty space. When nothing is connected, the list runs AddNewMark itself.
    void NewStencilRequested();
    // The list window is being destroyed.
    void Closed();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void BuildColumns();
    int RunDialog(CStencilDlg& dialog);
    void Changed();

    std::vector<CStencilPattern*> marks_;
    DialogRunner runDialog_;
};
