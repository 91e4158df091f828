#include "navigator/ui/NewItemDlg.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "navigator/NavNames.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace nav {

CNewItemDlg::CNewItemDlg(const std::string& name, QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Name"));
    auto* layout = new QVBoxLayout(this);
    edit_->setText(fw::ToQString(name));
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewItemDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string CNewItemDlg::Name() const { return fw::FromQString(edit_->text()); }

void CNewItemDlg::accept()
{
    if (const std::string fault = CheckFolderName(Name()); !fault.empty()) {
        fw::Messages().MessageBox(fault, "", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace nav
