#include "shell/ui/ShopDiskSetupDlg.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "shell/NameRules.h"
#include "shell/VarnexStrings.h"
#include "shell/ui/EditFix.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr const char* kShopDiskNameRule =
    "is no shop-disk file name: it has 1 to 8 characters, each a letter, a digit or one of _ ^ $ ~ ! # % & - "
    "{ } ( ) ' @ `.";

} // namespace

CShopDiskSetupDlg::CShopDiskSetupDlg(const std::vector<char>& drives, QWidget* parent)
    : QDialog(parent),
      file_(new CEditFix(this)),
      drive_(new QComboBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(QStringLiteral("Shop Disk Setup"));
    file_->setObjectName(QStringLiteral("edit1213"));
    file_->setMaxLength(8);
    file_->setText(fw::ToQString(LoadVarnexString(ids::IDS_SHOPDISK_DEFAULT)));
    drive_->setObjectName(QStringLiteral("combo1214"));
    drive_->setEditable(true);
    drive_->lineEdit()->setMaxLength(1);
    drive_->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]?")), drive_));
    for (char letter : drives)
        drive_->addItem(QString(QChar::fromLatin1(letter)));
    drive_->setCurrentIndex(drives.empty() ? -1 : 0);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Target File"), file_);
    layout->addRow(QStringLiteral("Target Drive"), drive_);
    layout->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CShopDiskSetupDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(drive_, &QComboBox::currentTextChanged, this, [this] { UpdateOk(); });
    UpdateOk();
}

void CShopDiskSetupDlg::UpdateOk()
{
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!drive_->currentText().isEmpty());
}

void CShopDiskSetupDlg::accept()
{
    const QString drive = drive_->currentText();
    if (drive.isEmpty())
        return;
    const std::string file = fw::FromQString(file_->text());
    if (!IsValidShopDiskFileName(file)) {
        fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
        fw::ShowMessage(LoadVarnexString(ids::IDS_INVALID_FILE) + ": \"" + file + "\" " + kShopDiskNameRule,
                        fw::MB_OK | fw::MB_ICONEXCLAMATION);
        file_->setFocus();
        return;
    }
    target_ = {static_cast<char>(drive.at(0).toUpper().toLatin1()), file};
    QDialog::accept();
}
