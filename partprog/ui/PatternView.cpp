#include "partprog/ui/PatternView.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "model/ui/FormBinder.h"
#include "partprog/DetailSettings.h"
#include "partprog/FaceTool.h"
#include "partprog/PartDoc.h"
#include "partprog/ui/GuardedCommand.h"
#include "partprog/ui/RadioGroup.h"
#include "partprog/ui/SplitterFrame.h"
#include "partprog/ui/TriangDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <charconv>

namespace {

constexpr int kDimensionIds[] = {CPatternView::IDC_X_POSITION, CPatternView::IDC_U_POSITION,
                                 CPatternView::IDC_X_INCREMENT, CPatternView::IDC_U_INCREMENT};

std::size_t DimensionIndex(int id)
{
    for (std::size_t i = 0; i < std::size(kDimensionIds); ++i)
        if (kDimensionIds[i] == id)
            return i;
    return 0;
}


// A count of 0 to 9999, or -1.
int ParseCount(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    int value = -1;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size() && value >= 0 && value <= CPatternEditor::kMaxCount
               ? value
               : -1;
}

} // namespace

CPatternView::CPatternView(CPartDoc& doc, DetailSettings& details, QWidget* parent)
    : QWidget(parent), doc_(doc), details_(details), editor_(doc, this)
{
    setObjectName("CPatternView");
    setWindowTitle("Part Programming");
    setAcceptDrops(true);
    BuildForm();
    details_.Reset();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    doc_.AddView(this);
    doc_.DisableKeyFields();
}

CPatternView::~CPatternView()
{
    if (GetDocument()) {
        GetDocument()->RemoveView(this);
        doc_.EnableKeyFields();
    }
}

