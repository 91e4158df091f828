#include "machmult/ui/AutomultSetupDlg.h"

#include "model/ui/FormBinder.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Choice {
    const char* text;
    int id;
};

// A group box of radio buttons numbered from 0 in order.
QButtonGroup* RadioGroup(QWidget& dialog, QVBoxLayout& layout, const char* title, std::initializer_list<Choice> choices)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), &dialog);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(&dialog);
    int index = 0;
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(QString::fromLatin1(choice.text), box);
        button->setObjectName(ControlName(choice.id));
        group->addButton(button, index++);
        boxLayout->addWidget(button);
    }
    layout.addWidget(box);
    return group;
}

} // namespace

CAutomultSetupDlg::CAutomultSetupDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Automult Setup"));
    auto* layout = new QVBoxLayout(this);
    sources_ = RadioGroup(*this, *layout, "Part Source",
                          {{"All parts in this Mult's Job.", IDC_SOURCE_JOB},
                           {"All parts in this Mult's Group.", IDC_SOURCE_GROUP},
                           {"All Selected parts.", IDC_SOURCE_PARTS},
                           {"All Selected Groups.", IDC_SOURCE_GROUPS}});
    types_ = RadioGroup(*this, *layout, "Automult Type",
                        {{"ZR Classic Automult", IDC_CLASSIC}, {"ZR Thorough Automult", IDC_THOROUGH}});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ShowValues();
}

void CAutomultSetupDlg::SetPartSource(int source)
{
    partSource_ = source;
    ShowValues();
}

void CAutomultSetupDlg::ShowValues()
{
    if (QAbstractButton* source = sources_->button(partSource_))
        source->setChecked(true);
    if (QAbstractButton* type = types_->button(automultType_))
        type->setChecked(true);
}

void CAutomultSetupDlg::accept()
{
    partSource_ = sources_->checkedId();
    automultType_ = types_->checkedId();
    QDialog::accept();
}
