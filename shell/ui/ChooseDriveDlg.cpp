#include "shell/ui/ChooseDriveDlg.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

CChooseDriveDlg::CChooseDriveDlg(const std::vector<char>& drives, QWidget* parent)
    : QDialog(parent),
      combo_(new QComboBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(QStringLiteral("Pick a Drive"));
    combo_->setObjectName(QStringLiteral("combo212"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Target Drive:"), combo_);
    layout->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CChooseDriveDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (char letter : drives)
        combo_->addItem(QStringLiteral("%1:\\").arg(QChar::fromLatin1(letter)));
    connect(combo_, &QComboBox::currentTextChanged, this, [this](const QString& text) { drive_ = fw::FromQString(text); });
    if (drives.empty()) {
        fw::Messages().MessageBox("Failed to get drive letters: no drive letter stands for a folder.", "Error! ",
                                  fw::MB_OK);
        buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
        return;
    }
    combo_->setCurrentIndex(0);
    drive_ = fw::FromQString(combo_->currentText());
}

void CChooseDriveDlg::accept()
{
    if (drive_.empty())
        return;
    QDialog::accept();
}
