#include "partprog/ui/PartPrintStandardDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CPartPrintStandardDialog::CPartPrintStandardDialog(PartPrintOptions& options, QWidget* parent)
    : QDialog(parent), options_(options)
{
    setWindowTitle("Part(s) Printout");
    static constexpr const char* texts[boxCount] = {
        "&A) Print A Directory of The Parts Specified (Cover Page)",
        "&B) Print The Specific Info for each Part Specified",
        "&C) Print The Reference Plane and Pattern Information",
        "&D) Print The Hole Information",
        "&E) Print Operation Details (Imperial)",
        "&F) Print Operation Details (Metric)",
    };
    static constexpr int ids[boxCount] = {1187, 1188, 1189, 1190, 1236, 1237};
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < boxCount; ++i) {
        boxes_[i] = new QCheckBox(texts[i], this);
        boxes_[i]->setObjectName(QString::number(ids[i]));
        layout->addWidget(boxes_[i]);
    }
    // A to D take effect as they are clicked; E and F are read on OK.
    for (Box box : {coverPage, partInformation, refPlanes, holes})
        connect(boxes_[box], &QCheckBox::clicked, this, [this, box](bool checked) { *Option(box) = checked ? 1 : 0; });
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("E&Xit and Cancel Print", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
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
        boxes_[i]->setChecked(i < refPlanes || details);
    for (Box box : {refPlanes, holes}) {
        boxes_[box]->setVisible(details);
        boxes_[box]->setEnabled(details);
    }
}

void CPartPrintStandardDialog::open()
{
    InitDialog();
    QDialog::open();
}

int CPartPrintStandardDialog::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CPartPrintStandardDialog::accept()
{
    for (int i = 0; i < boxCount; ++i)
        *Option(Box(i)) = boxes_[i]->checkState() == Qt::Checked ? 1 : 0;
    QDialog::accept();
}

void CPartPrintStandardDialog::reject()
{
    options_.cancelled = 1;
    options_.coverPage = options_.partInformation = options_.refPlanesAndPatterns = options_.holes = 0;
    QDialog::reject();
}
