#include "machmult/ui/HandMultSetupDlg.h"

#include "model/ui/FormBinder.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace machui {

CHandMultSetupDlg::CHandMultSetupDlg(QWidget* parent) : QDialog(parent), sources_(new QButtonGroup(this))
{
    setWindowTitle("Hand Mult Setup");
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(this);
    auto* buttons = new QVBoxLayout(box);
    const std::pair<int, const char*> choices[] = {
        {IDC_JOB, "All parts in this Mult's Job."},
        {IDC_GROUP, "All parts in this Mult's Group."},
        {IDC_SELECTED_PARTS, "All Selected parts."},
        {IDC_SELECTED_GROUPS, "All Selected Groups."},
    };
    int value = 0;
    for (const auto& [id, text] : choices) {
        auto* button = new QRadioButton(text, box);
        button->setObjectName(ControlName(id));
        buttons->addWidget(button);
        sources_->addButton(button, value++);
    }
    layout->addWidget(box);
    auto* okCancel = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(okCancel, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(okCancel, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(okCancel);
    SetPartSource(0);
}

int CHandMultSetupDlg::GetPartSource() const { return sources_->checkedId(); }

void CHandMultSetupDlg::SetPartSource(int source)
{
    if (QAbstractButton* button = sources_->button(source))
        button->setChecked(true);
}

} // namespace machui
