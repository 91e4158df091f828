#include "model/ui/ShapeView.h"

#include "fw/core/DocTemplate.h"
#include "fw/core/MessageService.h"
#include "fw/core/Number.h"
#include "fw/qt/QtText.h"
#include "fw/qt/TabOrder.h"
#include "fw/qt/ViewFrame.h"
#include "model/ShapeDoc.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kTypes[] = {"C", "FB", "HP", "L", "M", "MC", "MT", "S", "TS", "W", "WT"};
const char* const kKinds[] = {"Beam", "Channel", "Angle", "FlatBar", "Plate", "T-Shape", "Tubing"};
const char* const kSystems[] = {"&Imperial", "&Decimal Inch", "&Metric"};
const char* const kDimensionLabels[] = {"D:", "TW:", "BF:", "TF:", "Standard Flange Gage:"};
constexpr int kDimensionIds[] = {CShapeView::IDC_D, CShapeView::IDC_TW, CShapeView::IDC_BF, CShapeView::IDC_TF,
                                 CShapeView::IDC_SFG};

const char* const kEnterNumber = "Please enter a number.";
const char* const kWeightRange = "Please enter a number between 1 and 1500.";

// The kind radios skip 1035, the type combo's id.
int KindId(int kind) { return CShapeView::IDC_BEAM + kind + (kind >= shapePlate ? 1 : 0); }

QRadioButton* AddRadio(QButtonGroup& group, QLayout& layout, const char* text, int id, int value)
{
    auto* button = new QRadioButton(text);
    button->setObjectName(QString::number(id));
    group.addButton(button, value);
    layout.addWidget(button);
    return button;
}

} // namespace

