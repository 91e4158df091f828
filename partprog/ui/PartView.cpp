#include "partprog/ui/PartView.h"

#include "fw/core/DocTemplate.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "fw/qt/LeaveWatch.h"
#include "fw/qt/NativePath.h"
#include "fw/qt/QtText.h"
#include "fw/qt/TabOrder.h"
#include "fw/qt/ViewFrame.h"
#include "model/JobPaths.h"
#include "model/ShapeDoc.h"
#include "model/ui/MeasuringSystemCaptions.h"
#include "partprog/PartDoc.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kTypes[] = {"C ", "FB", "HP", "L ", "M ", "MC", "MT", "PL", "S ", "TS", "W ", "WT"};
const char* const kSectionLabels[] = {"D:", "TW:", "BF:", "TF:"};
constexpr int kSectionIds[] = {CPartView::IDC_D, CPartView::IDC_TW, CPartView::IDC_BF, CPartView::IDC_TF};

constexpr std::size_t kMaxNameLength = 10;

// Job, group and mark name folders and the part's file; a blank job or group stands as "NONE".
FormBinder::TextCheck NameCheck(bool isFolder)
{
    return [isFolder](const std::string& name) -> std::optional<std::string> {
        if (std::optional<std::string> tooLong = CheckMaxChars(name, kMaxNameLength))
            return tooLong;
        if (isFolder ? jobs::IsFolderName(name) : jobs::IsName(name))
            return std::nullopt;
        return std::string(CPartDoc::kInvalidName);
    };
}

std::string ChooseShapeFile(const std::string& folder, const std::string& filter, QWidget* parent)
{
    const QString start = fw::NativePath(folder);
    const QString file = QFileDialog::getOpenFileName(parent, CShapeDoc::kChooserTitle, start,
                                                      fw::QtNameFilters(filter).join(";;"), nullptr,
                                                      QFileDialog::HideNameFilterDetails);
    return file.isEmpty() ? std::string() : fw::FromQString(QFileInfo(file).completeBaseName());
}

CPartView::ShapeFileChooser& TheShapeChooser()
{
    static CPartView::ShapeFileChooser chooser = &ChooseShapeFile;
    return chooser;
}

} // namespace

