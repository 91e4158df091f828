#pragma once
// The tree view inside the navigator control: it hands clicks, double-clicks, keys, the context
// menu and drag and drop to the control, which decides marks, commands and drops.

#include <QTreeWidget>

class CBRAXNav;

class NavTree : public QTreeWidget {
public:
    NavTree(CBRAXNav& control, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Whether the point lies on the item's expand indicator, which the tree handles itself.
    bool OnIndicator(const QPoint& pos) const;
    CBRAXNav& control_;
};
