#include "navigator/ui/NavTree.h"

#include "navigator/ui/BRAXNav.h"
#include "navigator/ui/TreeItem.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMouseEvent>

NavTree::NavTree(CBRAXNav& control, QWidget* parent) : QTreeWidget(parent), control_(control)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
}

bool NavTree::OnIndicator(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() && pos.x() < visualRect(index).left();
}

void NavTree::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || OnIndicator(event->pos())) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    control_.OnLeftButtonDown(static_cast<CTreeItem*>(itemAt(event->pos())), event->modifiers(), event->pos());
}

void NavTree::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        control_.OnDragMove(event->pos());
}

void NavTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !OnIndicator(event->pos())) {
        control_.OnLeftButtonUp(static_cast<CTreeItem*>(itemAt(event->pos())));
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void NavTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !OnIndicator(event->pos()))
        if (auto* item = static_cast<CTreeItem*>(itemAt(event->pos())); item && control_.OnDoubleClick(item))
            return;
    QTreeWidget::mouseDoubleClickEvent(event);
}

void NavTree::keyPressEvent(QKeyEvent* event)
{
    auto* before = static_cast<CTreeItem*>(currentItem());
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (before && !control_.OnDoubleClick(before) && before->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator)
            before->setExpanded(!before->isExpanded());
        return;
    }
    QTreeWidget::keyPressEvent(event);
    if (auto* after = static_cast<CTreeItem*>(currentItem()); after != before)
        control_.OnCaretMoved(after);
}

void NavTree::keyboardSearch(const QString& search)
{
    // The tree's own search toggles the mark of each item it lands on; the control marks the
    // found item alone instead.
    const QTreeWidgetItem* before = currentItem();
    const QList<QTreeWidgetItem*> marked = selectedItems();
    QTreeWidget::keyboardSearch(search);
    if (currentItem() != before || selectedItems() != marked)
        control_.OnCaretMoved(static_cast<CTreeItem*>(currentItem()));
}

void NavTree::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete) {
        control_.OnDeleteKey();
        return;
    }
    QTreeWidget::keyReleaseEvent(event);
}

void NavTree::contextMenuEvent(QContextMenuEvent* event)
{
    if (auto* item = static_cast<CTreeItem*>(itemAt(event->pos())))
        control_.ShowContextMenu(item, event->globalPos());
}

void NavTree::dragEnterEvent(QDragEnterEvent* event)
{
    if (control_.OnDragEnter(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void NavTree::dragMoveEvent(QDragMoveEvent* event)
{
    control_.OnDragScroll(event->position().toPoint());
    if (control_.OnDragOver(static_cast<CTreeItem*>(itemAt(event->position().toPoint())))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void NavTree::dragLeaveEvent(QDragLeaveEvent* event)
{
    control_.OnDragLeave();
    event->accept();
}

void NavTree::dropEvent(QDropEvent* event)
{
    control_.StopDragScroll();
    auto* target = static_cast<CTreeItem*>(itemAt(event->position().toPoint()));
    if (target && control_.OnDrop(target, *event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}