CPartView::CPartView(QWidget* parent)
    : QWidget(parent), type_(new QComboBox(this)), webDepth_(new QCheckBox("Mea&sure Web Depth", this)),
      systems_(new QButtonGroup(this)), legs_(new QButtonGroup(this)),
      systemBox_(new QGroupBox("Measuring System", this)), save_(new QAction("&Save", this)),
      saveNew_(new QAction("Save/New", this)), separator_(new QAction(this)),
      specifics_(new QAction("&Specifics", this)), chooseShape_(new QAction("Choose Shape", this))
{
    setWindowTitle("Part Information");
    setAcceptDrops(true);
    type_->setObjectName(ControlName(IDC_DESCTP));
    type_->setEditable(true);
    for (const char* type : kTypes)
        type_->addItem(type);
    type_->setCurrentIndex(-1);
    type_->lineEdit()->setMaxLength(2);
    webDepth_->setObjectName(ControlName(IDC_MEASURE_WEB_DEPTH));
    length_.Attach(CLenbox::CreateControl(this));
    length_.GetControl()->setObjectName(ControlName(IDC_LENGTH));

    auto* form = new QFormLayout;
    form->addRow("Jobid", AddEdit(IDC_JOB));
    form->addRow("Group", AddEdit(IDC_GROUP));
    form->addRow("Mark", AddEdit(IDC_MARK));
    form->addRow("Qnt", AddEdit(IDC_QUANTITY));
    form->addRow("Length", length_.GetControl());
    auto* shape = new QHBoxLayout;
    shape->addWidget(type_);
    shape->addWidget(AddEdit(IDC_DESC));
    form->addRow("Shape", shape);
    form->addRow("Grade", AddEdit(IDC_GRADE));
    form->addRow("Fabcode", AddEdit(IDC_FABCODE));
    form->addRow(webDepth_);
    auto* remarks = new QVBoxLayout;
    remarks->addWidget(AddEdit(IDC_REMARKA));
    remarks->addWidget(AddEdit(IDC_REMARKB));
    form->addRow("Remarks", remarks);

    systemBox_->setObjectName(ControlName(IDC_MEASURING_SYSTEM));
    auto* systemLayout = new QVBoxLayout(systemBox_);
    for (int system = 0; system < 3; ++system)
        AddRadio(*systems_, *systemLayout, kMeasuringSystemCaptions[system], IDC_IMPERIAL + system, system);
    auto* legBox = new QGroupBox("Channel Legs", this);
    auto* legLayout = new QVBoxLayout(legBox);
    AddRadio(*legs_, *legLayout, "F&ar", IDC_FAR, 0);
    AddRadio(*legs_, *legLayout, "&Near", IDC_FAR + 1, 1);
    auto* sectionBox = new QGroupBox("Shape Information", this);
    auto* sectionLayout = new QFormLayout(sectionBox);
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sections_[i].Attach(CLenbox::CreateControl(sectionBox));
        sections_[i].GetControl()->setObjectName(ControlName(kSectionIds[i]));
        sectionLayout->addRow(kSectionLabels[i], sections_[i].GetControl());
    }

    auto* groups = new QVBoxLayout;
    groups->addWidget(systemBox_);
    groups->addWidget(legBox);
    groups->addWidget(sectionBox);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addLayout(groups);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Part Information", this));
    layout->addLayout(columns);

    BindForm();
    WatchTyping();
    for (int id : {IDC_JOB, IDC_GROUP, IDC_MARK})
        connect(&Edit(id), &QLineEdit::textChanged, this, &CPartView::OnKeyFieldEdited);
    for (int id : {IDC_QUANTITY, IDC_DESC, IDC_GRADE, IDC_FABCODE, IDC_REMARKA, IDC_REMARKB})
        connect(&Edit(id), &QLineEdit::textChanged, this, &CPartView::MarkModified);
    for (int id : {IDC_MARK, IDC_QUANTITY, IDC_DESC, IDC_GRADE, IDC_FABCODE, IDC_REMARKA, IDC_REMARKB})
        fw::OnUserLeaves(Edit(id), *this, [this, id] { OnFieldChanged(id); });
    connect(type_, &QComboBox::currentTextChanged, this, &CPartView::MarkModified);
    connect(webDepth_, &QCheckBox::clicked, this, &CPartView::MarkModified);
    connect(systems_, &QButtonGroup::idClicked, this, &CPartView::OnSystemClicked);
    // A leg checked anew, not one clicked again.
    connect(legs_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            MarkModified();
    });
    length_.OnChanged(this, [this] { MarkModified(); });
    length_.OnKillFocus(this, [this] { PostFieldChanged(IDC_LENGTH); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });

    separator_->setSeparator(true);
    save_->setShortcut(QKeySequence::Save);
    connect(save_, &QAction::triggered, this,
            [this] { RunCommand("CPartDoc::OnFileSave", [](CPartDoc& d) { d.OnFileSave(); }); });
    connect(saveNew_, &QAction::triggered, this,
            [this] { RunCommand("CPartDoc::OnFileSaveNew", [](CPartDoc& d) { d.OnFileSaveNew(); }); });
    connect(specifics_, &QAction::triggered, this, [this] {
        RunCommand("CPartDoc::OnEditSpecifics", [this](CPartDoc& d) {
            if (d.OnEditSpecifics())
                emit ProgrammingWindowRequested();
        });
    });
    connect(chooseShape_, &QAction::triggered, this,
            [this] { RunCommand("CPartView::OnChooseShape", [this](CPartDoc&) { ChooseShape(); }); });
    fw::SetTabOrderByLayout(*this);
}

CPartView::~CPartView() = default;

