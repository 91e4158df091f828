#include "machmult/ui/AMultStockInfoDlg.h"

#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/SaneLength.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"
#include "machmult/MachineDoc.h"
#include "model/ui/FormBinder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {
CLenbox LengthEntry(QWidget& parent, int id)
{
    CLenbox entry(CLenbox::CreateControl(&parent));
    entry.GetControl()->setObjectName(ControlName(id));
    return entry;
}
} // namespace

CAMultStockInfoDlg::CAMultStockInfoDlg(QWidget* parent, int x, int y)
    : QDialog(parent), x_(x), y_(y), machines_(new QComboBox(this)), length_(LengthEntry(*this, IDC_LENGTH)),
      kerf_(LengthEntry(*this, IDC_KERF))
{
    setWindowTitle(QStringLiteral("Stock Information"));
    length_.SetLimits(0.0, fw::kMaxInches);   // any stock length, however long
    machines_->setObjectName(ControlName(IDC_MACHINE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Machine"), machines_);
    form->addRow(QStringLiteral("Length"), length_.GetControl());
    form->addRow(QStringLiteral("Kerf"), kerf_.GetControl());
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CAMultStockInfoDlg::SetValues(const Values& values)
{
    values_ = values;
    length_.SetDimensionType(values.lengthUnits);
    kerf_.SetDimensionType(values.kerfUnits);
    length_.SetDecimalInches(values.length);
    kerf_.SetDecimalInches(values.kerf);
    fw::WaitCursor wait;
    FillMachineList();
    machines_->setCurrentIndex(
        values.machine.empty() ? -1 : machines_->findText(fw::ToQString(values.machine), Qt::MatchFixedString));
}

void CAMultStockInfoDlg::FillMachineList()
{
    machines_->clear();
    const std::string folder = CMachineDoc::GetMachineDirectory();
    const std::string pattern = (folder.empty() ? std::string("*") : folder + "\\*") + CMachineDoc::kExtension;
    try {
        for (const std::string& name : fw::FileSystem::List(pattern, fw::FileSystem::files))
            machines_->addItem(fw::ToQString(fw::WinPath::Title(name)));
    } catch (const std::exception&) {
        // No machine directory: the list stays empty.
    }
}

void CAMultStockInfoDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (x_ != 0 || y_ != 0)
        move(x_, y_);
}

void CAMultStockInfoDlg::accept()
{
    values_.machine = fw::FromQString(machines_->currentText()).substr(0, kMaxMachineName);
    values_.length = length_.GetDecimalInches();
    values_.kerf = kerf_.GetDecimalInches();
    QDialog::accept();
}
