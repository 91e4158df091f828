#include "shell/ui/ListViewEx.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

namespace {

int Allowance(const QModelIndex& index)
{
    return index.column() == 0 ? CListViewExDelegate::kLabelAllowance : CListViewExDelegate::kColumnAllowance;
}

// What the label column's icon takes of a cell's width.
int IconRoom(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    return index.column() == 0 && !option.icon.isNull() ? option.decorationSize.width() + 4 : 0;
}

} // namespace

QSize CListViewExDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem cell = option;
    QStyledItemDelegate::initStyleOption(&cell, index);
    const int whole = QFontMetrics(cell.font).horizontalAdvance(cell.text) + Allowance(index) + IconRoom(cell, index);
    size.setWidth(std::max(size.width(), whole));
    return size;
}

void CListViewExDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QFontMetrics metrics(option->font);
    const int room = option->rect.width() - IconRoom(*option, index);
    const QString shortened =
        ShortenText(option->text, room, Allowance(index), [&](const QString& t) { return metrics.horizontalAdvance(t); });
    if (shortened != option->text) {
        option->text = shortened;
        option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
    // The view already shortened the text; the style must not elide it again.
    option->textElideMode = Qt::ElideNone;
}

CListViewEx::CListViewEx(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(false);
    setWordWrap(false);
    setItemDelegate(new CListViewExDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
}