void CPartView::BindForm()
{
    binder_.BindText(Edit(IDC_JOB), form_.jobId, NameCheck(true));
    binder_.BindText(Edit(IDC_GROUP), form_.group, NameCheck(true));
    binder_.BindText(Edit(IDC_MARK), form_.mark, NameCheck(false));
    binder_.BindInteger(Edit(IDC_QUANTITY), form_.quantity, 1, kMaxQuantity);
    binder_.BindLength(length_, form_.length, 0, kMaxLength);
    binder_.BindCombo(*type_, form_.shapeDesctp);
    binder_.BindText(Edit(IDC_DESC), form_.shapeDesc, MaxChars(20));
    binder_.BindText(Edit(IDC_GRADE), form_.grade, MaxChars(10));
    binder_.BindText(Edit(IDC_FABCODE), form_.fabCode, MaxChars(10));
    binder_.BindCheck(*webDepth_, form_.measureWebDepth);
    binder_.BindText(Edit(IDC_REMARKA), form_.remarkA, MaxChars(40));
    binder_.BindText(Edit(IDC_REMARKB), form_.remarkB, MaxChars(40));
    binder_.BindRadio(*systems_, form_.measuringSystem);
    binder_.BindRadio(*legs_, form_.channelLeg);
}

void CPartView::WatchTyping()
{
    for (int id : {IDC_JOB, IDC_GROUP, IDC_MARK, IDC_QUANTITY, IDC_DESC, IDC_GRADE, IDC_FABCODE, IDC_REMARKA, IDC_REMARKB})
        connect(&Edit(id), &QLineEdit::textChanged, this, [this, id] { Typed(Edit(id)); });
    connect(type_, &QComboBox::currentTextChanged, this, [this] { Typed(*type_); });
    connect(webDepth_, &QCheckBox::clicked, this, [this] { Typed(*webDepth_); });
    // A radio group is bound by its first button.
    for (QButtonGroup* group : {systems_, legs_})
        connect(group, &QButtonGroup::idClicked, this, [this, group] { Typed(*group->buttons().value(0)); });
    length_.OnChanged(this, [this] { Typed(*length_.GetControl()); });
}

void CPartView::Typed(const QWidget& control)
{
    if (!updating_)
        typed_.insert(&control);
}

QLineEdit* CPartView::AddEdit(int id)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ControlName(id));
    return edit;
}

CPartDoc* CPartView::GetDocument() const { return dynamic_cast<CPartDoc*>(fw::View::GetDocument()); }

QList<QAction*> CPartView::ToolBarActions() const { return {save_, saveNew_, separator_, specifics_, chooseShape_}; }

QLineEdit& CPartView::Edit(int controlId) const { return *findChild<QLineEdit*>(ControlName(controlId)); }

QRadioButton& CPartView::SystemButton(int system) const
{
    return *static_cast<QRadioButton*>(systems_->button(system));
}

QRadioButton& CPartView::LegButton(int leg) const { return *static_cast<QRadioButton*>(legs_->button(leg)); }

void CPartView::OnInitialUpdate()
{
    CPartDoc* doc = GetDocument();
    if (!doc)
        return;
    if (doc->GetDocumentState() == CSmartDoc::stateNew)
        Edit(IDC_MARK).setEnabled(false);
    OnUpdate(nullptr, 0, nullptr);
    if (type_->currentText().isEmpty()) {
        ShowSection({}, form_.measuringSystem);
        doc->LookUpShape({}, {});
        UpdateCommandStates();
    } else {
        LookUpShape();
    }
}

void CPartView::OnUpdate(fw::View*, long, fw::Object*) { Show(false); }

void CPartView::OnChange(fw::View* sender, const fw::Change& change)
{
    const auto* docChange = dynamic_cast<const CSmartDoc::DocChange*>(&change);
    CPartDoc* doc = GetDocument();
    if (!docChange || !doc) {
        fw::View::OnChange(sender, change);
        return;
    }
    switch (docChange->kind) {
    case CSmartDoc::DocChange::Kind::keyFields:
        EnableShapeFields(doc->GetKeyFieldsFlag());
        break;
    case CSmartDoc::DocChange::Kind::startedNew:
        Show(true);
        break;
    case CSmartDoc::DocChange::Kind::shapeKept:
        Show(false, true);
        break;
    default:
        UpdateCommandStates();
        break;
    }
}

void CPartView::Show(bool startedNew, bool keepDesignation)
{
    CPartDoc* doc = GetDocument();
    if (!doc)
        return;
    updating_ = true;
    // A designation the document could not find stays as the user typed it.
    const QString typed[] = {type_->currentText(), Edit(IDC_DESC).text()};
    form_ = doc->GetPartRecord();
    form_.length.SetUnits(form_.measuringSystem);
    // A part started anew shows the document whole; otherwise what was typed and not yet applied
    // stays as typed (another window of the part changed it).
    if (startedNew)
        typed_.clear();
    binder_.Load(typed_);
    if (keepDesignation) {
        type_->setCurrentText(typed[0]);
        Edit(IDC_DESC).setText(typed[1]);
    }
    systemBox_->show();
    ApplyDocumentState(startedNew);
    updating_ = false;
    UpdateCommandStates();
}

