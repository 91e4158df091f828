#pragma once
// "Pick a Drive": the target drive of a copy, chosen among the program's drives. With no drive to
// offer it says so and can't be confirmed.

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;

class CChooseDriveDlg : public QDialog {
public:
    // drives: the letters offered, in order.
    explicit CChooseDriveDlg(const std::vector<char>& drives, QWidget* parent = nullptr);

    // The chosen drive's root ("C:\"), empty when there is none.
    std::string GetDrive() const { return drive_; }
    QComboBox& DriveCombo() const { return *combo_; }
    QDialogButtonBox& Buttons() const { return *buttons_; }

    void accept() override;

private:
    QComboBox* combo_;
    QDialogButtonBox* buttons_;
    std::string drive_;
};
