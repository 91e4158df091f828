#include "machmult/ui/AutoMultPartListView.h"

#include "fw/qt/QtText.h"
#include "machmult/PartList.h"
#include "machmult/ui/AutoMultLists.h"
#include "machmult/ui/CommandGuard.h"
#include "machmult/ui/ModalRunner.h"
#include "partprog/ui/PartQntDlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include <cmath>

namespace {

constexpr const char* kPartHeadings = "Part Mark,Part Length,Quantity,Material Type, Material Grade,Fabrication Code";

CMultPart* PartOf(const QTreeWidgetItem& item)
{
    return static_cast<CMultPart*>(item.data(0, Qt::UserRole).value<void*>());
}

// Rows sort as the columns compare their parts: lengths within 1/16 inch are equal, texts ignore case.
class PartItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const CMultPart& a = *PartOf(*this);
        const CMultPart& b = *PartOf(other);
        switch (treeWidget()->sortColumn()) {
        case CAutoMultPartListView::colLength:
            return machui::SixteenthsApart(a.GetLength().GetValue(), b.GetLength().GetValue()) < 0;
        case CAutoMultPartListView::colQuantity:
            return a.GetQuantity() < b.GetQuantity();
        default:
            return text(treeWidget()->sortColumn()).compare(other.text(treeWidget()->sortColumn()), Qt::CaseInsensitive) < 0;
        }
    }
};

} // namespace

CAutoMultPartListView::CAutoMultPartListView(CAutoMultPartList& parts, int shapeKind, QWidget* parent)
    : QTreeWidget(parent), shapeKind_(shapeKind)
{
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    columnsWidth_ = machui::AddColumns(*this, kPartHeadings);
    for (CMultPart& part : parts) {
        auto* item = new PartItem(this);
        item->setData(0, Qt::UserRole, QVariant::fromValue<void*>(&part));
        ShowPart(*item);
    }
    columnsWidth_ = machui::FitColumnsToTexts(*this);
    header()->setSortIndicatorShown(true);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) { sortItems(column, Qt::AscendingOrder); });
}

CMultPart* CAutoMultPartListView::PartAt(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? PartOf(*item) : nullptr;
}

void CAutoMultPartListView::ShowPart(QTreeWidgetItem& item) const
{
    const CMultPart& part = *PartOf(item);
    const PartRecord& h = part.GetHeader();
    item.setText(colMark, fw::ToQString(h.mark));
    item.setText(colLength, fw::ToQString(part.GetLength().GetText()));
    item.setText(colQuantity, QString::number(part.GetQuantity()));
    item.setText(colMaterial, fw::ToQString(h.shapeDesctp + " " + h.shapeDesc));
    item.setText(colGrade, fw::ToQString(h.grade));
    item.setText(colFabrication, fw::ToQString(h.fabCode));
    item.setIcon(colMark, machui::ShapeKindIcon(shapeKind_, part.GetQuantityUsed() >= part.GetQuantity()));
}

void CAutoMultPartListView::Refresh()
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        ShowPart(*topLevelItem(row));
}

void CAutoMultPartListView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Delete) {
        QTreeWidget::keyReleaseEvent(event);
        return;
    }
    for (QTreeWidgetItem* item : selectedItems())
        PartOf(*item)->SetQuantityUsed(PartOf(*item)->GetQuantity());
    Refresh();
}

void CAutoMultPartListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    clearSelection();
    QTimer::singleShot(0, this, [this] { machui::RunGuarded("CAutoMultPartListView::OnEditQuantity", [this] { OnEditQuantity(); }); });
}

void CAutoMultPartListView::OnEditQuantity()
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    CMultPart& part = *PartOf(*item);
    const QPoint at = viewport()->mapToGlobal(visualItemRect(item).topLeft());
    CPartQntDlg dialog(this, at.x(), at.y());
    dialog.SetQuantity(part.GetQuantity());
    dialog.SetLabel(part.GetHeader().mark);
    autoClose_ = false;
    const int result = machui::RunModal(dialog);
    autoClose_ = true;
    if (result != QDialog::Accepted)
        return;
    part.SetQuantity(dialog.GetQuantity());
    ShowPart(*item);
}

void CAutoMultPartListView::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    if (autoClose_ && event->reason() != Qt::PopupFocusReason)
        QTimer::singleShot(0, this, &CAutoMultPartListView::CloseRequested);
}
