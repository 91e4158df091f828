#include "model/ui/ShapeView.h"

#include "fw/core/DocTemplate.h"
#include "fw/core/Number.h"
#include "fw/qt/LeaveWatch.h"
#include "fw/qt/QtText.h"
#include "fw/qt/TabOrder.h"
#include "fw/qt/ViewFrame.h"
#include "model/ShapeDoc.h"
#include "model/ui/FormBinder.h"
#include "model/ui/MeasuringSystemCaptions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kTypes[] = {"C", "FB", "HP", "L", "M", "MC", "MT", "S", "TS", "W", "WT"};
const char* const kKinds[] = {"Beam", "Channel", "Angle", "FlatBar", "Plate", "T-Shape", "Tubing"};
const char* const kDimensionLabels[] = {"D:", "TW:", "BF:", "TF:", "Standard Flange Gage:"};
constexpr int kDimensionIds[] = {CShapeView::IDC_D, CShapeView::IDC_TW, CShapeView::IDC_BF, CShapeView::IDC_TF,
                                 CShapeView::IDC_SFG};

const char* const kEnterNumber = "Please enter a number.";
const char* const kWeightRange = "Please enter a number between 1 and 1500.";

// The kind radios skip 1035, the type combo's id.
int KindId(int kind) { return CShapeView::IDC_BEAM + kind + (kind >= shapePlate ? 1 : 0); }

} // namespace

CShapeView::CShapeView(QWidget* parent)
    : QWidget(parent), type_(new QComboBox(this)), desc_(new QLineEdit(this)), weight_(new QLineEdit(this)),
      formal_(new QLineEdit(this)), kinds_(new QButtonGroup(this)), systems_(new QButtonGroup(this))
{
    setWindowTitle("Shape Information");
    type_->setObjectName(ControlName(IDC_DESCTP));
    type_->setEditable(true);
    for (const char* type : kTypes)
        type_->addItem(type);
    type_->setCurrentIndex(-1);
    type_->lineEdit()->setMaxLength(kMaxTypeLength);
    desc_->setObjectName(ControlName(IDC_DESC));
    weight_->setObjectName(ControlName(IDC_WEIGHT));
    weight_->setText("0");
    formal_->setObjectName(ControlName(IDC_FORMAL));

    auto* form = new QFormLayout;
    form->addRow("Desctp:", type_);
    form->addRow("Desc:", desc_);
    for (std::size_t i = 0; i < dimensions_.size(); ++i) {
        dimensions_[i].Attach(CLenbox::CreateControl(this));
        dimensions_[i].GetControl()->setObjectName(ControlName(kDimensionIds[i]));
        form->addRow(kDimensionLabels[i], dimensions_[i].GetControl());
        dimensions_[i].OnChanged(this, [this] { MarkModified(); });
    }
    form->addRow("Weight Per Foot:", weight_);
    form->addRow("Formal Description:", formal_);

    auto* kindBox = new QGroupBox("Type", this);
    auto* kindLayout = new QVBoxLayout(kindBox);
    for (int kind = shapeBeam; kind <= shapeTube; ++kind)
        AddRadio(*kinds_, *kindLayout, kKinds[kind], KindId(kind), kind);
    auto* systemBox = new QGroupBox("Measuring System", this);
    systemBox->setObjectName(ControlName(IDC_MEASURING_SYSTEM));
    auto* systemLayout = new QVBoxLayout(systemBox);
    for (int system = 0; system < 3; ++system)
        AddRadio(*systems_, *systemLayout, kMeasuringSystemCaptions[system], IDC_IMPERIAL + system, system);

    auto* groups = new QHBoxLayout;
    groups->addWidget(kindBox);
    groups->addWidget(systemBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(groups);

    // A kind checked anew, not one clicked again.
    connect(kinds_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            MarkModified();
    });
    connect(systems_, &QButtonGroup::idClicked, this, &CShapeView::OnSystemClicked);
    connect(type_, &QComboBox::currentTextChanged, this, &CShapeView::OnKeyFieldEdited);
    connect(desc_, &QLineEdit::textChanged, this, &CShapeView::OnKeyFieldEdited);
    connect(weight_, &QLineEdit::textChanged, this, &CShapeView::MarkModified);
    connect(formal_, &QLineEdit::textChanged, this, &CShapeView::MarkModified);
    for (QWidget* control : {static_cast<QWidget*>(type_), static_cast<QWidget*>(desc_),
                             static_cast<QWidget*>(weight_), static_cast<QWidget*>(formal_)}) {
        const int id = control->objectName().toInt();
        fw::OnUserLeaves(*control, *this, [this, id] { ValidateField(id); });
    }
    BindForm();
    fw::SetTabOrderByLayout(*this);
}

