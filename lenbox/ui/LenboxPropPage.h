#pragma once
// The control's "General" property page: masks and appendages, limits, denominators, initial
// value, dimension type and layout. OK checks the page and hands it to the control; a value the
// page or the control refuses is shown in a message box and the page stays open.

#include "lenbox/PropPageValues.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace lenbox {

class CLenboxCtrl;

class CLenboxPropPage : public QDialog {
    Q_OBJECT

public:
    explicit CLenboxPropPage(CLenboxCtrl& ctrl, QWidget* parent = nullptr);

    GeneralPageValues Values() const;

    void accept() override;

private:
    void EnableJustify();

    CLenboxCtrl& ctrl_;
    QLineEdit* formatFeet_;
    QLineEdit* formatInch_;
    QLineEdit* decimalInchAppendage_;
    QLineEdit* formatMetric_;
    QLineEdit* metricAppendage_;
    QLineEdit* maxInches_;
    QLineEdit* minInches_;
    QLineEdit* maxDenominator_;
    QLineEdit* defaultDenominator_;
    QLineEdit* initialValue_;
    QButtonGroup* dimensionType_;
    QCheckBox* packed_;
    QButtonGroup* justify_;
};

} // namespace lenbox