bool CPartView::IsShapeValid() const
{
    const CPartDoc* doc = GetDocument();
    return doc && doc->GetShapeLookup() == CSmartDoc::ShapeLookup::found;
}

bool CPartView::KeyFieldsChanged() const
{
    const CPartDoc* doc = GetDocument();
    return doc && doc->KeyFieldsChanged();
}

void CPartView::ApplyDocumentState(bool startedNew)
{
    CPartDoc* doc = GetDocument();
    const int state = doc->GetDocumentState();
    if (state == CSmartDoc::stateStored)
        SetKeyFieldsEnabled(false);
    if (state != CSmartDoc::stateNew)
        return;
    QLineEdit& mark = Edit(IDC_MARK);
    if (!mark.isEnabled()) {
        mark.setEnabled(true);
        mark.setFocus();
        const fw::DocTemplate* parts = doc->GetDocTemplate();
        const std::string name = parts ? parts->GetDocString(fw::DocTemplate::docName) : "Part";
        mark.setText(fw::ToQString(name));
        doc->SetTitle(name);
    }
    if (startedNew) {
        mark.setFocus();
        mark.selectAll();
    }
    SetKeyFieldsEnabled(true);
}

// The mark is opened or locked on its own (a new part opens it only once it is named).
void CPartView::SetKeyFieldsEnabled(bool enabled)
{
    for (int id : {IDC_JOB, IDC_GROUP})
        Edit(id).setEnabled(enabled);
    if (!enabled)
        Edit(IDC_MARK).setEnabled(false);
    for (QButtonGroup* group : {legs_, systems_})
        for (QAbstractButton* button : group->buttons())
            button->setEnabled(enabled);
}

void CPartView::EnableShapeFields(bool enable)
{
    type_->setEnabled(enable);
    Edit(IDC_DESC).setEnabled(enable);
    UpdateCommandStates();
}

void CPartView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

bool CPartView::ApplyToDocument()
{
    CPartDoc* doc = GetDocument();
    if (!doc)
        return false;
    if (!binder_.Store())
        return false;
    if (!doc->SetPartRecord(form_)) {   // the names were checked: only a refusal of the document itself
        RefuseControl(CPartDoc::kInvalidName, Edit(IDC_MARK));
        return false;
    }
    typed_.clear();
    UpdateCommandStates();
    return true;
}

void CPartView::OnFieldChanged(int controlId)
{
    CPartDoc* doc = GetDocument();
    QWidget* control = findChild<QWidget*>(ControlName(controlId));
    if (!checksActive_ || !doc || !control || !binder_.StoreControl(*control))
        return;
    switch (controlId) {
    case IDC_MARK:
        NameDocument();
        break;
    case IDC_DESC:
        LookUpShape();
        break;
    case IDC_LENGTH:
        // The document has the length now: later changes of it (Rotate) show here.
        doc->SetLength(form_.length.GetValue(), this);
        typed_.erase(control);
        break;
    default:
        break;
    }
}

void CPartView::NameDocument() { GetDocument()->Rename(form_.mark); }

bool CPartView::LookUpShape()
{
    CPartDoc* doc = GetDocument();
    if (!doc || !binder_.Store())
        return false;
    const std::string type = form_.shapeDesctp;
    const std::string size = form_.shapeDesc;
    LoadProblems problems;
    const std::optional<ShapeRecord> shape = doc->LookUpShape(type, size, &problems);
    ReportLoadProblems(problems);
    if (type.empty() || size.empty()) {
        UpdateCommandStates();
        return false;
    }
    if (shape) {
        ShowSection({shape->depth.GetValue(), shape->webThickness.GetValue(), shape->flangeWidth.GetValue(),
                     shape->flangeThickness.GetValue()},
                    shape->measuringSystem);
    } else {
        fw::ShowMessage(CShapeDoc::NoShapeMessage(type, size), fw::MB_OK);
        ShowSection({}, form_.measuringSystem);
    }
    ApplyToDocument();
    UpdateCommandStates();
    return shape.has_value();
}

