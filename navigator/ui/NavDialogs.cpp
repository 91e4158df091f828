#include "navigator/ui/NavDialogs.h"

#include "navigator/ui/NewItemDlg.h"
#include "navigator/ui/PartNameDlg.h"
#include "navigator/ui/PickDriveDlg.h"

namespace nav {

std::optional<std::string> StandardNavDialogs::AskPartName(const std::string& currentName)
{
    CCPartNameDlg dialog(currentName, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.NewName();
}

std::optional<std::string> StandardNavDialogs::AskNewName()
{
    CNewItemDlg dialog({}, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Name();
}

std::optional<std::string> StandardNavDialogs::PickDrive()
{
    CPickDriveDlg dialog(driveType_, parent_);
    if (dialog.exec() != QDialog::Accepted || dialog.Drive().empty())
        return std::nullopt;
    return dialog.Drive();
}

} // namespace nav
