#include "shell/ui/NewItemDlg.h"

#include "fw/qt/QtText.h"
#include "shell/NameRules.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CNewItemDlg::CNewItemDlg(const std::string& name, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(fw::ToQString(name), this)), name_(name)
{
    setWindowTitle(QStringLiteral("Name"));
    edit_->setObjectName(QStringLiteral("edit202"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewItemDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    binder_.BindText(*edit_, name_, RuleCheck(&NewItemNameError));
}

void CNewItemDlg::accept()
{
    if (binder_.Store())
        QDialog::accept();
}
