#pragma once
// "Enter Quantity to use for part": how many of a part hand multing places, 0 to 9999. Opens at
// the screen position it is given, or centred when that is (0, 0).

#include "model/ui/FormBinder.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

class CPartQntDlg : public QDialog {
public:
    static constexpr int IDD = 175;
    static constexpr int IDC_QUANTITY = 1100;
    static constexpr int IDC_LABEL = 1102;
    static constexpr std::uint32_t kMaxQuantity = 9999;

    CPartQntDlg(QWidget* parent, int x, int y);

    std::uint32_t GetQuantity() const { return quantity_; }
    void SetQuantity(std::uint32_t quantity) { quantity_ = quantity; }
    void SetLabel(const std::string& label) { label_ = label; }

    QLineEdit& GetEdit() const { return *edit_; }

    void open() override;
    int exec() override;
    // Refused with a message, the dialog staying open, unless the quantity is 0 to 9999.
    void accept() override;

private:
    void InitDialog();

    std::uint32_t quantity_ = 1;
    std::string label_;
    int x_;
    int y_;
    QLineEdit* edit_;
    FormBinder binder_;
    QLabel* labelControl_;
};
