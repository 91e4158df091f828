#include "shell/ui/OptionsSheet.h"

#include "fw/core/DriveMap.h"
#include "fw/qt/TabOrder.h"
#include "shell/CommandGuard.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsSheet::COptionsSheet(fw::Profile& profile, CDirectorySettingsPP::FolderBrowser browse, QWidget* parent)
    : QDialog(parent),
      windows_(new CWindowsPP(profile)),
      directories_(new CDirectorySettingsPP(profile, fw::DriveMap::Instance().Drives(), std::move(browse))),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setWindowTitle(QStringLiteral("Varnex Settings"));
    auto* tabs = new QTabWidget(this);
    tabs->addTab(windows_, QStringLiteral("Windows"));
    tabs->addTab(directories_, QStringLiteral("Directories"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &COptionsSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &COptionsSheet::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { GuardCommand("COptionsSheet::OnApply", [this] { Apply(); }); });
    fw::SetTabOrderByLayout(*this);
}

void COptionsSheet::Apply()
{
    windows_->OnOK();
    directories_->OnOK();
}

void COptionsSheet::accept()
{
    GuardCommand("COptionsSheet::OnOK", [this] { Apply(); });
    QDialog::accept();
}
