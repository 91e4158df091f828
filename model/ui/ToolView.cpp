#include "model/ui/ToolView.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "model/ToolDoc.h"
#include "fw/qt/TabOrder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <charconv>

namespace {

const char* const kTypes[] = {"RD", "ER", "SL", "VE", "HE", "CR", "HC", "VC", "HX", "SQ", "RT", "OV"};
const char* const kSystems[] = {"&Imperial", "&Decimal Inch", "&Metric"};

const char* const kEnterInteger = "Please enter an integer.";
const char* const kOrientationRange = "Please enter an integer between -180 and 180.";

std::optional<int> ParseInteger(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    int value = 0;
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

CToolView::CToolView(QWidget* parent)
    : QWidget(parent), type_(new QComboBox(this)), orientation_(new QLineEdit(this)), systems_(new QButtonGroup(this))
{
    setWindowTitle("Tool Information");
    sizeA_.Attach(CLenbox::CreateControl(this));
    sizeB_.Attach(CLenbox::CreateControl(this));
    sizeA_.GetControl()->setObjectName(QString::number(IDC_SIZE_A));
    sizeB_.GetControl()->setObjectName(QString::number(IDC_SIZE_B));
    type_->setObjectName(QString::number(IDC_TYPE));
    type_->setEditable(true);
    for (const char* type : kTypes)
        type_->addItem(type);
    type_->setCurrentIndex(-1);
    type_->lineEdit()->setMaxLength(kMaxTypeLength);
    orientation_->setObjectName(QString::number(IDC_ORIENTATION));
    orientation_->setText("0");

    auto* group = new QGroupBox("Measuring System", this);
    auto* groupLayout = new QVBoxLayout(group);
    systems_->setExclusive(true);
    for (int system = 0; system < 3; ++system) {
        auto* button = new QRadioButton(kSystems[system], group);
        button->setObjectName(QString::number(IDC_IMPERIAL + system));
        systems_->addButton(button, system);
        groupLayout->addWidget(button);
    }

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
    orientation_->installEventFilter(this);
    fw::SetTabOrderByLayout(*this);
}

CToolDoc* CToolView::GetDocument() const { return static_cast<CToolDoc*>(fw::View::GetDocument()); }

QRadioButton& CToolView::SystemButton(int system) const { return *static_cast<QRadioButton*>(systems_->button(system)); }

void CToolView::OnUpdate(fw::View*, long, fw::Object*)
{
    CToolDoc* doc = GetDocument();
    if (!doc)
        return;
    double a = 0, b = 0;
    std::string type;
    int orientation = 0, system = 0;
    doc->GetToolData(a, b, type, orientation, system);
    updating_ = true;
    SetSizeUnits(system);
    sizeA_.SetDecimalInches(a);
    sizeB_.SetDecimalInches(b);
    type_->setCurrentText(fw::ToQString(type));
    orientation_->setText(QString::number(orientation));
    system_ = system;
    if (QAbstractButton* button = systems_->button(system))
        button->setChecked(true);
    updating_ = false;
}

void CToolView::SetSizeUnits(int system)
{
    for (CLenbox* size : {&sizeA_, &sizeB_})
        if (size->GetDimensionType() != system)
            size->SetDimensionType(system);
}

bool CToolView::CopyFormToDocument()
{
    int orientation = 0;
    if (!ValidateOrientation(&orientation))
        return false;
    if (CToolDoc* doc = GetDocument())
        doc->SetToolData(sizeA_.GetDecimalInches(), sizeB_.GetDecimalInches(), fw::FromQString(type_->currentText()),
                         orientation, system_ < 0 ? 0 : system_);
    return true;
}

void CToolView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

void CToolView::OnSystemClicked(int system)
{
    if (system == system_)
        return;
    system_ = system;
    SetSizeUnits(system);
    MarkModified();
}

void CToolView::MarkModified()
{
    if (!updating_ && GetDocument())
        GetDocument()->SetModifiedFlag(true);
}

// The user leaving the orientation checks it once the focus has settled. Focus moved by the
// program (a refusal putting it back, a message box) checks nothing, so that a refusal can't
// start another one.
bool CToolView::eventFilter(QObject* watched, QEvent* event)
{
    const auto userMoved = [](Qt::FocusReason r) {
        return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason;
    };
    if (watched == orientation_ && event->type() == QEvent::FocusOut &&
        userMoved(static_cast<QFocusEvent*>(event)->reason()))
        QTimer::singleShot(0, this, [this] { ValidateOrientation(); });
    return QWidget::eventFilter(watched, event);
}

bool CToolView::ValidateOrientation(int* orientation)
{
    const std::optional<int> value = ParseInteger(fw::FromQString(orientation_->text()));
    if (!value) {
        Refuse(kEnterInteger, *orientation_);
        return false;
    }
    if (*value < kMinOrientation || *value > kMaxOrientation) {
        Refuse(kOrientationRange, *orientation_);
        return false;
    }
    if (orientation)
        *orientation = *value;
    return true;
}

void CToolView::Refuse(const char* text, QWidget& control)
{
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    control.setFocus();
}
