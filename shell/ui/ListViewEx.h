#pragma once
// A report-mode list: rows selected across all their columns, column texts that do not fit
// shortened with "..." (always left-aligned then), the label column with a smaller allowance.

#include <QStyledItemDelegate>
#include <QTableView>

// Drops characters from the end until the rest plus "..." plus the allowance fits the width, or
// one character is left. A text that fits (extent + allowance <= width) stays as it is.
template <class Measure> QString ShortenText(const QString& text, int width, int allowance, Measure measure)
{
    static const QString kDots = QStringLiteral("...");
    if (text.isEmpty() || measure(text) + allowance <= width)
        return text;
    QString shortened = text;
    const int dots = measure(kDots);
    while (shortened.size() > 1 && measure(shortened) + dots + allowance > width)
        shortened.chop(1);
    return shortened + kDots;
}

// Draws one cell with the shortening rule.
class CListViewExDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kLabelAllowance = 4;
    static constexpr int kColumnAllowance = 12;

    // Wide enough that the rule shows the text whole, so a column fitted to its rows cuts none.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

class CListViewEx : public QTableView {
public:
    explicit CListViewEx(QWidget* parent = nullptr);
};
