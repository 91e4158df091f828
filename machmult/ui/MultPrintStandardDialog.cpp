#include "machmult/ui/MultPrintStandardDialog.h"

#include <QCheckBox>

#include <iterator>

namespace {

constexpr fw::CheckBoxDialog::BoxItem kBoxes[] = {
    {"&B) Print The Specific Info for each Mult Specified", 1191},
    {"&C) Print The Parts Attached to the Mults", 1192},
    {"&A) Print A Directory of Mults Specified (Cover Page)", 1190},
};
static_assert(std::size(kBoxes) == CMultPrintStandardDialog::boxCount);

int Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

CMultPrintStandardDialog::CMultPrintStandardDialog(MultPrintOptions& options, QWidget* parent)
    : fw::CheckBoxDialog("Mult(s) Printout", kBoxes, "E&Xit and Cancel Print", parent), options_(options)
{
    connect(GetBox(coverPage), &QCheckBox::clicked, this, &CMultPrintStandardDialog::OnCoverPage);
    connect(GetBox(multInformation), &QCheckBox::clicked, this, &CMultPrintStandardDialog::OnInformation);
    connect(GetBox(attachedParts), &QCheckBox::clicked, this, &CMultPrintStandardDialog::OnAttachedParts);
}

void CMultPrintStandardDialog::SetOptions(int coverPage, int information, int parts)
{
    options_.coverPage = coverPage;
    options_.multInformation = information;
    options_.attachedParts = parts;
}

void CMultPrintStandardDialog::InitDialog()
{
    SetOptions(0, 0, 0);
    options_.cancelled = 0;
    const bool parts = options_.attachedPartsPrintable != 0;
    GetBox(coverPage)->setChecked(true);
    GetBox(multInformation)->setChecked(true);
    GetBox(attachedParts)->setChecked(parts);
    GetBox(attachedParts)->setVisible(parts);
    GetBox(attachedParts)->setEnabled(parts);
}

void CMultPrintStandardDialog::OnCoverPage(bool checked)
{
    options_.coverPage = Flag(checked);
}

void CMultPrintStandardDialog::OnInformation(bool checked)
{
    options_.multInformation = Flag(checked);
    if (!checked) {
        GetBox(attachedParts)->setChecked(false);
        options_.attachedParts = 0;
    }
}

void CMultPrintStandardDialog::OnAttachedParts(bool checked)
{
    options_.attachedParts = Flag(checked);
    if (checked) {
        GetBox(multInformation)->setChecked(true);
        options_.multInformation = 1;
    }
}

void CMultPrintStandardDialog::accept()
{
    SetOptions(Flag(GetBox(coverPage)->isChecked()), Flag(GetBox(multInformation)->isChecked()),
               Flag(GetBox(attachedParts)->isChecked()));
    QDialog::accept();
}

void CMultPrintStandardDialog::reject()
{
    options_.cancelled = 1;
    SetOptions(0, 0, 0);
    QDialog::reject();
}
