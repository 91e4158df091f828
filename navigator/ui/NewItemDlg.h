#pragma once
// "Name": the name of a new job or group, 1 to 10 characters that can stand as a folder name. A
// refused name stays in the edit, selected.

#include <QDialog>

#include <string>

class QLineEdit;

namespace nav {

// The program has a dialog of the same name; the namespace keeps the two apart.
class CNewItemDlg : public QDialog {
public:
    explicit CNewItemDlg(const std::string& name = {}, QWidget* parent = nullptr);
    std::string Name() const;
    QLineEdit& Edit() { return *edit_; }
    void accept() override;

private:
    QLineEdit* edit_;
};

} // namespace nav
