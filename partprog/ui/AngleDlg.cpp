#include "partprog/ui/AngleDlg.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "partprog/ui/RadioGroup.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

// An angle field whose arrows step only within -359 to 359, while any whole number can be typed
// and is checked on OK: a typed value out of range must be refused, not silently clamped.
class AngleSpinBox : public QSpinBox {
public:
    explicit AngleSpinBox(QWidget* parent) : QSpinBox(parent)
    {
        setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    }

    void stepBy(int steps) override
    {
        const long long stepped = static_cast<long long>(value()) + steps;
        setValue(int(std::clamp<long long>(stepped, CAngleDlg::kMinAngle, CAngleDlg::kMaxAngle)));
    }

protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() < CAngleDlg::kMaxAngle)
            enabled |= StepUpEnabled;
        if (value() > CAngleDlg::kMinAngle)
            enabled |= StepDownEnabled;
        return enabled;
    }
};

} // namespace

CAngleDlg::CAngleDlg(QWidget* parent)
    : QDialog(parent),
      angleBox_(new AngleSpinBox(this)),
      directions_(new RadioGroup({}, {{IDC_CLOCKWISE, "Clockwise"}, {IDC_COUNTER_CLOCKWISE, "Counter Clockwise"}},
                                 this))
{
    setWindowTitle("Anglular Input");
    angleBox_->setObjectName(QString::number(IDC_ANGLE));
    auto* angleRow = new QHBoxLayout;
    angleRow->addWidget(angleBox_);
    angleRow->addWidget(new QLabel("degrees", this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAngleDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAngleDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(angleRow);
    layout->addWidget(directions_);
    layout->addWidget(buttons);
}

void CAngleDlg::InitDialog()
{
    directions_->SetIndex(direction_);
    angleBox_->setValue(angle_);
    if (!title_.empty())
        setWindowTitle(fw::ToQString(title_));
}

void CAngleDlg::open()
{
    InitDialog();
    QDialog::open();
}

int CAngleDlg::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CAngleDlg::accept()
{
    angleBox_->interpretText();
    const int angle = angleBox_->value();
    if (angle < kMinAngle || angle > kMaxAngle) {
        fw::ShowMessage("Please enter an integer between -359 and 359.", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        angleBox_->setFocus();
        angleBox_->selectAll();
        return;
    }
    angle_ = angle;
    direction_ = directions_->GetIndex();
    QDialog::accept();
}
