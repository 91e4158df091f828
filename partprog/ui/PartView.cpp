#include "partprog/ui/PartView.h"

#include "fw/core/DocTemplate.h"
#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "model/JobPaths.h"
#include "model/ShapeDoc.h"
#include "partprog/PartDoc.h"
#include "fw/qt/TabOrder.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QVBoxLayout>

#include <charconv>

namespace {

const char* const kTypes[] = {"C ", "FB", "HP", "L ", "M ", "MC", "MT", "PL", "S ", "TS", "W ", "WT"};
const char* const kSectionLabels[] = {"D:", "TW:", "BF:", "TF:"};
constexpr int kSectionIds[] = {CPartView::IDC_D, CPartView::IDC_TW, CPartView::IDC_BF, CPartView::IDC_TF};

// The longest text of each text field.
constexpr std::pair<int, std::size_t> kTextLimits[] = {
    {CPartView::IDC_JOB, 10},     {CPartView::IDC_GROUP, 10},   {CPartView::IDC_MARK, 10},
    {CPartView::IDC_DESC, 20},    {CPartView::IDC_GRADE, 10},   {CPartView::IDC_FABCODE, 10},
    {CPartView::IDC_REMARKA, 40}, {CPartView::IDC_REMARKB, 40},
};

std::size_t MaxLength(int id)
{
    for (const auto& [field, length] : kTextLimits)
        if (field == id)
            return length;
    return 0;
}

QString Name(int id) { return QString::number(id); }

QRadioButton* AddRadio(QButtonGroup& group, QLayout& layout, const char* text, int id, int value)
{
    auto* button = new QRadioButton(text);
    button->setObjectName(Name(id));
    group.addButton(button, value);
    layout.addWidget(button);
    return button;
}

// The folder of a Windows path on this system; none when its drive is not mapped.
QString NativeFolder(const std::string& folder)
{
    try {
        return QString::fromStdString(fw::DriveMap::Instance().ToNative(folder).string());
    } catch (const std::exception&) {
        return {};
    }
}

std::string ChooseShapeFile(const std::string& folder, const std::string& filter, QWidget* parent)
{
    const QString start = NativeFolder(folder);
    const QString file = QFileDialog::getOpenFileName(parent, CShapeDoc::kChooserTitle, start,
                                                      fw::QtNameFilters(filter).join(";;"), nullptr,
                                                      QFileDialog::HideNameFilterDetails);
    return file.isEmpty() ? std::string() : fw::FromQString(QFileInfo(file).completeBaseName());
}

CPartView::ShapeFileChooser& TheChooser()
{
    static CPartView::ShapeFileChooser chooser = &ChooseShapeFile;
    return chooser;
}

} // namespace

CPartView::CPartView(QWidget* parent)
    : QWidget(parent), type_(new QComboBox(this)), webDepth_(new QCheckBox("Measure &Web Depth", this)),
      systems_(new QButtonGroup(this)), legs_(new QButtonGroup(this)),
      systemBox_(new QGroupBox("Measuring System", this)), save_(new QAction("&Save", this)),
      saveNew_(new QAction("Save/New", this)), separator_(new QAction(this)),
      specifics_(new QAction("&Specifics", this)), chooseShape_(new QAction("Choose Shape", this))
{
    setWindowTitle("Part Information");
    setAcceptDrops(true);
    type_->setObjectName(Name(IDC_DESCTP));
    type_->setEditable(true);
    for (const char* type : kTypes)
        type_->addItem(type);
    type_->setCurrentIndex(-1);
    type_->lineEdit()->setMaxLength(2);
    webDepth_->setObjectName(Name(IDC_MEASURE_WEB_DEPTH));
    length_.Attach(CLenbox::CreateControl(this));
    length_.GetControl()->setObjectName(Name(IDC_LENGTH));

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

    systemBox_->setObjectName(Name(IDC_MEASURING_SYSTEM));
    auto* systemLayout = new QVBoxLayout(systemBox_);
    const char* systems[] = {"&Imperial", "&Decimal Inch", "&Metric"};
    for (int system = 0; system < 3; ++system)
        AddRadio(*systems_, *systemLayout, systems[system], IDC_IMPERIAL + system, system);
    auto* legBox = new QGroupBox("Channel Legs", this);
    auto* legLayout = new QVBoxLayout(legBox);
    AddRadio(*legs_, *legLayout, "&Far", IDC_FAR, 0);
    AddRadio(*legs_, *legLayout, "&Near", IDC_FAR + 1, 1);
    auto* sectionBox = new QGroupBox("Shape Information", this);
    auto* sectionLayout = new QFormLayout(sectionBox);
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sections_[i].Attach(CLenbox::CreateControl(sectionBox));
        sections_[i].GetControl()->setObjectName(Name(kSectionIds[i]));
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

    for (int id : {IDC_JOB, IDC_GROUP, IDC_MARK})
        connect(&Edit(id), &QLineEdit::textChanged, this, &CPartView::OnKeyFieldEdited);
    for (int id : {IDC_QUANTITY, IDC_DESC, IDC_GRADE, IDC_FABCODE, IDC_REMARKA, IDC_REMARKB})
        connect(&Edit(id), &QLineEdit::textChanged, this, &CPartView::MarkModified);
    for (int id : {IDC_MARK, IDC_QUANTITY, IDC_DESC, IDC_GRADE, IDC_FABCODE, IDC_REMARKA, IDC_REMARKB})
        Edit(id).installEventFilter(this);
    type_->installEventFilter(this);
    connect(type_, &QComboBox::currentTextChanged, this, &CPartView::MarkModified);
    connect(webDepth_, &QCheckBox::clicked, this, &CPartView::MarkModified);
    connect(systems_, &QButtonGroup::idClicked, this, &CPartView::OnSystemClicked);
    connect(legs_, &QButtonGroup::idClicked, this, &CPartView::OnLegClicked);
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

QLineEdit* CPartView::AddEdit(int id)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Name(id));
    return edit;
}

