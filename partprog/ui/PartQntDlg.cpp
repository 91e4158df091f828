#include "partprog/ui/PartQntDlg.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <charconv>

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
}

void CPartQntDlg::InitDialog()
{
    edit_->setText(QString::number(quantity_));
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
    const std::string text = edit_->text().trimmed().toStdString();
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > kMaxQuantity) {
        fw::ShowMessage("Please enter an integer between 0 and 9999.", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    quantity_ = value;
    QDialog::accept();
}
