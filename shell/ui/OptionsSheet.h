#pragma once
// View > Options: the "Varnex Settings" sheet with the pages "Windows" and "Directories". OK and
// Apply write the profile.

#include "shell/ui/DirectorySettingsPP.h"
#include "shell/ui/WindowsPP.h"

#include <QDialog>

class QDialogButtonBox;
class QTabWidget;

class COptionsSheet : public QDialog {
public:
    COptionsSheet(fw::Profile& profile, CDirectorySettingsPP::FolderBrowser browse, QWidget* parent = nullptr);

    CWindowsPP& WindowsPage() const { return *windows_; }
    CDirectorySettingsPP& DirectoriesPage() const { return *directories_; }
    QDialogButtonBox& Buttons() const { return *buttons_; }

    void accept() override;
    void Apply();

private:
    CWindowsPP* windows_;
    CDirectorySettingsPP* directories_;
    QDialogButtonBox* buttons_;
};
