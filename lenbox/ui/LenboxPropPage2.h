#pragma once
// The control's "Specifics" property page: auto size, tooltips, border, input, appearance and
// background. OK hands the page to the control; a value it refuses is shown in a message box and
// the page stays open.

#include "lenbox/PropPageValues.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace lenbox {

class CLenboxCtrl;

class CLenboxPropPage2 : public QDialog {
    Q_OBJECT

public:
    explicit CLenboxPropPage2(CLenboxCtrl& ctrl, QWidget* parent = nullptr);

    SpecificsPageValues Values() const;

    void accept() override;

private:
    CLenboxCtrl& ctrl_;
    QCheckBox* autoSize_;
    QCheckBox* toolTips_;
    QLineEdit* borderStyle_;
    QCheckBox* enableInput_;
    QButtonGroup* appearance_;
    QButtonGroup* backGround_;
};

} // namespace lenbox
