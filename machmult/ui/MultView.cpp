#include "machmult/ui/MultView.h"

#include "fw/core/DocTemplate.h"
#include "fw/core/DriveMap.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/AutoMultCommand.h"
#include "machmult/ui/CommandGuard.h"
#include "machmult/ui/ModalRunner.h"
#include "model/ShapeDoc.h"
#include "model/ui/MeasuringSystemCaptions.h"
#include "fw/qt/TabOrder.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QVBoxLayout>

namespace machui {

namespace {

constexpr int kWholeMax = 9999;
const QStringList kDesignations = {"C", "FB", "PL", "HP", "L", "M", "MC", "MT", "S", "TS", "W", "WT"};

// The title of a shape file chosen in the shape directory; empty on Cancel.
std::string ChooseShapeTitle(QWidget* parent, const std::string& designation)
{
    QFileDialog dialog(parent, CShapeDoc::kChooserTitle);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix("shp");
    dialog.setNameFilters(fw::QtNameFilters(CShapeDoc::ChooserFilter(designation)));
    try {
        dialog.setDirectory(QString::fromStdString(fw::DriveMap::Instance().ToNative(CShapeDoc::GetShapeDirectory()).string()));
    } catch (const std::exception&) {
        // No folder of that drive: the dialog opens where it would.
    }
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return fw::FromQString(QFileInfo(dialog.selectedFiles().front()).completeBaseName());
}

// A section value: shown, never typed over.
CLenbox SectionField(QFormLayout& layout, int id, const QString& label)
{
    CLenbox lenbox(CLenbox::CreateControl(layout.parentWidget()));
    lenbox.GetControl()->setObjectName(ControlName(id));
    lenbox.SetEnableInput(false);
    layout.addRow(label, lenbox.GetControl());
    return lenbox;
}

} // namespace

CMultView::CMultView(CMultDoc& doc, QWidget* parent)
    : QWidget(parent),
      save_(new QAction("&Save", this)),
      saveNew_(new QAction("Save/New", this)),
      separator_(new QAction(this)),
      specifics_(new QAction("&Specifics", this)),
      chooseShape_(new QAction("Choose Shape", this)),
      autoMult_(new QAction("AutoMult", this))
{
    setWindowTitle("Mult Information");
    setAcceptDrops(true);
    auto* columns = new QHBoxLayout(this);
    auto* left = new QFormLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    job_ = &binder_.AddText(*left, IDC_JOB, "Job:", form_.job, 10);
    group_ = &binder_.AddText(*left, IDC_GROUP, "Group:", form_.group, 10);
    mark_ = &binder_.AddText(*left, IDC_MARK, "Mark:", form_.mark, 10);
    sequence_ = &binder_.AddWhole(*left, IDC_SEQUENCE, "Sequence:", form_.sequence, 1, kWholeMax);
    length_ = binder_.AddLength(*left, IDC_LENGTH, "Stock Length:", form_.length, -1e12, 1e12);
    binder_.AddWhole(*left, IDC_QUANTITY, "Quantity:", form_.quantity, 1, kWholeMax);
    kerf_ = binder_.AddLength(*left, IDC_KERF, "Kerf:", form_.kerf, -1e12, 1e12);
    shape_ = &binder_.AddCombo(*left, IDC_SHAPE, "Shape:", form_.shapeDesctp, kDesignations);
    size_ = &binder_.AddText(*left, IDC_SIZE, "Size:", form_.shapeDesc, 20);
    grade_ = &binder_.AddText(*left, IDC_GRADE, "Grade:", form_.grade, 10);
    machine_ = &binder_.AddCombo(*left, IDC_MACHINE, "Machine:", form_.machine, {}, 15);
    binder_.AddText(*left, IDC_REMARK_A, "Remark A:", form_.remarkA, 40);
    binder_.AddText(*left, IDC_REMARK_B, "Remark B:", form_.remarkB, 40);
    systems_ = &binder_.AddRadio(*right, "Measuring System",
                                 {{IDC_IMPERIAL, kMeasuringSystemCaptions[0]},
                                  {IDC_DECIMAL, kMeasuringSystemCaptions[1]},
                                  {IDC_METRIC, kMeasuringSystemCaptions[2]}},
                                 form_.measuringSystem);
    auto* section = new QFormLayout(&AddGroupBox(*right, "Section"));
    section_ = {SectionField(*section, IDC_D, "D:"), SectionField(*section, IDC_TW, "TW:"),
                SectionField(*section, IDC_BF, "BF:"), SectionField(*section, IDC_TF, "TF:")};
    right->addStretch();

    ConnectFields();
    ConnectCommands();
    doc.AddView(this);
    OnInitialUpdate();
    fw::SetTabOrderByLayout(*this);
}

void CMultView::ConnectFields()
{
    const auto userEdit = [this](auto handler) {
        return [this, handler] {
            if (!loading_)
                (this->*handler)();
        };
    };
    auto& quantity = *findChild<QSpinBox*>(ControlName(IDC_QUANTITY));
    for (QLineEdit* key : {job_, group_, mark_})
        connect(key, &QLineEdit::textEdited, this, userEdit(&CMultView::OnKeyFieldChanged));
    connect(sequence_, &QSpinBox::textChanged, this, userEdit(&CMultView::OnKeyFieldChanged));
    // Quantity is part of the file as much as the remarks: its change is kept as a modification.
    connect(&quantity, &QSpinBox::textChanged, this, userEdit(&CMultView::MarkModified));
    for (QLineEdit* edit : {size_, grade_, findChild<QLineEdit*>(ControlName(IDC_REMARK_A)),
                            findChild<QLineEdit*>(ControlName(IDC_REMARK_B))})
        connect(edit, &QLineEdit::textEdited, this, &CMultView::MarkModified);
    connect(shape_, &QComboBox::currentTextChanged, this, userEdit(&CMultView::MarkModified));
    // A machine picked from the list takes effect at once; one being typed when its field is left.
    connect(machine_, &QComboBox::activated, this, &CMultView::OnMachineChanged);
    connect(machine_->lineEdit(), &QLineEdit::textEdited, this, &CMultView::ChooseMachine);

    for (int id : {IDC_SIZE, IDC_GRADE, IDC_MARK, IDC_REMARK_A, IDC_REMARK_B})
        connect(findChild<QLineEdit*>(ControlName(id)), &QLineEdit::editingFinished, this,
                [this, id] { PostFieldChanged(id); });
    connect(sequence_, &QSpinBox::editingFinished, this, [this] { PostFieldChanged(IDC_SEQUENCE); });
    connect(&quantity, &QSpinBox::editingFinished, this, [this] { PostFieldChanged(IDC_QUANTITY); });
    connect(machine_->lineEdit(), &QLineEdit::editingFinished, this, [this] { PostFieldChanged(IDC_MACHINE); });
    connect(shape_->lineEdit(), &QLineEdit::editingFinished, this, [this] { PostFieldChanged(IDC_SHAPE); });
    for (const CLenbox& length : {length_, kerf_})
        length.OnChanged(this, [this] { MarkModified(); });
    length_.OnKillFocus(this, [this] { PostFieldChanged(IDC_LENGTH); });
    connect(systems_, &QButtonGroup::idClicked, this, &CMultView::OnMeasuringSystem);
}

void CMultView::ConnectCommands()
{
    separator_->setSeparator(true);
    save_->setShortcut(QKeySequence::Save);
    connect(save_, &QAction::triggered, this,
            [this] { RunCommand("CMultDoc::OnFileSave", [](CMultDoc& d) { d.OnFileSave(); }); });
    connect(saveNew_, &QAction::triggered, this,
            [this] { RunCommand("CMultDoc::OnFileSaveNew", [](CMultDoc& d) { d.OnFileSaveNew(); }); });
    connect(specifics_, &QAction::triggered, this,
            [this] { RunCommand("CMultDoc::OnEditSpecifics", [](CMultDoc& d) { d.OnEditSpecifics(); }); });
    connect(chooseShape_, &QAction::triggered, this,
            [this] { RunCommand("CMultView::OnChooseShape", [this](CMultDoc&) { OnChooseShape(); }); });
    connect(autoMult_, &QAction::triggered, this,
            [this] { RunCommand("CMultDoc::OnEditAutoMult", [](CMultDoc& d) { OnEditAutoMult(d); }); });
}

CMultView::~CMultView()
{
    // The fields' last signals (the focused one losing its focus) come after this part is gone.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

CMultDoc* CMultView::GetMultDoc() const { return dynamic_cast<CMultDoc*>(GetDocument()); }

QList<QAction*> CMultView::ToolBarActions() const
{
    return {save_, saveNew_, separator_, specifics_, chooseShape_, autoMult_};
}

void CMultView::OnInitialUpdate()
{
    CMultDoc* doc = GetMultDoc();
    if (!doc)
        return;
    if (doc->GetDocumentState() == CSmartDoc::stateNew) {
        mark_->setEnabled(false);
        sequence_->setEnabled(false);
    }
    OnUpdate(nullptr, 0, nullptr);
    FillMachineList();
    if (!form_.shapeDesctp.empty()) {
        LookupShape();
    } else {
        ShowSection({}, form_.measuringSystem);
        doc->LookUpShape({}, {});
    }
    UpdateCommandStates();
}

void CMultView::FillMachineList()
{
    loading_ = true;
    machine_->clear();
    try {
        for (const std::string& name :
             fw::FileSystem::List(CMachineDoc::GetMachineDirectory() + "\\*" + CMachineDoc::kExtension,
                                  fw::FileSystem::files))
            machine_->addItem(fw::ToQString(fw::WinPath::Title(name)));
    } catch (const std::exception&) {
        // No machine directory: the list stays empty.
    }
    if (!form_.machine.empty())
        machine_->setCurrentIndex(machine_->findText(fw::ToQString(form_.machine), Qt::MatchFixedString));
    machine_->setEditText(fw::ToQString(form_.machine));
    loading_ = false;
}

void CMultView::OnUpdate(fw::View*, long, fw::Object*) { Show(false); }

void CMultView::OnChange(fw::View* sender, const fw::Change& change)
{
    const auto* docChange = dynamic_cast<const CSmartDoc::DocChange*>(&change);
    CMultDoc* doc = GetMultDoc();
    if (!docChange || !doc) {
        fw::View::OnChange(sender, change);
        return;
    }
    switch (docChange->kind) {
    case CSmartDoc::DocChange::Kind::keyFields:
        EnableKeyFields(doc->GetKeyFieldsFlag());
        break;
    case CSmartDoc::DocChange::Kind::startedNew:
        Show(true);
        break;
    default:
        UpdateCommandStates();
        break;
    }
}

void CMultView::Show(bool startedNew)
{
    CMultDoc* doc = GetMultDoc();
    if (!doc)
        return;
    form_ = doc->GetMultData();
    SetDisplayType(form_.measuringSystem);
    if (doc->GetDocumentState() == CSmartDoc::stateStored) {
        for (QWidget* key : std::initializer_list<QWidget*>{job_, group_, mark_, sequence_})
            key->setEnabled(false);
        SetStockFieldsEnabled(false);
    } else {
        for (QWidget* key : std::initializer_list<QWidget*>{job_, group_, mark_})
            key->setEnabled(true);
        if (!sequence_->isEnabled()) {
            sequence_->setEnabled(true);
            sequence_->setFocus();
            if (form_.mark.empty()) {
                const fw::DocTemplate* docTemplate = doc->GetDocTemplate();
                form_.mark = docTemplate ? docTemplate->GetDocString(fw::DocTemplate::fileNewName)
                                         : CMultDoc::kDocumentName;
                doc->SetTitle(form_.mark);
            }
        }
        SetStockFieldsEnabled(true);
    }
    loading_ = true;
    binder_.Load();
    loading_ = false;
    if (doc->GetDocumentState() == CSmartDoc::stateNew && startedNew)
        sequence_->selectAll();
    setWindowTitle(fw::ToQString(doc->GetTitle()));
    UpdateCommandStates();
}

void CMultView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

bool CMultView::UpdateDocument()
{
    CMultDoc* doc = GetMultDoc();
    if (!doc || !binder_.Store())
        return false;
    if (!doc->SetMultData(form_)) {
        fw::ShowMessage(CMultDoc::kBadNames, fw::MB_OK | fw::MB_ICONERROR);
        return false;
    }
    UpdateCommandStates();
    return true;
}

bool CMultView::HandOver()
{
    CMultDoc* doc = GetMultDoc();
    const bool taken = doc && binder_.Store() && doc->SetMultData(form_);
    UpdateCommandStates();
    return taken;
}

void CMultView::EnableKeyFields(bool enable)
{
    if (!enable)
        for (QWidget* key : std::initializer_list<QWidget*>{shape_, size_, grade_, machine_, mark_, sequence_})
            key->setEnabled(false);
    UpdateCommandStates();
}

void CMultView::OnFieldChanged(int controlId)
{
    CMultDoc* doc = GetMultDoc();
    QWidget* control = findChild<QWidget*>(ControlName(controlId));
    if (!doc || !control || !binder_.StoreControl(*control))
        return;
    switch (controlId) {
    case IDC_MARK:
        doc->SetFileName(form_.mark + " " + fw::FromQString(sequence_->text()));
        break;
    case IDC_SEQUENCE:
        doc->SetFileName(fw::FromQString(mark_->text()) + " " + std::to_string(form_.sequence));
        break;
    case IDC_SIZE:
        LookupShape();
        break;
    case IDC_LENGTH:
        doc->SetLength(form_.length.GetValue(), this);
        break;
    default:
        break;
    }
}

bool CMultView::LookupShape()
{
    CMultDoc* doc = GetMultDoc();
    if (!doc || !binder_.Store())
        return false;
    LoadProblems problems;
    const std::optional<ShapeRecord> record = doc->LookUpShape(form_.shapeDesctp, form_.shapeDesc, &problems);
    ReportLoadProblems(problems);
    if (form_.shapeDesctp.empty() || form_.shapeDesc.empty())
        return false;
    if (record)
        ShowSection({record->depth.GetValue(), record->webThickness.GetValue(), record->flangeWidth.GetValue(),
                     record->flangeThickness.GetValue()},
                    record->measuringSystem);
    else
        ShowSection({}, form_.measuringSystem);
    HandOver();
    return record.has_value();
}

void CMultView::OnChooseShape()
{
    if (const CMultDoc* doc = GetMultDoc(); !doc || !doc->GetKeyFieldsFlag())
        return;
    const std::string title = ChooseShapeTitle(this, fw::FromQString(shape_->currentText()));
    if (!title.empty())
        TakeShapeTitle(title);
}

bool CMultView::OnDropItems(std::string_view paths, DropKind kind)
{
    const std::size_t end = paths.find('|');
    if (end == std::string_view::npos || end == 0)
        return false;
    const std::string_view title = fw::WinPath::Title(paths.substr(0, end));
    if (kind == DropKind::shapes) {
        TakeShapeTitle(title);
        return true;
    }
    machine_->setCurrentIndex(machine_->findText(fw::ToQString(title), Qt::MatchFixedString));
    machine_->setEditText(fw::ToQString(title));
    OnMachineChanged();
    machine_->update();
    return true;
}

void CMultView::TakeShapeTitle(std::string_view title)
{
    const QString designation = fw::ToQString(title.substr(0, 2));
    const int index = shape_->findText(designation, Qt::MatchFixedString);
    if (index >= 0)
        shape_->setCurrentIndex(index);
    else
        shape_->setEditText(designation);
    size_->setText(fw::ToQString(title.size() > 2 ? title.substr(2) : std::string_view()));
    MarkModified();
    LookupShape();
}

void CMultView::ChooseMachine()
{
    if (CMultDoc* doc = GetMultDoc())
        doc->ChooseMachine();
    UpdateCommandStates();
}

void CMultView::OnMachineChanged()
{
    ChooseMachine();
    HandOver();
}

void CMultView::OnKeyFieldChanged()
{
    if (CMultDoc* doc = GetMultDoc())
        doc->KeyFieldEdited();
    UpdateCommandStates();
}

void CMultView::OnMeasuringSystem(int system)
{
    if (system == form_.measuringSystem)
        return;
    MarkModified();
    SetDisplayType(system);
    form_.measuringSystem = system;
}

void CMultView::ShowSection(const std::array<double, 4>& values, int system)
{
    for (std::size_t i = 0; i < section_.size(); ++i) {
        section_[i].SetDimensionType(system);
        section_[i].SetDecimalInches(values[i]);
    }
}

void CMultView::SetStockFieldsEnabled(bool enabled)
{
    for (QWidget* key : std::initializer_list<QWidget*>{shape_, size_, grade_, machine_})
        key->setEnabled(enabled);
    for (QAbstractButton* button : systems_->buttons())
        button->setEnabled(enabled);
}

void CMultView::SetDisplayType(int system)
{
    for (const CLenbox& length : {length_, kerf_})
        if (length.GetDimensionType() != system)
            binder_.SetDimensionType(length, system);
}

void CMultView::PostFieldChanged(int controlId)
{
    QMetaObject::invokeMethod(this, [this, controlId] { OnFieldChanged(controlId); }, Qt::QueuedConnection);
}

void CMultView::MarkModified()
{
    if (CMultDoc* doc = GetMultDoc())
        doc->SetModifiedFlag(true);
}

const char* CMultView::AcceptedFormat(const QMimeData& data) const
{
    if (data.hasFormat(kShapeListFormat) && shape_->isEnabled())
        return kShapeListFormat;
    if (data.hasFormat(kMachineListFormat) && machine_->isEnabled())
        return kMachineListFormat;
    return nullptr;
}

void CMultView::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void CMultView::dragMoveEvent(QDragMoveEvent* event)
{
    if (AcceptedFormat(*event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void CMultView::dropEvent(QDropEvent* event)
{
    const char* format = AcceptedFormat(*event->mimeData());
    if (!format)
        return;
    const QByteArray data = event->mimeData()->data(format);
    const DropKind kind = std::string_view(format) == kShapeListFormat ? DropKind::shapes : DropKind::machines;
    if (OnDropItems(std::string_view(data.constData(), std::size_t(data.size())), kind)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void CMultView::UpdateCommandStates()
{
    const CMultDoc* doc = GetMultDoc();
    if (!doc)
        return;
    EnableCommands(*doc, {{save_, ID_FILE_SAVE},
                          {saveNew_, ID_FILE_SAVE_NEW},
                          {specifics_, ID_EDIT_SPECIFICS},
                          {chooseShape_, ID_EDIT_CHOOSE_SHAPE},
                          {autoMult_, ID_EDIT_AUTOMULT}});
}

void CMultView::RunCommand(std::string_view handler, const std::function<void(CMultDoc&)>& command)
{
    RunGuarded(handler, [this, &command] {
        if (CMultDoc* doc = GetMultDoc())
            command(*doc);
    });
    UpdateCommandStates();
}

} // namespace machui
