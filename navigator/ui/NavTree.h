#pragma once
// The tree view inside the navigator control: it hands clicks, double-clicks, keys, the context
// menu and drag and drop to the control, which decides marks, commands and drops. The keyboard
// moves the caret as in any tree (arrows, typing a name); the item it lands on is marked alone,
// and Enter acts as a double-click on it.

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
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
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
