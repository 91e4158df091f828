#include "partprog/ui/RefDialog.h"

#include "fw/core/MessageService.h"
#include "model/RefPlane.h"
#include "partprog/ui/RadioGroup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMetaObject>
#include <QVBoxLayout>

namespace {

struct LengthField {
    int controlId;
    const char* label;
    double CRefDialog::Values::*value;
};

constexpr LengthField kLengthFields[CRefDialog::lengthCount] = {
    {CRefDialog::IDC_START_X, "Start X:", &CRefDialog::Values::startX},
    {CRefDialog::IDC_START_U, "Start U:", &CRefDialog::Values::startU},
    {CRefDialog::IDC_RISE, "Rise:", &CRefDialog::Values::rise},
    {CRefDialog::IDC_RUN, "Run:", &CRefDialog::Values::run},
};

} // namespace

CRefDialog::CRefDialog(QWidget* parent)
    : QDialog(parent),
      xDirection_(
          new RadioGroup("Direction X", {{IDC_X_POSITIVE, "&Positive"}, {IDC_X_NEGATIVE, "&Negative"}}, this)),
      uDirection_(
          new RadioGroup("Direction U", {{IDC_U_POSITIVE, "P&ositive"}, {IDC_U_NEGATIVE, "N&egative"}}, this)),
      patternType_(new RadioGroup("Pattern Type", {{IDC_ABOVE, "&Above"}, {IDC_BELOW, "&Below"}, {IDC_CENTER, "&Center"}},
                                  this))
{
    setWindowTitle("Custom Reference Plane");
    auto* lengths = new QFormLayout;
    for (int i = 0; i < lengthCount; ++i) {
        const LengthField& field = kLengthFields[i];
        QWidget* control = CLenbox::CreateControl(this);
        control->setObjectName(QString::number(field.controlId));
        lengths->addRow(field.label, control);
        lenboxes_[i].Attach(control);
        lenboxes_[i].SetLengthLimits();
        // Posted, so that the receiver sees the focus already moved on.
        lenboxes_[i].OnKillFocus(this, [this, id = field.controlId] {
            QMetaObject::invokeMethod(this, [this, id] { emit FieldChanged(id); }, Qt::QueuedConnection);
        });
    }
    auto* groups = new QHBoxLayout;
    groups->addWidget(xDirection_);
    groups->addWidget(uDirection_);
    groups->addWidget(patternType_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRefDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRefDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lengths);
    layout->addLayout(groups);
    layout->addWidget(buttons);
}

void CRefDialog::FillFrom(const CRefPlane& plane, int measuringSystem)
{
    values_.startX = plane.GetStartX().GetValue();
    values_.startU = plane.GetStartU().GetValue();
    values_.rise = plane.GetRise().GetValue();
    values_.run = plane.GetRun().GetValue();
    values_.xDirection = plane.GetXDirection() == '-' ? 1 : 0;
    values_.uDirection = plane.GetUDirection() == '-' ? 1 : 0;
    const std::optional<int> type = plane.GetPatternTypeIndex();
    if (!type)
        fw::Messages().Beep();   // a plane never placed shows as type A
    values_.patternType = type.value_or(0);
    values_.measuringSystem = measuringSystem;
}

void CRefDialog::WriteTo(CRefPlane& plane) const
{
    plane.SetFromDialog(values_.startX, values_.startU, values_.xDirection, values_.uDirection, values_.rise,
                        values_.run, values_.patternType);
}

void CRefDialog::InitDialog()
{
    for (int i = 0; i < lengthCount; ++i) {
        lenboxes_[i].SetDimensionType(values_.measuringSystem);
        lenboxes_[i].SetDecimalInches(values_.*kLengthFields[i].value);
    }
    xDirection_->SetIndex(values_.xDirection);
    uDirection_->SetIndex(values_.uDirection);
    patternType_->SetIndex(values_.patternType);
}

void CRefDialog::open()
{
    InitDialog();
    QDialog::open();
}

int CRefDialog::exec()
{
    InitDialog();
    return QDialog::exec();
}

void CRefDialog::accept()
{
    for (int i = 0; i < lengthCount; ++i)
        values_.*kLengthFields[i].value = lenboxes_[i].GetDecimalInches();
    values_.xDirection = xDirection_->GetIndex();
    values_.uDirection = uDirection_->GetIndex();
    values_.patternType = patternType_->GetIndex();
    QDialog::accept();
}
