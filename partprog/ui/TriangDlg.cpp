#include "partprog/ui/TriangDlg.h"

#include "partprog/ui/RadioGroup.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CTriangDlg::CTriangDlg(QWidget* parent)
    : QDialog(parent),
      choices_(new RadioGroup({}, {{IDC_ABSOLUTE_X, "Absolute X Distance"}, {IDC_ABSOLUTE_U, "Absolute U Distance"}},
                              this))
{
    setWindowTitle("Triangulate distance");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Absolute Distance:", this));
    QWidget* control = CLenbox::CreateControl(this);
    control->setObjectName(QString::number(IDC_DISTANCE));
    row->addWidget(control);
    lenbox_.Attach(control);
    lenbox_.SetLengthLimits();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTriangDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTriangDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(choices_);
    layout->addWidget(buttons);
}

void CTriangDlg::InitDialog()
{
    lenbox_.SetDecimalInches(distance_);
    choices_->SetIndex(choice_);
}

void CTriangDlg::open()
{
    InitDialog();
    QDialog::open();
}

int CTriangDlg::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CTriangDlg::accept()
{
    distance_ = lenbox_.GetDecimalInches();
    choice_ = choices_->GetIndex();
    QDialog::accept();
}
