#pragma once
// "Enter New Part Name": the new name of a part file, titled "Rename Part " and the old name.
// A name that can't stand as a file name is refused with a message.

#include "model/ui/FormBinder.h"

#include <QDialog>

#include <string>

class QLineEdit;

class CRenamePartDlg : public QDialog {
public:
    explicit CRenamePartDlg(const std::string& oldName, QWidget* parent = nullptr);

    // Set on OK.
    const std::string& GetNewName() const { return newName_; }
    QLineEdit& Edit() const { return *edit_; }

    void accept() override;

private:
    QLineEdit* edit_;
    std::string newName_;
    FormBinder binder_;
};
