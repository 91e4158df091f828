#include "partprog/ui/StencilDlg.h"

#include "fw/qt/QtText.h"
#include "fw/qt/TabOrder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QWidget* PositionControl(CLenbox& lenbox, int id, QWidget* parent)
{
    QWidget* control = CLenbox::CreateControl(parent);
    control->setObjectName(QString::number(id));
    lenbox.Attach(control);
    lenbox.SetLengthLimits();
    return control;
}

} // namespace

CStencilDlg::CStencilDlg(QWidget* parent) : QDialog(parent), textEdit_(new QLineEdit(this))
{
    setWindowTitle("Edit Stencil");
    textEdit_->setObjectName(QString::number(IDC_TEXT));
    textEdit_->setMaxLength(kMaxTextLength);

    auto* fields = new QFormLayout;
    fields->addRow("X Position", PositionControl(xLenbox_, IDC_X_POSITION, this));
    fields->addRow("U Position", PositionControl(uLenbox_, IDC_U_POSITION, this));
    fields->addRow("Text", textEdit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CStencilDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CStencilDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    fw::SetTabOrderByLayout(*this);
}

void CStencilDlg::InitDialog()
{
    for (CLenbox* lenbox : {&xLenbox_, &uLenbox_})
        lenbox->SetDimensionType(measuringSystem_);
    xLenbox_.SetDecimalInches(x_);
    uLenbox_.SetDecimalInches(u_);
    textEdit_->setText(fw::ToQString(text_));
}

void CStencilDlg::open()
{
    InitDialog();
    QDialog::open();
}

int CStencilDlg::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CStencilDlg::accept()
{
    x_ = xLenbox_.GetDecimalInches();
    u_ = uLenbox_.GetDecimalInches();
    text_ = fw::FromQString(textEdit_->text());
    QDialog::accept();
}
