#pragma once
// "Shop Disk Setup": the target file (a short legacy name, "DEFAULT" at first) and the target drive
// of a legacy shop disk. OK refuses a file name that the legacy disk can't hold ("Invalid File")
// and a missing drive.

#include "shell/NavServices.h"

#include <QDialog>

#include <vector>

class CEditFix;
class QComboBox;
class QDialogButtonBox;

class CShopDiskSetupDlg : public QDialog {
public:
    // drives: the letters offered, in order; the first is selected.
    explicit CShopDiskSetupDlg(const std::vector<char>& drives, QWidget* parent = nullptr);

    // The values after OK.
    char GetTargetDrive() const { return target_.drive; }
    const std::string& GetTargetFile() const { return target_.file; }
    const ShopDiskTarget& Target() const { return target_; }

    CEditFix& FileEdit() const { return *file_; }
    QComboBox& DriveCombo() const { return *drive_; }
    QDialogButtonBox& Buttons() const { return *buttons_; }

    void accept() override;

private:
    void UpdateOk();

    CEditFix* file_;
    QComboBox* drive_;
    QDialogButtonBox* buttons_;
    ShopDiskTarget target_;
};
