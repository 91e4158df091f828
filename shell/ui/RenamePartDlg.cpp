#include "shell/ui/RenamePartDlg.h"

#include "fw/qt/QtText.h"
#include "shell/NameRules.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

CRenamePartDlg::CRenamePartDlg(const std::string& oldName, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Rename Part ") + fw::ToQString(oldName));
    edit_->setObjectName(QStringLiteral("edit1234"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRenamePartDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("New Part Name:"), edit_);
    layout->addRow(buttons);
    binder_.BindText(*edit_, newName_, RuleCheck(&FileNameError));
}

void CRenamePartDlg::accept()
{
    if (binder_.Store())
        QDialog::accept();
}
