#pragma once
// "Enter New Part Name": the new name of a part; the caption names the part.

#include <QDialog>

#include <string>

class QLineEdit;

class CCPartNameDlg : public QDialog {
public:
    explicit CCPartNameDlg(const std::string& currentName, QWidget* parent = nullptr);
    std::string NewName() const;
    QLineEdit& Edit() { return *edit_; }

private:
    QLineEdit* edit_;
};
