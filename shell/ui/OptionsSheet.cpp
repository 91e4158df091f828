#include "shell/ui/OptionsSheet.h"

#include "fw/core/DriveMap.h"
#include "fw/qt/TabOrder.h"
#include "shell/CommandGuard.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsSheet::COptionsSheet(fw::Profile& profile, CDirectorySettingsPP::FolderBrowser browse,
                             CDrivesPP::FolderBrowser browseDrive, QWidget* parent)
    : QDialog(parent),
      windows_(new CWindowsPP(profile)),
      directories_(new CDirectorySettingsPP(profile, fw::DriveMap::Instance().Drives(), std::move(browse))),
      drives_(new CDrivesPP(profile, std::move(browseDrive))),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setWindowTitle(QStringLiteral("Varnex Settings"));
    tabs_->addTab(windows_, QStringLiteral("Windows"));
    tabs_->addTab(directories_, QStringLiteral("Directories"));
    tabs_->addTab(drives_, QStringLiteral("Drives"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &COptionsSheet::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { GuardCommand("COptionsSheet::OnApply", [this] { Apply(); }); });
    fw::SetTabOrderByLayout(*this);
}

bool COptionsSheet::Apply()
{
    // The drives are checked first so that a refusal leaves every page unwritten.
    if (!drives_->OnOK()) {
        tabs_->setCurrentWidget(drives_);
        return false;
    }
    windows_->OnOK();
    directories_->OnOK();
    return true;
}

void COptionsSheet::accept()
{
    bool applied = false;
    GuardCommand("COptionsSheet::OnOK", [this, &applied] { applied = Apply(); });
    if (applied)
        QDialog::accept();
}
