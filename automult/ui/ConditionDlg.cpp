#include "automult/ui/ConditionDlg.h"

#include "automult/ui/EngineDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

CConditionDlg::CConditionDlg(const QString& machineDrop, const QString& allowableDrop, QWidget* parent)
    : QDialog(parent), allowable_(new QLineEdit(allowableDrop, this))
{
    setWindowTitle("Auto Mult");
    auto* machine = new QLabel(machineDrop, this);
    machine->setObjectName(QString::number(IDC_MACHINE_DROP));
    allowable_->setObjectName(QString::number(IDC_ALLOWABLE_DROP));
    allowable_->setMaxLength(kMaxTyped);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Machine Drop", this), 0, 0);
    grid->addWidget(machine, 0, 1);
    grid->addWidget(new QLabel("inch", this), 0, 2);
    grid->addWidget(new QLabel("Mult acceptable with drop ", this), 1, 0);
    grid->addWidget(allowable_, 1, 1);
    grid->addWidget(new QLabel("inch", this), 1, 2);

    QPushButton* start = AddIdButton(*this, "Start", 1);
    QPushButton* cancel = AddIdButton(*this, "Cancel Multing", 2);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, [this] { done(1); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(2); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    PlaceEngineWindow(*this);
}

QString CConditionDlg::AllowableDropText() const { return allowable_->text(); }
