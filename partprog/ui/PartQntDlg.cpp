#include "partprog/ui/PartQntDlg.h"

#include "fw/qt/QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPartQntDlg::CPartQntDlg(QWidget* parent, int x, int y) : QDialog(parent), x_(x), y_(y)
{
    setWindowTitle("Enter Quantity to use for part");
    labelControl_ = new QLabel(this);
    labelControl_->setObjectName(QString::number(IDC_LABEL));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(IDC_QUANTITY));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPartQntDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPartQntDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labelControl_);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    binder_.BindInteger(*edit_, quantity_, 0, kMaxQuantity);
}

void CPartQntDlg::InitDialog()
{
    binder_.Load();
    labelControl_->setText(fw::ToQString(label_));
    if (x_ != 0 || y_ != 0)
        move(x_, y_);
}

void CPartQntDlg::open()
{
    InitDialog();
    QDialog::open();
}

int CPartQntDlg::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CPartQntDlg::accept()
{
    if (binder_.Store())
        QDialog::accept();
}
