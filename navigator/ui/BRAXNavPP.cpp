#include "navigator/ui/BRAXNavPP.h"

#include "fw/qt/QtText.h"
#include "navigator/NavPropertyStream.h"
#include "navigator/ui/BRAXNav.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct SwitchRow {
    CBRAXNavPP::Id id;
    const char* text;
    long nav::NavProperties::*member;
};
// In the page's order.
constexpr SwitchRow kSwitchRows[] = {
    {CBRAXNavPP::kShowJobs, "Display Jobs", &nav::NavProperties::ShowJobs},
    {CBRAXNavPP::kShowParts, "Display Parts", &nav::NavProperties::ShowParts},
    {CBRAXNavPP::kShowMults, "Display Mults", &nav::NavProperties::ShowMults},
    {CBRAXNavPP::kShowShapes, "Display Shapes", &nav::NavProperties::ShowShapes},
    {CBRAXNavPP::kShowTools, "Display Tools", &nav::NavProperties::ShowTools},
    {CBRAXNavPP::kShowMachines, "Display Machines", &nav::NavProperties::ShowMachines},
};

struct LabelRow {
    CBRAXNavPP::Id id;
    const char* text;
    std::string nav::NavProperties::*member;
};
constexpr LabelRow kLabelRows[] = {
    {CBRAXNavPP::kJobLabel, "Job Label Text", &nav::NavProperties::JobLabel},
    {CBRAXNavPP::kGroupLabel, "Group Label Text", &nav::NavProperties::GroupLabel},
    {CBRAXNavPP::kPartLabel, "Part Label Text", &nav::NavProperties::PartLabel},
    {CBRAXNavPP::kMultLabel, "Mult Label Text", &nav::NavProperties::MultLabel},
    {CBRAXNavPP::kShapeLabel, "Shape Label Text", &nav::NavProperties::ShapeLabel},
    {CBRAXNavPP::kToolLabel, "Tool Label Text", &nav::NavProperties::ToolLabel},
    {CBRAXNavPP::kMachineLabel, "Machine Label Text", &nav::NavProperties::MachineLabel},
};

} // namespace

CBRAXNavPP::CBRAXNavPP(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(Title());
    auto* layout = new QGridLayout(this);
    // Switches on the left, labels with their texts on the right; tab order follows the rows.
    int row = 0;
    for (const SwitchRow& s : kSwitchRows) {
        auto* check = new QCheckBox(QString::fromLatin1(s.text), this);
        checks_[s.id] = check;
        layout->addWidget(check, row++, 0);
        connect(check, &QCheckBox::clicked, this, [this] { SetDirty(true); });
    }
    row = 0;
    for (const LabelRow& l : kLabelRows) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(static_cast<int>(nav::kMaxLabelLength));
        auto* label = new QLabel(QString::fromLatin1(l.text), this);
        label->setBuddy(edit);
        edits_[l.id] = edit;
        layout->addWidget(label, row, 1);
        layout->addWidget(edit, row++, 2);
        connect(edit, &QLineEdit::textEdited, this, [this] { SetDirty(true); });
    }
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(row, 1);
}

QString CBRAXNavPP::Title() { return QStringLiteral("BRAXNav Properties"); }

QCheckBox* CBRAXNavPP::Check(Id id) const
{
    const auto found = checks_.find(id);
    return found == checks_.end() ? nullptr : found->second;
}

QLineEdit* CBRAXNavPP::Edit(Id id) const
{
    const auto found = edits_.find(id);
    return found == edits_.end() ? nullptr : found->second;
}

void CBRAXNavPP::SetObjects(std::vector<CBRAXNav*> objects)
{
    objects_ = std::move(objects);
    for (const CBRAXNav* object : objects_) {
        const nav::NavProperties& p = object->Properties();
        for (const SwitchRow& s : kSwitchRows)
            checks_[s.id]->setChecked(p.*s.member == 1);
        for (const LabelRow& l : kLabelRows)
            edits_[l.id]->setText(fw::ToQString(p.*l.member));
    }
    SetDirty(false);
}

void CBRAXNavPP::Apply()
{
    for (CBRAXNav* object : objects_) {
        nav::NavProperties& p = object->Properties();
        for (const SwitchRow& s : kSwitchRows)
            p.*s.member = checks_[s.id]->isChecked() ? 1 : 0;
        for (const LabelRow& l : kLabelRows)
            p.*l.member = fw::FromQString(edits_[l.id]->text());
    }
    SetDirty(false);
}

void CBRAXNavPP::SetDirty(bool dirty)
{
    if (dirty_ == dirty)
        return;
    dirty_ = dirty;
    Q_EMIT dirtyChanged(dirty);
}

CBRAXNavPropertyFrame::CBRAXNavPropertyFrame(std::vector<CBRAXNav*> objects, QWidget* parent)
    : QDialog(parent), page_(new CBRAXNavPP(this))
{
    setWindowTitle(CBRAXNavPP::Title());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    layout->addWidget(buttons);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    apply_->setEnabled(false);
    connect(page_, &CBRAXNavPP::dirtyChanged, apply_, &QPushButton::setEnabled);
    connect(apply_, &QPushButton::clicked, page_, &CBRAXNavPP::Apply);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    page_->SetObjects(std::move(objects));
}

void CBRAXNavPropertyFrame::accept()
{
    if (page_->IsDirty())
        page_->Apply();
    QDialog::accept();
}