CPartDoc* CPartView::GetDocument() const { return dynamic_cast<CPartDoc*>(fw::View::GetDocument()); }

QList<QAction*> CPartView::ToolBarActions() const { return {save_, saveNew_, separator_, specifics_, chooseShape_}; }

QLineEdit& CPartView::Edit(int controlId) const { return *findChild<QLineEdit*>(Name(controlId)); }

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
        ShowSection({}, system_);
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
    ShowRecord(doc->GetPartRecord());
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

void CPartView::ShowRecord(const PartRecord& record)
{
    Edit(IDC_JOB).setText(fw::ToQString(record.jobId));
    Edit(IDC_GROUP).setText(fw::ToQString(record.group));
    Edit(IDC_MARK).setText(fw::ToQString(record.mark));
    Edit(IDC_QUANTITY).setText(QString::number(record.quantity));
    length_.SetDimensionType(record.measuringSystem);
    length_.SetDecimalInches(record.length.GetValue());
    type_->setCurrentText(fw::ToQString(record.shapeDesctp));
    Edit(IDC_DESC).setText(fw::ToQString(record.shapeDesc));
    Edit(IDC_GRADE).setText(fw::ToQString(record.grade));
    Edit(IDC_FABCODE).setText(fw::ToQString(record.fabCode));
    webDepth_->setChecked(record.measureWebDepth != 0);
    Edit(IDC_REMARKA).setText(fw::ToQString(record.remarkA));
    Edit(IDC_REMARKB).setText(fw::ToQString(record.remarkB));
    system_ = record.measuringSystem;
    leg_ = record.channelLeg;
    if (QAbstractButton* button = systems_->button(system_))
        button->setChecked(true);
    if (QAbstractButton* button = legs_->button(leg_))
        button->setChecked(true);
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

std::optional<PartRecord> CPartView::TakeForm()
{
    for (int id : {IDC_JOB, IDC_GROUP, IDC_MARK})
        if (!CheckText(id) || !CheckName(id))
            return std::nullopt;
    const std::optional<std::uint32_t> quantity = CheckQuantity(1);
    if (!quantity)
        return std::nullopt;
    for (int id : {IDC_DESC, IDC_GRADE, IDC_FABCODE, IDC_REMARKA, IDC_REMARKB})
        if (!CheckText(id))
            return std::nullopt;
    const auto text = [this](int id) { return fw::FromQString(Edit(id).text()); };
    PartRecord record;
    record.jobId = text(IDC_JOB);
    record.group = text(IDC_GROUP);
    record.mark = text(IDC_MARK);
    record.quantity = *quantity;
    record.length = length_.GetDecimalInches();
    record.shapeDesctp = fw::FromQString(type_->currentText());
    record.shapeDesc = text(IDC_DESC);
    record.grade = text(IDC_GRADE);
    record.fabCode = text(IDC_FABCODE);
    record.measureWebDepth = webDepth_->isChecked() ? 1 : 0;
    record.remarkA = text(IDC_REMARKA);
    record.remarkB = text(IDC_REMARKB);
    record.measuringSystem = system_;
    record.channelLeg = leg_;
    return record;
}

bool CPartView::ApplyToDocument()
{
    CPartDoc* doc = GetDocument();
    if (!doc)
        return false;
    const std::optional<PartRecord> record = TakeForm();
    if (!record)
        return false;
    if (!doc->SetPartRecord(*record)) {   // the names were checked: only a refusal of the document itself
        Refuse(CPartDoc::kInvalidName, Edit(IDC_MARK));
        return false;
    }
    UpdateCommandStates();
    return true;
}

bool CPartView::CheckText(int id) const
{
    QLineEdit& edit = Edit(id);
    const std::size_t maxLength = MaxLength(id);
    if (fw::FromQString(edit.text()).size() <= maxLength)
        return true;
    Refuse("Enter no more than " + std::to_string(maxLength) + " characters.", edit);
    return false;
}

// Job, group and mark name folders and the part's file; an empty job or group stands as "NONE".
bool CPartView::CheckName(int id) const
{
    const std::string name = fw::FromQString(Edit(id).text());
    if ((id != IDC_MARK && name.empty()) || jobs::IsName(name))
        return true;
    Refuse(CPartDoc::kInvalidName, Edit(id));
    return false;
}

std::optional<std::uint32_t> CPartView::CheckQuantity(std::uint32_t min) const
{
    QLineEdit& edit = Edit(IDC_QUANTITY);
    const std::string text = edit.text().trimmed().toStdString();
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size() && value >= min &&
        value <= kMaxQuantity)
        return value;
    Refuse("Please enter an integer between " + std::to_string(min) + " and " + std::to_string(kMaxQuantity) + ".",
           edit);
    return std::nullopt;
}

