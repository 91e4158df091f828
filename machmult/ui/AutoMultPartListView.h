#pragma once
// The parts of one automatic-multing stock choice: mark, length, quantity, material type and
// size, grade and fabrication code, sortable by column. Delete takes the selected parts out of
// the run (their quantity counts as used, shown by a mark on the first column); a double click
// edits a part's quantity. With auto-close on, the window closes as soon as the user leaves it.
// The view does not own the list: its owner closes it before the list goes.

#include <QTreeWidget>

class CAutoMultPartList;
class CMultPart;

class CAutoMultPartListView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr unsigned ID_EDIT_QUANTITY = 32819;
    enum Column { colMark, colLength, colQuantity, colMaterial, colGrade, colFabrication, columnCount };

    CAutoMultPartListView(CAutoMultPartList& parts, int shapeKind, QWidget* parent = nullptr);

    // The sum of the columns' widths: each its heading's text width plus 15 pixels, or its texts' width when wider.
    int ColumnsWidth() const { return columnsWidth_; }
    CMultPart* PartAt(int row) const;
    void SetAutoClose(bool autoClose) { autoClose_ = autoClose; }
    // Redraws every row from its part.
    void Refresh();

signals:
    // The user left the window while auto-close is on.
    void CloseRequested();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnEditQuantity();
    void ShowPart(QTreeWidgetItem& item) const;

    int shapeKind_;
    int columnsWidth_ = 0;
    bool autoClose_ = true;
};
