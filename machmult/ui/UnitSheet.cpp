#include "machmult/ui/UnitSheet.h"

#include "fw/qt/QtText.h"
#include "machmult/ui/MachineUnitPage.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace machui {

CUnitSheet::CUnitSheet(QWidget* parent) : QDialog(parent), tabs_(new QTabWidget)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

CUnitSheet::~CUnitSheet() = default;

void CUnitSheet::AddPage(std::unique_ptr<CMachineUnitPage> page)
{
    pages_.push_back(page.get());
    const QString title = fw::ToQString(page->GetTitle());
    tabs_->addTab(page.release(), title);   // the tab widget owns its pages
}

void CUnitSheet::accept()
{
    for (CMachineUnitPage* page : pages_)
        if (!page->ReadFields()) {
            tabs_->setCurrentWidget(page);
            return;
        }
    for (CMachineUnitPage* page : pages_)
        page->OnOK();
    QDialog::accept();
}

} // namespace machui
