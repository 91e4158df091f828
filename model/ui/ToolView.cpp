#include "model/ui/ToolView.h"

#include "fw/core/Number.h"
#include "fw/qt/LeaveWatch.h"
#include "fw/qt/TabOrder.h"
#include "fw/qt/ViewFrame.h"
#include "model/ToolDoc.h"
#include "model/ui/FormBinder.h"
#include "model/ui/MeasuringSystemCaptions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kToolTypes[] = {"RD", "ER", "SL", "VE", "HE", "CR", "HC", "VC", "HX", "SQ", "RT", "OV"};

const char* const kEnterInteger = "Please enter an integer.";
const char* const kOrientationRange = "Please enter an integer between -180 and 180.";

// Why an orientation is refused, or none for a whole number from -180 to 180.
std::optional<std::string> CheckOrientation(const std::string& text)
{
    const std::optional<int> value = fw::ParseInt(text);
    if (!value)
        return kEnterInteger;
    if (*value < CToolView::kMinOrientation || *value > CToolView::kMaxOrientation)
        return kOrientationRange;
    return std::nullopt;
}

} // namespace

CToolView::CToolView(QWidget* parent)
    : QWidget(parent), type_(new QComboBox(this)), orientation_(new QLineEdit(this)), systems_(new QButtonGroup(this))
{
    setWindowTitle("Tool Information");
    sizeA_.Attach(CLenbox::CreateControl(this));
    sizeB_.Attach(CLenbox::CreateControl(this));
    sizeA_.GetControl()->setObjectName(ControlName(IDC_SIZE_A));
    sizeB_.GetControl()->setObjectName(ControlName(IDC_SIZE_B));
    type_->setObjectName(ControlName(IDC_TYPE));
    type_->setEditable(true);
    for (const char* type : kToolTypes)
        type_->addItem(type);
    type_->setCurrentIndex(-1);
    type_->lineEdit()->setMaxLength(kMaxTypeLength);
    orientation_->setObjectName(ControlName(IDC_ORIENTATION));
    orientation_->setText("0");

    auto* group = new QGroupBox("Measuring System", this);
    auto* groupLayout = new QVBoxLayout(group);
    systems_->setExclusive(true);
    for (int system = 0; system < 3; ++system)
        AddRadio(*systems_, *groupLayout, kMeasuringSystemCaptions[system], IDC_IMPERIAL + system, system);

    auto* form = new QFormLayout;
    form->addRow("Size A", sizeA_.GetControl());
    form->addRow("Size B", sizeB_.GetControl());
    form->addRow("Type", type_);
    form->addRow("Orientation", orientation_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);

    connect(systems_, &QButtonGroup::idClicked, this, &CToolView::OnSystemClicked);
    connect(type_, &QComboBox::currentTextChanged, this, &CToolView::MarkModified);
    connect(orientation_, &QLineEdit::textChanged, this, &CToolView::MarkModified);
    sizeA_.OnChanged(this, [this] { MarkModified(); });
    sizeB_.OnChanged(this, [this] { MarkModified(); });
    fw::OnUserLeaves(*orientation_, *this, [this] { binder_.StoreControl(*orientation_); });
    BindForm();
    fw::SetTabOrderByLayout(*this);
}

void CToolView::BindForm()
{
    binder_.BindLength(sizeA_, form_.sizeA, 0, kMaxSize);
    binder_.BindLength(sizeB_, form_.sizeB, 0, kMaxSize);
    binder_.BindCombo(*type_, form_.type);
    binder_.BindEdit(
        *orientation_, [this] { return std::to_string(form_.orientation); }, &CheckOrientation,
        [this](const std::string& text) { form_.orientation = *fw::ParseInt(text); });
    binder_.BindRadio(*systems_, form_.system);
}

CToolDoc* CToolView::GetDocument() const { return static_cast<CToolDoc*>(fw::View::GetDocument()); }

QRadioButton& CToolView::SystemButton(int system) const { return *static_cast<QRadioButton*>(systems_->button(system)); }

int CToolView::GetMeasuringSystem() const { return systems_->checkedId(); }

void CToolView::OnUpdate(fw::View*, long, fw::Object*)
{
    CToolDoc* doc = GetDocument();
    if (!doc)
        return;
    double a = 0, b = 0;
    doc->GetToolData(a, b, form_.type, form_.orientation, form_.system);
    for (auto [size, inches] : {std::pair{&form_.sizeA, a}, std::pair{&form_.sizeB, b}}) {
        size->SetUnits(form_.system);
        size->SetValue(inches);
    }
    updating_ = true;
    binder_.Load();
    updating_ = false;
}

void CToolView::SetSizeUnits(int system)
{
    for (const CLenbox* size : {&sizeA_, &sizeB_})
        if (size->GetDimensionType() != system)
            binder_.SetDimensionType(*size, system);
}

bool CToolView::CopyFormToDocument()
{
    if (!binder_.Store())
        return false;
    if (CToolDoc* doc = GetDocument())
        doc->SetToolData(form_.sizeA.GetValue(), form_.sizeB.GetValue(), form_.type, form_.orientation,
                         std::max(form_.system, 0));
    return true;
}

void CToolView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

void CToolView::OnSystemClicked(int system)
{
    if (system == sizeA_.GetDimensionType())
        return;
    SetSizeUnits(system);
    MarkModified();
}

void CToolView::MarkModified()
{
    if (!updating_ && GetDocument())
        GetDocument()->SetModifiedFlag(true);
}