void CShapeView::BindForm()
{
    binder_.BindCombo(*type_, form_.desctp);
    binder_.BindText(*desc_, form_.desc, MaxChars(kMaxDescLength));
    CDimension* values[] = {&form_.depth, &form_.webThickness, &form_.flangeWidth, &form_.flangeThickness,
                            &form_.flangeGage};
    for (std::size_t i = 0; i < dimensions_.size(); ++i)
        binder_.BindLength(dimensions_[i], *values[i], 0, kMaxDimension);
    binder_.BindEdit(
        *weight_, [this] { return fw::FormatGeneral(form_.weight); },
        [](const std::string& text) -> std::optional<std::string> {
            const std::optional<double> weight = fw::ParseDouble(text);
            if (!weight)
                return kEnterNumber;
            if (*weight < kMinWeight || *weight > kMaxWeight)
                return kWeightRange;
            return std::nullopt;
        },
        [this](const std::string& text) { form_.weight = *fw::ParseDouble(text); });
    binder_.BindText(*formal_, form_.formal, MaxChars(kMaxFormalLength));
    binder_.BindRadio(*kinds_, form_.kind);
    binder_.BindRadio(*systems_, form_.measuringSystem);
}

CShapeDoc* CShapeView::GetDocument() const { return dynamic_cast<CShapeDoc*>(fw::View::GetDocument()); }

QRadioButton& CShapeView::KindButton(int kind) const { return *static_cast<QRadioButton*>(kinds_->button(kind)); }

QRadioButton& CShapeView::SystemButton(int system) const
{
    return *static_cast<QRadioButton*>(systems_->button(system));
}

int CShapeView::GetKind() const { return kinds_->checkedId(); }

int CShapeView::GetMeasuringSystem() const { return systems_->checkedId(); }

void CShapeView::OnInitialUpdate()
{
    updating_ = true;
    weight_->setText("1");
    updating_ = false;
    OnUpdate(nullptr, 0, nullptr);
    if (CShapeDoc* doc = GetDocument())
        doc->ApplySaveRule();
}

void CShapeView::OnUpdate(fw::View*, long, fw::Object*)
{
    if (!GetDocument())
        return;
    updating_ = true;
    ShowShape();
    ApplyDocumentState();
    updating_ = false;
}

void CShapeView::ShowShape()
{
    form_ = GetDocument()->GetShapeData();
    for (CDimension* value : {&form_.depth, &form_.webThickness, &form_.flangeWidth, &form_.flangeThickness,
                              &form_.flangeGage})
        value->SetUnits(form_.measuringSystem);
    binder_.Load();
}

void CShapeView::ApplyDocumentState()
{
    CShapeDoc* doc = GetDocument();
    const int state = doc->GetDocumentState();
    if (state == CSmartDoc::stateStored) {
        type_->setEnabled(false);
        desc_->setEnabled(false);
        for (QAbstractButton* button : systems_->buttons())
            button->setEnabled(false);
    } else if (state == CSmartDoc::stateNew) {
        if (!type_->isEnabled()) {
            type_->setEnabled(true);
            type_->setFocus();
        }
        if (!desc_->isEnabled()) {
            desc_->setEnabled(true);
            const fw::DocTemplate* shapes = doc->GetDocTemplate();
            const std::string name = shapes ? shapes->GetDocString(fw::DocTemplate::fileNewName) : "Shape";
            desc_->setText(fw::ToQString(name));
            doc->SetTitle(name);
        }
        for (QAbstractButton* button : systems_->buttons())
            button->setEnabled(true);
    }
}

void CShapeView::SetDimensionUnits(int system)
{
    for (const CLenbox& dimension : dimensions_)
        if (dimension.GetDimensionType() != system)
            binder_.SetDimensionType(dimension, system);
}

bool CShapeView::CopyFormToDocument()
{
    if (!binder_.Store())
        return false;
    if (CShapeDoc* doc = GetDocument())
        doc->SetShapeData(form_.desctp, form_.desc, form_.depth.GetValue(), form_.webThickness.GetValue(),
                          form_.flangeWidth.GetValue(), form_.flangeThickness.GetValue(),
                          form_.flangeGage.GetValue(), form_.weight, form_.formal, std::max(form_.kind, 0),
                          std::max(form_.measuringSystem, 0));
    return true;
}

void CShapeView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

// The dimensions are shown in the system chosen at once; the shape takes them with the form.
void CShapeView::OnSystemClicked(int system)
{
    if (system == dimensions_[0].GetDimensionType())
        return;
    SetDimensionUnits(system);
    MarkModified();
}

void CShapeView::MarkModified()
{
    if (!updating_ && GetDocument())
        GetDocument()->SetModifiedFlag(true);
}

// A changed type or size names another file, so the shape may be saved.
void CShapeView::OnKeyFieldEdited()
{
    if (updating_ || !GetDocument())
        return;
    GetDocument()->KeyFieldEdited();
}

bool CShapeView::ValidateField(int id)
{
    QWidget* control = findChild<QWidget*>(ControlName(id));
    if (!control || !binder_.StoreControl(*control))
        return false;
    if (id == IDC_DESC || id == IDC_DESCTP)
        NameDocument();
    return true;
}

void CShapeView::NameDocument()
{
    CShapeDoc* doc = GetDocument();
    if (!doc)
        return;
    const std::string name = CShapeDoc::PadType(fw::FromQString(type_->currentText())) + fw::FromQString(desc_->text());
    doc->Rename(name);
}
