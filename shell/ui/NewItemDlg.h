#pragma once
// "Name": asks the name of a new item (a job or group folder). OK takes 1 to 10 characters that
// can stand as a file name; anything else is refused with a message and the dialog stays open.

#include "model/ui/FormBinder.h"

#include <QDialog>

#include <string>

class QLineEdit;

class CNewItemDlg : public QDialog {
public:
    explicit CNewItemDlg(const std::string& name = {}, QWidget* parent = nullptr);

    // The accepted name (the caller's name until OK).
    const std::string& GetName() const { return name_; }
    QLineEdit& Edit() const { return *edit_; }

    void accept() override;

private:
    QLineEdit* edit_;
    std::string name_;
    FormBinder binder_;
};
