#pragma once
// A dialog of check boxes in a column above an OK button and a cancel button. The derived dialog
// sets the boxes up each time the dialog opens (InitDialog) and gives the boxes their meaning.

#include <QDialog>

#include <span>
#include <vector>

class QCheckBox;

namespace fw {

class CheckBoxDialog : public QDialog {
public:
    struct BoxItem {
        const char* text;
        int id;   // the box's object name, as a number
    };

    QCheckBox* CheckBox(int index) const { return boxes_[index]; }

    void open() override;
    int exec() override;

protected:
    CheckBoxDialog(const char* title, std::span<const BoxItem> boxes, const char* cancelText, QWidget* parent);

    virtual void InitDialog() = 0;

private:
    std::vector<QCheckBox*> boxes_;
};

} // namespace fw
