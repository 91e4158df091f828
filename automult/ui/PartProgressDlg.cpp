#include "automult/ui/PartProgressDlg.h"

#include "automult/ui/EngineDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

CPartProgressDlg::CPartProgressDlg(std::stop_source cancel, QWidget* parent)
    : QDialog(parent), cancel_(std::move(cancel)), bar_(new QProgressBar(this)), mults_(new QLabel("0", this))
{
    setWindowTitle("Mult Parts Staus");
    bar_->setObjectName(QString::number(IDC_PROGRESS));
    bar_->setRange(0, 100);
    bar_->setValue(2);
    mults_->setObjectName(QString::number(IDC_MULTS));
    QPushButton* cancelButton = AddIdButton(*this, "Cancel Multing", IDC_CANCEL);
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel_.request_stop(); });

    auto* made = new QHBoxLayout;
    made->addWidget(new QLabel("Mult Created -", this));
    made->addWidget(mults_);
    made->addStretch();
    made->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addLayout(made);
    PlaceEngineWindow(*this);
}

void CPartProgressDlg::SetPercent(int percent) { bar_->setValue(percent); }

void CPartProgressDlg::SetMults(int made) { mults_->setText(QString::number(made)); }