void CPartView::Refuse(const std::string& text, QWidget& control) const
{
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    control.setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        edit->selectAll();
}

void CPartView::OnFieldChanged(int controlId)
{
    CPartDoc* doc = GetDocument();
    if (!checksActive_ || !doc)
        return;
    switch (controlId) {
    case IDC_MARK:
        if (CheckText(IDC_MARK) && CheckName(IDC_MARK))
            NameDocument();
        break;
    case IDC_QUANTITY:
        CheckQuantity(1);
        break;
    case IDC_DESC:
        if (CheckText(IDC_DESC))
            LookUpShape();
        break;
    case IDC_GRADE:
    case IDC_FABCODE:
    case IDC_REMARKA:
    case IDC_REMARKB:
        CheckText(controlId);
        break;
    case IDC_LENGTH:
        doc->SetLength(length_.GetDecimalInches(), this);
        break;
    default:
        break;
    }
    checksActive_ = true;
}

void CPartView::NameDocument() { GetDocument()->Rename(fw::FromQString(Edit(IDC_MARK).text())); }

bool CPartView::LookUpShape()
{
    CPartDoc* doc = GetDocument();
    if (!doc || !TakeForm())
        return false;
    const std::string type = fw::FromQString(type_->currentText());
    const std::string size = fw::FromQString(Edit(IDC_DESC).text());
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
        fw::ShowMessage("Invalid Shape: there is no shape " + CShapeDoc::PadType(type) + size + " (" +
                            CShapeDoc::GetShapeFilePath(CShapeDoc::PadType(type) + size) + ").",
                        fw::MB_OK);
        ShowSection({}, system_);
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
    ShapeFileChooser previous = std::move(TheChooser());
    TheChooser() = chooser ? std::move(chooser) : ShapeFileChooser(&ChooseShapeFile);
    return previous;
}

void CPartView::ChooseShape()
{
    const std::string filter = CShapeDoc::ChooserFilter(fw::FromQString(type_->currentText()));
    const std::string title = TheChooser()(CShapeDoc::GetShapeDirectory(), filter, this);
    if (!title.empty())
        SetShapeFromTitle(title);
}

bool CPartView::eventFilter(QObject* watched, QEvent* event)
{
    // Focus moved by the program (a refusal putting it back, a message box) checks nothing, so
    // that two invalid fields can't refuse each other in turn.
    const auto userMoved = [](Qt::FocusReason r) {
        return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason;
    };
    if (event->type() == QEvent::FocusOut && userMoved(static_cast<QFocusEvent*>(event)->reason()))
        PostFieldChanged(watched->objectName().toInt());
    return QWidget::eventFilter(watched, event);
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

void CPartView::OnSystemClicked(int system)
{
    if (system == system_)
        return;
    MarkModified();
    length_.SetDimensionType(system);
    system_ = system;
}

void CPartView::OnLegClicked(int leg)
{
    if (leg == leg_)
        return;
    MarkModified();
    leg_ = leg;
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
