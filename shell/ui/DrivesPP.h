#pragma once
// The "Drives" page of the options: which Linux folder each drive letter stands for. Add, Remove
// and Browse... work on the marked row; a refused entry is named to the user and left as typed.
// The drives take effect at the next start.

#include "shell/DriveSettings.h"

#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class QTableWidget;

namespace fw {
class Profile;
}

class CDrivesPP : public QWidget {
public:
    // The folder browser starts at the Linux folder shown and gives the one chosen, empty on Cancel.
    using FolderBrowser = std::function<QString(const QString& shown)>;
    enum Column { letterColumn, folderColumn };

    CDrivesPP(fw::Profile& profile, FolderBrowser browse, QWidget* parent = nullptr);

    bool IsModified() const { return modified_; }
    QTableWidget& Table() const { return *table_; }
    QPushButton& AddButton() const { return *add_; }
    QPushButton& RemoveButton() const { return *remove_; }
    QPushButton& BrowseButton() const { return *browse_; }
    // The drives as the rows show them.
    DriveSettings Values() const;
    // Writes the drives; when one is refused, tells why, marks its row and writes nothing.
    bool OnOK();

private:
    void AddRow(const DriveSettings::Entry& entry);
    void OnAdd();
    void OnRemove();
    void OnBrowse();

    fw::Profile& profile_;
    FolderBrowser browseFolder_;
    QTableWidget* table_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* browse_;
    bool modified_ = false;
};
