#include "navigator/ui/PartNameDlg.h"

#include "fw/qt/QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CCPartNameDlg::CCPartNameDlg(const std::string& currentName, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this))
{
    setWindowTitle(fw::ToQString("Rename Part " + currentName));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("New Part Name:"), this));
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    edit_->setFocus();
}

std::string CCPartNameDlg::NewName() const { return fw::FromQString(edit_->text()); }