CShapeView::CShapeView(QWidget* parent)
    : QWidget(parent), type_(new QComboBox(this)), desc_(new QLineEdit(this)), weight_(new QLineEdit(this)),
      formal_(new QLineEdit(this)), kinds_(new QButtonGroup(this)), systems_(new QButtonGroup(this))
{
    setWindowTitle("Shape Information");
    type_->setObjectName(QString::number(IDC_DESCTP));
    type_->setEditable(true);
    for (const char* type : kTypes)
        type_->addItem(type);
    type_->setCurrentIndex(-1);
    type_->lineEdit()->setMaxLength(kMaxTypeLength);
    desc_->setObjectName(QString::number(IDC_DESC));
    weight_->setObjectName(QString::number(IDC_WEIGHT));
    weight_->setText("0");
    formal_->setObjectName(QString::number(IDC_FORMAL));

    auto* form = new QFormLayout;
    form->addRow("Desctp:", type_);
    form->addRow("Desc:", desc_);
    for (std::size_t i = 0; i < dimensions_.size(); ++i) {
        dimensions_[i].Attach(CLenbox::CreateControl(this));
        dimensions_[i].GetControl()->setObjectName(QString::number(kDimensionIds[i]));
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
    systemBox->setObjectName(QString::number(IDC_MEASURING_SYSTEM));
    auto* systemLayout = new QVBoxLayout(systemBox);
    for (int system = 0; system < 3; ++system)
        AddRadio(*systems_, *systemLayout, kSystems[system], IDC_IMPERIAL + system, system);

    auto* groups = new QHBoxLayout;
    groups->addWidget(kindBox);
    groups->addWidget(systemBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(groups);

    connect(kinds_, &QButtonGroup::idClicked, this, &CShapeView::OnKindClicked);
    connect(systems_, &QButtonGroup::idClicked, this, &CShapeView::OnSystemClicked);
    connect(type_, &QComboBox::currentTextChanged, this, &CShapeView::OnKeyFieldEdited);
    connect(desc_, &QLineEdit::textChanged, this, &CShapeView::OnKeyFieldEdited);
    connect(weight_, &QLineEdit::textChanged, this, &CShapeView::MarkModified);
    connect(formal_, &QLineEdit::textChanged, this, &CShapeView::MarkModified);
    for (QWidget* control : {static_cast<QWidget*>(type_), static_cast<QWidget*>(desc_),
                             static_cast<QWidget*>(weight_), static_cast<QWidget*>(formal_)})
        control->installEventFilter(this);
    fw::SetTabOrderByLayout(*this);
}

CShapeDoc* CShapeView::GetDocument() const { return dynamic_cast<CShapeDoc*>(fw::View::GetDocument()); }

QRadioButton& CShapeView::KindButton(int kind) const { return *static_cast<QRadioButton*>(kinds_->button(kind)); }

QRadioButton& CShapeView::SystemButton(int system) const
{
    return *static_cast<QRadioButton*>(systems_->button(system));
}

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
    const ShapeRecord& shape = GetDocument()->GetShapeData();
    SetDimensionUnits(shape.measuringSystem);
    const CDimension* values[] = {&shape.depth, &shape.webThickness, &shape.flangeWidth, &shape.flangeThickness,
                                  &shape.flangeGage};
    for (std::size_t i = 0; i < dimensions_.size(); ++i)
        dimensions_[i].SetDecimalInches(values[i]->GetValue());
    type_->setCurrentText(fw::ToQString(shape.desctp));
    desc_->setText(fw::ToQString(shape.desc));
    weight_->setText(QString::fromStdString(fw::FormatGeneral(shape.weight)));
    formal_->setText(fw::ToQString(shape.formal));
    kind_ = shape.kind;
    system_ = shape.measuringSystem;
    if (QAbstractButton* button = kinds_->button(kind_))
        button->setChecked(true);
    if (QAbstractButton* button = systems_->button(system_))
        button->setChecked(true);
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
    for (CLenbox& dimension : dimensions_)
        if (dimension.GetDimensionType() != system)
            dimension.SetDimensionType(system);
}

bool CShapeView::CopyFormToDocument()
{
    double weight = 0;
    if (!ValidateLength(*desc_, kMaxDescLength) || !ValidateWeight(&weight) ||
        !ValidateLength(*formal_, kMaxFormalLength))
        return false;
    if (CShapeDoc* doc = GetDocument())
        doc->SetShapeData(fw::FromQString(type_->currentText()), fw::FromQString(desc_->text()),
                          dimensions_[0].GetDecimalInches(), dimensions_[1].GetDecimalInches(),
                          dimensions_[2].GetDecimalInches(), dimensions_[3].GetDecimalInches(),
                          dimensions_[4].GetDecimalInches(), weight, fw::FromQString(formal_->text()),
                          std::max(kind_, 0), std::max(system_, 0));
    return true;
}

void CShapeView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

void CShapeView::OnKindClicked(int kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    MarkModified();
}

void CShapeView::OnSystemClicked(int system)
{
    if (system == system_)
        return;
    system_ = system;
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

// Leaving a field checks it once the focus has settled. Focus moved by the program (a refusal
// putting it back, a message box) checks nothing, so that two invalid fields can't refuse each
// other in turn.
bool CShapeView::eventFilter(QObject* watched, QEvent* event)
{
    const auto userMoved = [](Qt::FocusReason r) {
        return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason;
    };
    if (event->type() == QEvent::FocusOut && userMoved(static_cast<QFocusEvent*>(event)->reason())) {
        const int id = watched->objectName().toInt();
        QTimer::singleShot(0, this, [this, id] { ValidateField(id); });
    }
    return QWidget::eventFilter(watched, event);
}

bool CShapeView::ValidateField(int id)
{
    switch (id) {
    case IDC_DESC:
        if (!ValidateLength(*desc_, kMaxDescLength))
            return false;
        NameDocument();
        return true;
    case IDC_DESCTP:
        NameDocument();
        return true;
    case IDC_WEIGHT:
        return ValidateWeight();
    case IDC_FORMAL:
        return ValidateLength(*formal_, kMaxFormalLength);
    default:
        return true;
    }
}

bool CShapeView::ValidateLength(QLineEdit& edit, int maxLength)
{
    if (fw::FromQString(edit.text()).size() <= std::size_t(maxLength))
        return true;
    Refuse("Enter no more than " + std::to_string(maxLength) + " characters.", edit);
    return false;
}

bool CShapeView::ValidateWeight(double* weight)
{
    const std::optional<double> value = fw::ParseDouble(fw::FromQString(weight_->text()));
    if (!value) {
        Refuse(kEnterNumber, *weight_);
        return false;
    }
    if (*value < kMinWeight || *value > kMaxWeight) {
        Refuse(kWeightRange, *weight_);
        return false;
    }
    if (weight)
        *weight = *value;
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

void CShapeView::Refuse(const std::string& text, QWidget& control)
{
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    control.setFocus();
}