void CPatternView::BuildForm()
{
    auto* grid = new QGridLayout;
    const auto addDimension = [&](int id, const char* label, int row, int column) {
        CLenbox& box = dimensions_[DimensionIndex(id)];
        box.Attach(CLenbox::CreateControl(this));
        box.GetControl()->setObjectName(ControlName(id));
        box.SetLengthLimits();
        grid->addWidget(new QLabel(label, this), row, column);
        grid->addWidget(box.GetControl(), row, column + 1);
    };
    const auto addCount = [&](int id, const char* label, int row, int column) {
        auto* edit = new QLineEdit("0", this);
        edit->setObjectName(ControlName(id));
        edit->setMaxLength(4);
        grid->addWidget(new QLabel(label, this), row, column);
        grid->addWidget(edit, row, column + 1);
        // A count is checked alone once the user leaves it, after the focus has moved on.
        connect(edit, &QLineEdit::editingFinished, this,
                [this, edit] { QMetaObject::invokeMethod(this, [this, edit] { CheckCount(*edit); }, Qt::QueuedConnection); });
        return edit;
    };
    addDimension(IDC_X_POSITION, "X Position", 0, 0);
    addDimension(IDC_U_POSITION, "U Position", 1, 0);
    countX_ = addCount(IDC_COUNT_X, "# X", 0, 2);
    addDimension(IDC_X_INCREMENT, "X Increment", 0, 4);
    countU_ = addCount(IDC_COUNT_U, "# U", 1, 2);
    addDimension(IDC_U_INCREMENT, "U Increment", 1, 4);

    operations_ = new RadioGroup("Operation Type", {{1060, "H&oles"}, {1061, "F&ront Layouts"}, {1062, "&Back Layouts"}}, this);
    operations_->SetIndex(0);
    auto* markerColumn = new QVBoxLayout;
    for (std::size_t i = 0; i < markers_.size(); ++i) {
        markers_[i] = new QLabel(this);
        markers_[i]->setObjectName(ControlName(1063 + int(i)));
        markers_[i]->setMinimumWidth(fontMetrics().horizontalAdvance(">>") + 4);
        markerColumn->addWidget(markers_[i]);
    }
    incrementX_ = new QCheckBox("Increment X", this);
    incrementX_->setObjectName(ControlName(IDC_INCREMENT_X));
    connect(incrementX_, &QCheckBox::toggled, this, [this](bool on) { editor_.SetIncrementX(on); });

    up_ = new QPushButton("U", this);
    down_ = new QPushButton(" D", this);
    add_ = new QPushButton("&Add", this);
    delete_ = new QPushButton("&Delete", this);
    const std::pair<QPushButton*, int> buttons[] = {{up_, IDC_UP}, {down_, IDC_DOWN}, {add_, IDC_ADD}, {delete_, IDC_DELETE}};
    for (const auto& [button, id] : buttons)
        button->setObjectName(ControlName(id));
    connect(up_, &QPushButton::clicked, this, [this] { RunGuarded("CPatternView::OnUp", [this] { StepUp(); }); });
    connect(down_, &QPushButton::clicked, this, [this] { RunGuarded("CPatternView::OnDown", [this] { StepDown(); }); });
    connect(add_, &QPushButton::clicked, this, [this] { RunGuarded("CPatternView::OnAdd", [this] { Add(); }); });
    connect(delete_, &QPushButton::clicked, this, [this] { RunGuarded("CPatternView::OnDelete", [this] { Delete(); }); });

    toolText_ = new QLabel(this);
    toolText_->setObjectName(ControlName(IDC_TOOL));
    shapeText_ = new QLabel(this);
    shapeText_->setObjectName(ControlName(IDC_SHAPE));
    length_.Attach(CLenbox::CreateControl(this));
    length_.GetControl()->setObjectName(ControlName(IDC_LENGTH));
    length_.SetEnableInput(false);

    lines_ = new RadioGroup("Detail Lines", {{1215, "None"}, {1216, "Current"}, {1217, "All"}}, this);
    planes_ = new RadioGroup("Detail Planes", {{1218, "None"}, {1219, "Current"}, {1220, "All"}}, this);
    lines_->SetIndex(0);
    planes_->SetIndex(0);
    for (int i = 0; i < 3; ++i) {
        connect(&lines_->Button(i), &QAbstractButton::clicked, this, [this, i] {
            details_.SetLines(i);
            editor_.DetailsChanged();
        });
        connect(&planes_->Button(i), &QAbstractButton::clicked, this, [this, i] {
            details_.SetPlanes(i);
            editor_.DetailsChanged();
        });
    }

    auto* heading = new QLabel("Part Programming", this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* operationRow = new QHBoxLayout;
    operationRow->addLayout(markerColumn);
    operationRow->addWidget(operations_);
    auto* stepColumn = new QVBoxLayout;
    stepColumn->addWidget(up_);
    stepColumn->addWidget(down_);
    operationRow->addLayout(stepColumn);
    auto* commandColumn = new QVBoxLayout;
    commandColumn->addWidget(add_);
    commandColumn->addWidget(delete_);
    commandColumn->addWidget(incrementX_);
    operationRow->addLayout(commandColumn);
    operationRow->addWidget(lines_);
    operationRow->addWidget(planes_);

    auto* infoRow = new QHBoxLayout;
    infoRow->addWidget(new QLabel("Programming Tool:", this));
    infoRow->addWidget(toolText_, 1);
    infoRow->addWidget(new QLabel("Shape:", this));
    infoRow->addWidget(shapeText_, 1);
    infoRow->addWidget(new QLabel("Length:", this));
    infoRow->addWidget(length_.GetControl());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addLayout(operationRow);
    layout->addLayout(infoRow);
    layout->addStretch(1);

    // Tab order follows the layout: the six fields row by row, then the commands.
    QWidget* order[] = {dimensions_[0].GetControl(), countX_, dimensions_[2].GetControl(), dimensions_[1].GetControl(),
                        countU_, dimensions_[3].GetControl(), &operations_->Button(0), up_, down_, add_, delete_,
                        incrementX_, &lines_->Button(0), &planes_->Button(0)};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

CLenbox& CPatternView::Lenbox(int id) { return id == IDC_LENGTH ? length_ : dimensions_[DimensionIndex(id)]; }

QLineEdit& CPatternView::CountEdit(int id) const { return id == IDC_COUNT_U ? *countU_ : *countX_; }

QPushButton& CPatternView::Button(int id) const
{
    switch (id) {
    case IDC_UP: return *up_;
    case IDC_DOWN: return *down_;
    case IDC_DELETE: return *delete_;
    default: return *add_;
    }
}

void CPatternView::OnFocusChanged(QWidget* now)
{
    if (!now)
        return;
    for (std::size_t i = 0; i < dimensions_.size(); ++i)
        if (QWidget* control = dimensions_[i].GetControl(); control && (control == now || control->isAncestorOf(now)))
            lastFocused_ = kDimensionIds[i];
    if (now == countX_ || now == countU_)
        lastFocused_ = 0;
}

void CPatternView::SetCurrentFaceList(CPatternList* list)
{
    editor_.SetCurrentFaceList(list);
    ShowFields();
}

void CPatternView::SetCurrentTool(const CPartTool* tool)
{
    editor_.SetCurrentTool(tool);
    toolText_->setText(tool ? fw::ToQString(tool->GetDescription()) : QString());
}

bool CPatternView::TakeFields()
{
    PatternFields& f = editor_.Fields();
    f.x = dimensions_[0].GetDecimalInches();
    f.u = dimensions_[1].GetDecimalInches();
    f.incrementX = dimensions_[2].GetDecimalInches();
    f.incrementU = dimensions_[3].GetDecimalInches();
    for (QLineEdit* edit : {countX_, countU_}) {
        const int count = CheckCount(*edit);
        if (count < 0)
            return false;
        (edit == countX_ ? f.countX : f.countU) = count;
    }
    editor_.SetOperation(std::max(operations_->GetIndex(), 0));
    return true;
}

int CPatternView::CheckCount(QLineEdit& edit)
{
    const int count = ParseCount(edit.text());
    if (count >= 0)
        return count;
    fw::ShowMessage(kCountMessage, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    edit.setFocus();
    edit.selectAll();
    return -1;
}

void CPatternView::ShowFields()
{
    const PatternFields& f = editor_.Fields();
    dimensions_[0].SetDecimalInches(f.x);
    dimensions_[1].SetDecimalInches(f.u);
    dimensions_[2].SetDecimalInches(f.incrementX);
    dimensions_[3].SetDecimalInches(f.incrementU);
    countX_->setText(QString::number(f.countX));
    countU_->setText(QString::number(f.countU));
    for (std::size_t i = 0; i < markers_.size(); ++i)
        markers_[i]->setText(editor_.GetMarker() == int(i) ? ">>" : "");
    Refresh();
}

bool CPatternView::Add()
{
    if (!TakeFields() || !editor_.Add())
        return false;
    ShowFields();
    dimensions_[0].GetControl()->setFocus();
    return true;
}

void CPatternView::StepUp()
{
    editor_.StepUp();
    ShowFields();
}

void CPatternView::StepDown()
{
    editor_.StepDown();
    ShowFields();
}

bool CPatternView::Delete()
{
    if (!editor_.GetCurrent() || fw::ShowMessage(kDeleteQuestion, fw::MB_OKCANCEL | fw::MB_ICONINFORMATION) != fw::IDOK)
        return false;
    const bool deleted = editor_.Delete();
    ShowFields();
    return deleted;
}

bool CPatternView::Mirror() { return TakeFields() && Shown(editor_.Mirror()); }

bool CPatternView::FaceCopy() { return TakeFields() && Shown(editor_.FaceCopy()); }

bool CPatternView::CopyTool() { return Shown(editor_.CopyTool()); }

bool CPatternView::Shown(bool changed)
{
    if (changed)
        ShowFields();
    return changed;
}

void CPatternView::Flip() { editor_.Flip(); }

void CPatternView::Flop() { editor_.Flop(); }

void CPatternView::Rotate() { editor_.Rotate(); }

bool CPatternView::CanTriangulate() const
{
    return editor_.CanTriangulate() && lastFocused_ != 0;
}

bool CPatternView::Triangulate()
{
    if (!CanTriangulate())
        return false;
    const bool horizontal = lastFocused_ == IDC_X_POSITION || lastFocused_ == IDC_X_INCREMENT;
    CTriangDlg dialog(this);
    dialog.SetChoice(horizontal ? CTriangDlg::absoluteX : CTriangDlg::absoluteU);
    if ((runTriang_ ? runTriang_(dialog) : dialog.exec()) != QDialog::Accepted)
        return false;
    const double h = editor_.Triangulated(dialog.GetChoice(), dialog.GetDistance());
    Lenbox(lastFocused_).SetDecimalInches(h);
    return true;
}

void CPatternView::OnUpdate(fw::View*, long, fw::Object*)
{
    if (doc_.GetMeasuringSystem() != measuringSystem_) {
        measuringSystem_ = doc_.GetMeasuringSystem();
        for (CLenbox& box : dimensions_)
            box.SetDimensionType(measuringSystem_);
        length_.SetDimensionType(measuringSystem_);
    }
    Refresh();
}

void CPatternView::Refresh()
{
    up_->setEnabled(editor_.CanStepUp());
    down_->setEnabled(editor_.CanStepDown());
    delete_->setEnabled(editor_.HasPatterns());
    length_.SetDecimalInches(doc_.Header().length.GetValue());
    const CPartShape* shape = doc_.GetPartShape();
    shapeText_->setText(shape ? fw::ToQString(shape->GetFormalDescription()) : QString());
    emit PatternStatus(editor_.GetCurrent());
}

void CPatternView::CloseFrame() { CSplitterFrame::CloseFrameOf(this); }

void CPatternView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(facetool::kToolListFormat))
        event->acceptProposedAction();
}

void CPatternView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(facetool::kToolListFormat))
        event->acceptProposedAction();
}

void CPatternView::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(facetool::kToolListFormat))
        return;
    const QByteArray data = event->mimeData()->data(facetool::kToolListFormat);
    RunGuarded("CPatternView::OnDrop", [&] { editor_.DropTool(std::string(data.constData(), std::size_t(data.size()))); });
    event->acceptProposedAction();
}
