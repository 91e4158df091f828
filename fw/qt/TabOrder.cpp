#include "fw/qt/TabOrder.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <tuple>

namespace fw {
namespace {

void CollectLayout(QLayout& layout, std::vector<QWidget*>& fields);

// A widget the Tab key stops at (or hands on to its focus proxy).
bool IsField(const QWidget& widget)
{
    return widget.focusProxy() || (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

void CollectWidget(QWidget& widget, std::vector<QWidget*>& fields)
{
    if (widget.isWindow())
        return;
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
        fields.push_back(tabs);
        for (int i = 0; i < tabs->count(); ++i)
            CollectWidget(*tabs->widget(i), fields);
    } else if (auto* stack = qobject_cast<QStackedWidget*>(&widget)) {
        for (int i = 0; i < stack->count(); ++i)
            CollectWidget(*stack->widget(i), fields);
    } else if (auto* splitter = qobject_cast<QSplitter*>(&widget)) {
        for (int i = 0; i < splitter->count(); ++i)
            CollectWidget(*splitter->widget(i), fields);
    } else if (IsField(widget)) {
        fields.push_back(&widget);
    } else if (QLayout* inner = widget.layout()) {
        CollectLayout(*inner, fields);
    }
}

void CollectItem(QLayoutItem* item, std::vector<QWidget*>& fields)
{
    if (!item)
        return;
    if (QWidget* widget = item->widget())
        CollectWidget(*widget, fields);
    else if (QLayout* inner = item->layout())
        CollectLayout(*inner, fields);
}

void CollectForm(QFormLayout& form, std::vector<QWidget*>& fields)
{
    for (int row = 0; row < form.rowCount(); ++row)
        for (const QFormLayout::ItemRole role :
             {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole})
            CollectItem(form.itemAt(row, role), fields);
}

void CollectGrid(QGridLayout& grid, std::vector<QWidget*>& fields)
{
    std::vector<std::tuple<int, int, int>> cells;   // row, column, index
    for (int i = 0; i < grid.count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        cells.emplace_back(row, column, i);
    }
    std::sort(cells.begin(), cells.end());
    for (const auto& [row, column, index] : cells)
        CollectItem(grid.itemAt(index), fields);
}

void CollectLayout(QLayout& layout, std::vector<QWidget*>& fields)
{
    if (auto* form = qobject_cast<QFormLayout*>(&layout))
        return CollectForm(*form, fields);
    if (auto* grid = qobject_cast<QGridLayout*>(&layout))
        return CollectGrid(*grid, fields);
    std::vector<QLayoutItem*> items;
    for (int i = 0; i < layout.count(); ++i)
        items.push_back(layout.itemAt(i));
    if (auto* box = qobject_cast<QBoxLayout*>(&layout);
        box && (box->direction() == QBoxLayout::RightToLeft || box->direction() == QBoxLayout::BottomToTop))
        std::reverse(items.begin(), items.end());
    for (QLayoutItem* item : items)
        CollectItem(item, fields);
}

} // namespace

void SetTabOrder(QWidget& form, const std::vector<QWidget*>& fields)
{
    // Qt misplaces a widget whose children hand their focus to it (the edit of a combo box) when
    // they lie apart in the chain: such children are chained right after it, their hand-over
    // lifted meanwhile. The form itself anchors the chain, so that Tab starts at the first field.
    std::vector<std::pair<QWidget*, QWidget*>> handOvers;
    std::vector<QWidget*> chain{&form};
    for (QWidget* field : fields) {
        chain.push_back(field);
        for (QWidget* child : field->findChildren<QWidget*>())
            if (child->focusProxy() == field) {
                handOvers.emplace_back(child, field);
                child->setFocusProxy(nullptr);
                chain.push_back(child);
            }
    }
    const Qt::FocusPolicy policy = form.focusPolicy();
    if (policy == Qt::NoFocus)
        form.setFocusPolicy(Qt::TabFocus);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    form.setFocusPolicy(policy);
    for (const auto& [child, field] : handOvers)
        child->setFocusProxy(field);
}

std::vector<QWidget*> FieldsInLayoutOrder(QWidget& form)
{
    std::vector<QWidget*> fields;
    if (QLayout* layout = form.layout())
        CollectLayout(*layout, fields);
    return fields;
}

void SetTabOrderByLayout(QWidget& form) { SetTabOrder(form, FieldsInLayoutOrder(form)); }

} // namespace fw
