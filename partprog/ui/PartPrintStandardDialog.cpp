#include "partprog/ui/PartPrintStandardDialog.h"

#include <QCheckBox>

#include <iterator>

namespace {

constexpr fw::CheckBoxDialog::BoxItem kBoxes[] = {
    {"&A) Print A Directory of The Parts Specified (Cover Page)", 1187},
    {"&B) Print The Specific Info for each Part Specified", 1188},
    {"&C) Print The Reference Plane and Pattern Information", 1189},
    {"&D) Print The Hole Information", 1190},
    {"&E) Print Operation Details (Imperial)", 1236},
    {"&F) Print Operation Details (Metric)", 1237},
};
static_assert(std::size(kBoxes) == CPartPrintStandardDialog::boxCount);

} // namespace

CPartPrintStandardDialog::CPartPrintStandardDialog(PartPrintOptions& options, QWidget* parent)
    : fw::CheckBoxDialog("Part(s) Printout", kBoxes, "E&Xit and Cancel Print", parent), options_(options)
{
    // A to D take effect as they are clicked; E and F are read on OK.
    for (Box box : {coverPage, partInformation, refPlanes, holes})
        connect(GetBox(box), &QCheckBox::clicked, this, [this, box](bool checked) { *Option(box) = checked ? 1 : 0; });
}

int* CPartPrintStandardDialog::Option(Box box)
{
    switch (box) {
    case coverPage: return &options_.coverPage;
    case partInformation: return &options_.partInformation;
    case refPlanes: return &options_.refPlanesAndPatterns;
    case holes: return &options_.holes;
    case detailsImperial: return &options_.operationDetailsImperial;
    case detailsMetric: return &options_.operationDetailsMetric;
    default: return nullptr;
    }
}

void CPartPrintStandardDialog::InitDialog()
{
    options_.coverPage = 1;
    options_.partInformation = 1;
    options_.cancelled = 0;
    const bool details = options_.detailsAvailable != 0;
    for (int i = 0; i < boxCount; ++i)
        GetBox(Box(i))->setChecked(i < refPlanes || details);
    for (Box box : {refPlanes, holes}) {
        GetBox(box)->setVisible(details);
        GetBox(box)->setEnabled(details);
    }
}

void CPartPrintStandardDialog::accept()
{
    for (int i = 0; i < boxCount; ++i)
        *Option(Box(i)) = GetBox(Box(i))->checkState() == Qt::Checked ? 1 : 0;
    QDialog::accept();
}

void CPartPrintStandardDialog::reject()
{
    options_.cancelled = 1;
    options_.coverPage = options_.partInformation = options_.refPlanesAndPatterns = options_.holes = 0;
    QDialog::reject();
}
