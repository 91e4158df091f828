#include "navigator/ui/PickDriveDlg.h"

#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

std::vector<std::string> CPickDriveDlg::DriveRoots(const nav::DriveTypeOf& driveType)
{
    std::vector<std::string> roots;
    for (const char letter : fw::DriveMap::Instance().Drives()) {
        const nav::DriveType type = driveType ? driveType(letter) : nav::DriveType::fixed;
        if (type == nav::DriveType::removable || type == nav::DriveType::fixed || type == nav::DriveType::remote ||
            type == nav::DriveType::ramdisk)
            roots.push_back(std::string{letter, ':', '\\'});
    }
    return roots;
}

CPickDriveDlg::CPickDriveDlg(const nav::DriveTypeOf& driveType, QWidget* parent)
    : QDialog(parent), drives_(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Pick a Drive"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Target Drive:"), this));
    layout->addWidget(drives_);
    const std::vector<std::string> roots = DriveRoots(driveType);
    if (roots.empty())
        fw::Messages().MessageBox("Failed to get drive letters: no drive letter stands for a folder.", "Error! ",
                                  fw::MB_OK);
    for (const std::string& root : roots)
        drives_->addItem(fw::ToQString(root));
    drives_->setCurrentIndex(roots.empty() ? -1 : 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string CPickDriveDlg::Drive() const { return fw::FromQString(drives_->currentText()); }
