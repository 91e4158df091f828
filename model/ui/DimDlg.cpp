#include "model/ui/DimDlg.h"

#include "fw/qt/QtText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CDimDlg::CDimDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Dimension Input");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Dimension:", this));
    QWidget* control = CLenbox::CreateControl(this);
    control->setObjectName(QString::number(IDC_DIMENSION));
    row->addWidget(control);
    lenbox_.Attach(control);
    lenbox_.SetLengthLimits();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDimDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDimDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void CDimDlg::InitDialog()
{
    lenbox_.SetDimensionType(measuringSystem_);
    lenbox_.SetDecimalInches(length_);
    if (!title_.empty())
        setWindowTitle(fw::ToQString(title_));
}

void CDimDlg::open()
{
    InitDialog();
    QDialog::open();
}

int CDimDlg::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CDimDlg::accept()
{
    length_ = lenbox_.GetDecimalInches();
    QDialog::accept();
}
