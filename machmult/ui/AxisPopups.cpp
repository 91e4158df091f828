#include "machmult/ui/AxisPopups.h"

#include "machmult/ui/ModalRunner.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include <memory>

namespace machui {

namespace {

// Limits of the pop-ups' lengths (inches).
constexpr double kSpeedMax = 1200.0;
constexpr double kPositionLimit = 1200.0;

} // namespace

CAxisPopupDlg::CAxisPopupDlg(QWidget* parent) : QDialog(parent) {}

void CAxisPopupDlg::Finish(QFormLayout* fields)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    binder_.Load();
}

void CAxisPopupDlg::SetBlock(const ExtendedBlock& block)
{
    block_ = block;
    binder_.Load();
}

void CAxisPopupDlg::accept()
{
    if (binder_.Store())
        QDialog::accept();
}

CValvePopupDlg::CValvePopupDlg(QWidget* parent) : CAxisPopupDlg(parent)
{
    setWindowTitle("Valve Information");
    auto* fields = new QFormLayout;
    binder_.AddLength(*fields, 1134, "Maximum Velocity", block_.values[0], 0, kSpeedMax);
    binder_.AddLength(*fields, 1135, "Minimum Velocity", block_.values[1], 0, kSpeedMax);
    binder_.AddLength(*fields, 1137, "Slow Positive Distance", block_.values[2], 0, kSpeedMax);
    binder_.AddLength(*fields, 1139, "Slow Negative Distance", block_.values[3], 0, kSpeedMax);
    binder_.AddLength(*fields, 1141, "Runend Position", block_.values[4], -kPositionLimit, kPositionLimit);
    binder_.AddWhole(*fields, 1140, "In Position Time", block_.inPositionTime, 0, 100000);
    Finish(fields);
}

CServoPopupDlg::CServoPopupDlg(QWidget* parent) : CAxisPopupDlg(parent)
{
    setWindowTitle("Servo Information");
    auto* fields = new QFormLayout;
    binder_.AddNumber(*fields, 1136, "Maximum Resistance", block_.values[0]);
    binder_.AddNumber(*fields, 1138, "Minimum Resistance", block_.values[1]);
    binder_.AddLength(*fields, 1132, "Maximum Acceleration", block_.values[2], 0, kSpeedMax);
    binder_.AddLength(*fields, 1133, "Minimum Acceleration", block_.values[3], 0, kSpeedMax);
    binder_.AddLength(*fields, 1134, "Maximum Velocity", block_.values[4], 0, kSpeedMax);
    binder_.AddLength(*fields, 1135, "Minimum Velocity", block_.values[5], 0, kSpeedMax);
    Finish(fields);
}

bool EditAxis(QWidget* parent, ExtendedBlock& block, std::uint32_t type)
{
    std::unique_ptr<CAxisPopupDlg> popup;
    if (type == axisValve)
        popup = std::make_unique<CValvePopupDlg>(parent);
    else
        popup = std::make_unique<CServoPopupDlg>(parent);
    popup->SetBlock(block);
    if (RunModal(*popup) != QDialog::Accepted)
        return false;
    block = popup->GetBlock();
    return true;
}

} // namespace machui
