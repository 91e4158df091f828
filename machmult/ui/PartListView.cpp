#include "machmult/ui/PartListView.h"

#include "fw/qt/ViewFrame.h"
#include "machmult/ui/CommandGuard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QStatusTipEvent>

namespace machui {

CPartListView::CPartListView(PartListKind kind, QWidget* parent)
    : QTreeView(parent), model_(new PartListModel(kind, this))
{
    setModel(model_);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    header()->setSectionsClickable(SortsOnHeaderClick(kind));
    header()->setSortIndicatorShown(SortsOnHeaderClick(kind));
    if (SortsOnHeaderClick(kind))
        connect(header(), &QHeaderView::sectionClicked, this,
                [this](int column) { model_->sort(column, header()->sortIndicatorOrder()); });
    AddCommand(ID_EDIT_COPY, QKeySequence::Copy, &CPartListView::CopySelection, "CPartListView::OnEditCopy");
    AddCommand(ID_EDIT_PASTE, QKeySequence::Paste, &CPartListView::Paste, "CPartListView::OnEditPaste");
    AddColumns();
}

CPartListView::~CPartListView() = default;

void CPartListView::AddCommand(int id, const QKeySequence& keys, void (CPartListView::*handler)(), const char* name)
{
    auto* action = new QAction(this);
    action->setObjectName(QString::number(id));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, handler, name] { RunGuarded(name, [this, handler] { (this->*handler)(); }); });
    addAction(action);
}

void CPartListView::SetPartList(CPartList* list)
{
    model_->SetPartList(list);
    AddColumns();
    WidenToContents();
}

int CPartListView::AddColumns()
{
    int total = 0;
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString heading = model_->headerData(column, Qt::Horizontal).toString();
        const int width = column == 0 ? kFirstColumnWidth : fontMetrics().horizontalAdvance(heading) + 15;
        setColumnWidth(column, width);
        total += width;
    }
    return total;
}

void CPartListView::CopySelection()
{
    QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    if (QMimeData* data = model_->mimeData(rows))
        QApplication::clipboard()->setMimeData(data);
}

void CPartListView::Paste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return;
    const int row = currentIndex().isValid() ? currentIndex().row() : -1;
    const PartListFormats formats = FormatsOf(model_->Kind());
    // The drop handler may change the clipboard's owner: take the data first.
    auto copy = std::make_unique<QMimeData>();
    for (const char* format : {formats.accepted, formats.own})
        if (data->hasFormat(format))
            copy->setData(format, data->data(format));
    if (copy->hasFormat(formats.accepted))
        model_->DropParts(*copy, dropFromOtherList, row);
    if (copy->hasFormat(formats.own))
        model_->DropParts(*copy, dropWithinList, row);
}

bool CPartListView::Offer(QDropEvent& event)
{
    const PartListFormats formats = FormatsOf(model_->Kind());
    const QMimeData* data = event.mimeData();
    const Qt::KeyboardModifiers keys = event.modifiers();
    const DragEffect effect = DragFeedback(model_->Kind(), data->hasFormat(formats.accepted), data->hasFormat(formats.own),
                                           keys.testFlag(Qt::ShiftModifier), keys.testFlag(Qt::ControlModifier));
    // Parts of the other list dragged without Shift: the status bar says how to drag.
    const bool withoutShift = effect == DragEffect::none && data->hasFormat(formats.accepted);
    ShowTip(withoutShift ? QString::fromLatin1(kShiftDragTip) : QString());
    if (effect == DragEffect::none) {
        event.ignore();
        return false;
    }
    event.setDropAction(Qt::MoveAction);
    event.accept();
    return true;
}

void CPartListView::ShowTip(const QString& tip)
{
    QStatusTipEvent event(tip);
    QCoreApplication::sendEvent(this, &event);
}

void CPartListView::dragEnterEvent(QDragEnterEvent* event) { Offer(*event); }

void CPartListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    ShowTip({});
    QTreeView::dragLeaveEvent(event);
}

void CPartListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!Offer(*event))
        return;
    QTreeView::dragMoveEvent(event);   // the drop indicator
    Offer(*event);
}

void CPartListView::dropEvent(QDropEvent* event)
{
    const bool offered = Offer(*event);
    ShowTip({});   // the drag is over
    if (!offered)
        return;
    const QModelIndex at = indexAt(event->position().toPoint());
    RunGuarded("CPartListView::OnDrop", [&] {
        model_->dropMimeData(event->mimeData(), Qt::MoveAction, at.isValid() ? at.row() : -1, 0, {});
    });
    // The parts were moved by the window; the source's view has nothing to remove.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CPartListView::OnUpdate(fw::View*, long, fw::Object*)
{
    model_->Refill();
    WidenToContents();
}

void CPartListView::WidenToContents()
{
    for (int column = 0; column < model_->columnCount(); ++column)
        if (const int needed = sizeHintForColumn(column); needed > columnWidth(column))
            setColumnWidth(column, needed);
}

void CPartListView::CloseFrame() { fw::CloseViewFrame(*this, *this); }

CMultPartListView::CMultPartListView(QWidget* parent) : CPartListView(PartListKind::mult, parent) {}

CPotentialPartListView::CPotentialPartListView(QWidget* parent) : CPartListView(PartListKind::potential, parent) {}

} // namespace machui
