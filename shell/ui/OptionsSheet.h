#pragma once
// View > Options: the "Varnex Settings" sheet with the pages "Windows", "Directories" and
// "Drives". OK and Apply write the profile; a drive the Drives page refuses keeps the sheet open
// with nothing written.

#include "shell/ui/DirectorySettingsPP.h"
#include "shell/ui/DrivesPP.h"
#include "shell/ui/WindowsPP.h"

#include <QDialog>

class QDialogButtonBox;
class QTabWidget;

class COptionsSheet : public QDialog {
public:
    COptionsSheet(fw::Profile& profile, CDirectorySettingsPP::FolderBrowser browse,
                  CDrivesPP::FolderBrowser browseDrive, QWidget* parent = nullptr);

    CWindowsPP& WindowsPage() const { return *windows_; }
    CDirectorySettingsPP& DirectoriesPage() const { return *directories_; }
    CDrivesPP& DrivesPage() const { return *drives_; }
    QDialogButtonBox& Buttons() const { return *buttons_; }

    void accept() override;
    // Writes every page; false, with the Drives page in front, when it refused a drive.
    bool Apply();

private:
    CWindowsPP* windows_;
    CDirectorySettingsPP* directories_;
    CDrivesPP* drives_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
};