void CPartView::ShowSection(const std::array<double, 4>& values, int system)
{
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sections_[i].SetDimensionType(system);
        sections_[i].SetDecimalInches(values[i]);
    }
}

bool CPartView::DropShapeList(std::string_view list)
{
    const std::string_view first = list.substr(0, list.find('|'));
    if (!type_->isEnabled() || first.empty())
        return false;
    SetShapeFromTitle(std::string(fw::WinPath::Title(first)));
    return true;
}

void CPartView::SetShapeFromTitle(const std::string& title)
{
    const QString designation = fw::ToQString(title.substr(0, 2));
    const int index = type_->findText(designation, Qt::MatchStartsWith);
    if (index >= 0)
        type_->setCurrentIndex(index);
    else
        type_->setCurrentText(designation);
    Edit(IDC_DESC).setText(fw::ToQString(title.size() > 2 ? title.substr(2) : std::string()));
    LookUpShape();
}

CPartView::ShapeFileChooser CPartView::SetShapeFileChooser(ShapeFileChooser chooser)
{
    ShapeFileChooser previous = std::move(TheShapeChooser());
    TheShapeChooser() = chooser ? std::move(chooser) : ShapeFileChooser(&ChooseShapeFile);
    return previous;
}

void CPartView::ChooseShape()
{
    const std::string filter = CShapeDoc::ChooserFilter(fw::FromQString(type_->currentText()));
    const std::string title = TheShapeChooser()(CShapeDoc::GetShapeDirectory(), filter, this);
    if (!title.empty())
        SetShapeFromTitle(title);
}

void CPartView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kShapeListFormat) && type_->isEnabled()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        QWidget::dragEnterEvent(event);
    }
}

void CPartView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(kShapeListFormat) && type_->isEnabled()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        QWidget::dragMoveEvent(event);
    }
}

void CPartView::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(kShapeListFormat)) {
        QWidget::dropEvent(event);
        return;
    }
    const QByteArray data = event->mimeData()->data(kShapeListFormat);
    const std::string list(data.constData(), std::size_t(data.size()));
    if (DropShapeList(list.substr(0, list.find('\0')))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void CPartView::PostFieldChanged(int id)
{
    QMetaObject::invokeMethod(this, [this, id] { OnFieldChanged(id); }, Qt::QueuedConnection);
}

void CPartView::MarkModified()
{
    if (!updating_ && GetDocument())
        GetDocument()->SetModifiedFlag(true);
}

// An edited job, group or mark names another file: the part may be saved once its shape is valid.
void CPartView::OnKeyFieldEdited()
{
    CPartDoc* doc = GetDocument();
    if (updating_ || !doc)
        return;
    doc->KeyFieldEdited();
    UpdateCommandStates();
}

// The length is shown in the system chosen at once; the part takes it with the whole form.
void CPartView::OnSystemClicked(int system)
{
    if (system == length_.GetDimensionType())
        return;
    MarkModified();
    binder_.SetDimensionType(length_, system);
}

void CPartView::UpdateCommandStates()
{
    const CPartDoc* doc = GetDocument();
    if (!doc)
        return;
    save_->setEnabled(doc->IsCommandEnabled(ID_FILE_SAVE).value_or(true));
    saveNew_->setEnabled(doc->IsCommandEnabled(ID_FILE_SAVE_NEW).value_or(true));
    specifics_->setEnabled(doc->IsCommandEnabled(ID_EDIT_SPECIFICS).value_or(true));
    chooseShape_->setEnabled(doc->IsCommandEnabled(ID_EDIT_CHOOSE_SHAPE).value_or(true));
}

void CPartView::RunCommand(std::string_view handler, const std::function<void(CPartDoc&)>& command)
{
    try {
        if (CPartDoc* doc = GetDocument())
            command(*doc);
    } catch (...) {
        fw::Messages().MessageBox("Unexpected error " + std::string(handler), "ERROR", fw::MB_OK | fw::MB_ICONERROR);
    }
    UpdateCommandStates();
}
