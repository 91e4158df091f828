#pragma once
// The Tab key visits a form's fields in the order the user sees them: row by row down a form,
// left to right along a row, the fields of a group box where the group stands. Widgets made in
// another order than they are laid out would otherwise be visited in the order they were made.

#include <vector>

class QWidget;

namespace fw {

// Chains the fields of form in the given order, from the first.
void SetTabOrder(QWidget& form, const std::vector<QWidget*>& fields);
// Chains the fields of form's layout, and of every container laid out in it, in layout order.
// Call it once the form is complete.
void SetTabOrderByLayout(QWidget& form);
// The fields of form's layout in layout order (what SetTabOrderByLayout chains).
std::vector<QWidget*> FieldsInLayoutOrder(QWidget& form);

} // namespace fw
