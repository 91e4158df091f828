#include "shell/ui/ListViewEx.h"

#include <QFontMetrics>
#include <QHeaderView>

void CListViewExDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QFontMetrics metrics(option->font);
    const int allowance = index.column() == 0 ? kLabelAllowance : kColumnAllowance;
    int room = option->rect.width();
    if (index.column() == 0 && !option->icon.isNull())
        room -= option->decorationSize.width() + 4;
    const QString shortened =
        ShortenText(option->text, room, allowance, [&](const QString& t) { return metrics.horizontalAdvance(t); });
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
