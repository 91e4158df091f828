#pragma once
// What the list views of automatic multing share: report columns sized to their headings, the
// shape-kind images with the "not in the run" overlay, and the length order that treats lengths
// within 1/16 inch as equal.

#include <QIcon>
#include <QTreeWidget>

namespace machui {

// One column per comma-separated heading, each as wide as its text plus 15 pixels; returns the
// sum of the widths.
int AddColumns(QTreeWidget& list, const char* headings);
// Widens each column whose texts need more room than its heading; returns the sum of the widths.
int FitColumnsToTexts(QTreeWidget& list);
// The image of a shape kind (0 beam ... 6 tube; others a plain one), crossed out with the overlay.
QIcon ShapeKindIcon(int kind, bool overlay);
// (a - b) x 16, cut toward zero: 0 for lengths (inches) within 1/16 inch of each other.
long SixteenthsApart(double a, double b);

} // namespace machui
