#pragma once
// The "Directories" page of the options: the default job drive and the job, machine, shape and
// tool folders. The first change of a folder asks whether the user really wants it; the folders
// reach the navigator at the next start.

#include "shell/OptionSettings.h"

#include <QWidget>

#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace fw {
class Profile;
}

class CDirectorySettingsPP : public QWidget {
public:
    // The folder browser starts at the Windows-form folder shown in the field and gives the one
    // chosen, empty on Cancel.
    using FolderBrowser = std::function<std::string(const std::string& shown)>;
    enum Folder { job, machine, shape, tool };

    // drives: the drive letters offered, in order.
    CDirectorySettingsPP(fw::Profile& profile, std::vector<char> drives, FolderBrowser browse, QWidget* parent = nullptr);

    bool IsModified() const { return modified_; }
    QComboBox& DriveCombo() const { return *drive_; }
    QLineEdit& Edit(Folder folder) const { return *edits_[folder]; }
    QPushButton& BrowseButton(Folder folder) const { return *browse_[folder]; }
    // Writes the drive number, then the job, shape, tool and machine folders.
    void OnOK();

private:
    // Asks once whether folders may change; false when the user cancelled.
    bool ConfirmChange();
    void OnFolderEdited();
    void OnBrowse(Folder folder);
    // The folder a field shows in full: the job folder with the drive chosen.
    std::string ShownFolder(Folder folder) const;
    void ShowValues();
    // Selects a drive letter, adding it when the list lacks it (a drive no longer present).
    void SelectDrive(char letter);

    fw::Profile& profile_;
    FolderBrowser browseFolder_;
    DirectorySettings values_;
    QComboBox* drive_;
    std::array<QLineEdit*, 4> edits_{};
    std::array<QPushButton*, 4> browse_{};
    bool warned_ = false;
    bool modified_ = false;
};
