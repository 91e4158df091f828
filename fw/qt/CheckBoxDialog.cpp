#include "fw/qt/CheckBoxDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace fw {

CheckBoxDialog::CheckBoxDialog(const char* title, std::span<const BoxItem> boxes, const char* cancelText,
                               QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    for (const BoxItem& item : boxes) {
        auto* box = new QCheckBox(item.text, this);
        box->setObjectName(QString::number(item.id));
        layout->addWidget(box);
        boxes_.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelText, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CheckBoxDialog::open()
{
    InitDialog();
    QDialog::open();
}

int CheckBoxDialog::exec()
{
    InitDialog();
    return QDialog::exec();
}

} // namespace fw
