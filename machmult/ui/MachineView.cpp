#include "machmult/ui/MachineView.h"

#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "machmult/MachineDoc.h"
#include "machmult/ui/CommandGuard.h"
#include "machmult/ui/MachineSpecDlg.h"
#include "machmult/ui/ModalRunner.h"
#include "fw/qt/TabOrder.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace machui {

namespace {

constexpr int kNameId = 1104;
constexpr double kStockMax = 999999.0;
constexpr double kShortLimit = 1200.0;

} // namespace

CMachineView::CMachineView(CMachineDoc& doc, QWidget* parent)
    : QWidget(parent),
      save_(new QAction("&Save", this)),
      saveNew_(new QAction("Save/New", this)),
      separator_(new QAction(this)),
      specifics_(new QAction("&Specifics", this))
{
    setWindowTitle("Machine Information");
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* nameRow = new QFormLayout;
    left->addLayout(nameRow);
    name_ = &binder_.AddText(*nameRow, kNameId, "Machine Name:", form_.name, int(MachineRecord::maxNameLength));

    auto* stock = new QFormLayout(&AddGroupBox(*left, "Stock Information"));
    std::vector<CLenbox> lengths = {
        binder_.AddLength(*stock, 1106, "Minimum Stock Length:", form_.minimumStock, 0, kStockMax),
        binder_.AddLength(*stock, 1107, "Maximum Stock Length:", form_.maximumStock, 0, kStockMax),
        binder_.AddLength(*stock, 1108, "Minimum Drop Length:", form_.minimumDrop, -kShortLimit, kShortLimit),
        binder_.AddLength(*stock, 1109, "Default Kerf:", form_.defaultKerf, -kShortLimit, kShortLimit),
    };

    auto* run = new QVBoxLayout(&AddGroupBox(*left, "Run Parameters"));
    std::vector<QCheckBox*> checks = {
        &binder_.AddCheck(*run, 1118, "Multi Axis", form_.multiAxis),
        &binder_.AddCheck(*run, 1119, "Material Flows to Right", form_.flowsRight),
        &binder_.AddCheck(*run, 1120, "Trim Cut", form_.trimCut),
    };
    auto* trim = new QFormLayout;
    run->addLayout(trim);
    lengths.push_back(binder_.AddLength(*trim, 1111, "Trim Length", form_.trimLength, -kShortLimit, kShortLimit));

    auto* materials = new QVBoxLayout(&AddGroupBox(*right, "Material Types"));
    const std::pair<int, const char*> materialBoxes[] = {{1121, "Beams"},   {1122, "Channels"}, {1123, "Angles"},
                                                         {1124, "FlatBars"}, {1125, "Plates"},   {1037, "T-Shape"},
                                                         {1127, "Tubing"}};
    for (std::size_t i = 0; i < materialTypeCount; ++i)
        checks.push_back(&binder_.AddCheck(*materials, materialBoxes[i].first, materialBoxes[i].second,
                                           form_.materialTypes[i]));

    kinds_ = &binder_.AddRadio(*right, "Machine Type",
                               {{1116, "Unlisted/Unknown"},
                                {1110, "Angle/Bar Line"},
                                {1031, "Beam Line"},
                                {1036, "Plate Punch"},
                                {1113, "Drill Line"},
                                {1114, "Saw/Shear"},
                                {1115, "Burning Table"}},
                               form_.kind);

    connect(name_, &QLineEdit::textEdited, this, [this] {
        if (CMachineDoc* d = GetMachineDoc())
            d->KeyFieldEdited();
        UpdateCommandStates();
    });
    connect(name_, &QLineEdit::editingFinished, this, [this] { PostFieldChanged(kNameId); });
    for (const CLenbox& length : lengths) {
        const int id = length.GetControl()->objectName().toInt();
        length.OnChanged(this, [this] { MarkModified(); });
        length.OnKillFocus(this, [this, id] { PostFieldChanged(id); });
    }
    for (QCheckBox* box : checks)
        connect(box, &QCheckBox::clicked, this, &CMachineView::MarkModified);
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int kind) {
        if (kind == form_.kind)
            return;
        MarkModified();
        if (CMachineDoc* d = GetMachineDoc())
            d->EnableKeyFields();
        UpdateCommandStates();
    });

    separator_->setSeparator(true);
    save_->setShortcut(QKeySequence::Save);
    connect(save_, &QAction::triggered, this,
            [this] { RunCommand("CMachineDoc::OnFileSave", [](CMachineDoc& d) { d.OnFileSave(); }); });
    connect(saveNew_, &QAction::triggered, this,
            [this] { RunCommand("CMachineDoc::OnFileSaveNew", [](CMachineDoc& d) { d.OnFileSaveNew(); }); });
    connect(specifics_, &QAction::triggered, this,
            [this] {
        RunCommand("CMachineDoc::OnEditSpecifics", [this](CMachineDoc& d) {
            if (CMachineSpecData* spec = d.OnEditSpecifics())
                EditSpecifics(*spec);
        });
    });

    doc.AddView(this);
    OnInitialUpdate();
    doc.ApplySaveRule();
    UpdateCommandStates();
    fw::SetTabOrderByLayout(*this);
}

CMachineView::~CMachineView() = default;

CMachineDoc* CMachineView::GetMachineDoc() const { return dynamic_cast<CMachineDoc*>(GetDocument()); }

QList<QAction*> CMachineView::ToolBarActions() const { return {save_, saveNew_, separator_, specifics_}; }

void CMachineView::OnUpdate(fw::View*, long, fw::Object*)
{
    CMachineDoc* doc = GetMachineDoc();
    if (!doc)
        return;
    form_ = doc->GetMachineRecord();
    if (doc->GetDocumentState() == CSmartDoc::stateStored) {
        SetKeyFieldsEnabled(false);
    } else {
        if (!name_->isEnabled()) {   // just through Save/New
            SetKeyFieldsEnabled(true);
            name_->setFocus();
            form_.name = CMachineDoc::kNewDocumentName;
            doc->SetTitle(form_.name);
        }
    }
    binder_.Load();
    TellKeyFields();
    setWindowTitle(fw::ToQString(doc->GetTitle()));
    UpdateCommandStates();
}

void CMachineView::OnChange(fw::View* sender, const fw::Change& change)
{
    if (dynamic_cast<const CSmartDoc::DocChange*>(&change) && !change.ShowsEverything())
        UpdateCommandStates();
    else
        fw::View::OnChange(sender, change);
}

void CMachineView::CloseFrame()
{
    fw::CloseViewFrame(*this, *this);
}

bool CMachineView::UpdateDocument()
{
    CMachineDoc* doc = GetMachineDoc();
    if (!doc || !binder_.Store())
        return false;
    doc->SetMachineData(form_);
    TellKeyFields();
    UpdateCommandStates();
    return true;
}

void CMachineView::EditSpecifics(CMachineSpecData& spec)
{
    if (std::unique_ptr<CMachineSpecDlg> dialog = CreateSpecDialog(spec.GetKind(), this)) {
        dialog->SetSpecData(&spec);
        RunModal(*dialog);
    }
}

void CMachineView::OnFieldChanged(int controlId)
{
    CMachineDoc* doc = GetMachineDoc();
    const QWidget* control = findChild<QWidget*>(ControlName(controlId));
    if (!doc || !control || !binder_.StoreControl(*control))
        return;
    if (controlId == kNameId) {
        doc->Rename(form_.name);
        setWindowTitle(fw::ToQString(form_.name));
    }
}

void CMachineView::PostFieldChanged(int controlId)
{
    QMetaObject::invokeMethod(this, [this, controlId] { OnFieldChanged(controlId); }, Qt::QueuedConnection);
}

void CMachineView::MarkModified()
{
    if (CMachineDoc* doc = GetMachineDoc())
        doc->SetModifiedFlag(true);
}

void CMachineView::TellKeyFields()
{
    CMachineDoc* doc = GetMachineDoc();
    if (!doc)
        return;
    if (form_.kind == machineNone)
        doc->DisableKeyFields();
    else
        doc->EnableKeyFields();
}

void CMachineView::SetKeyFieldsEnabled(bool enabled)
{
    name_->setEnabled(enabled);
    for (QAbstractButton* button : kinds_->buttons())
        button->setEnabled(enabled);
}

void CMachineView::UpdateCommandStates()
{
    const CMachineDoc* doc = GetMachineDoc();
    if (!doc)
        return;
    EnableCommands(*doc, {{save_, ID_FILE_SAVE}, {saveNew_, ID_FILE_SAVE_NEW}, {specifics_, ID_EDIT_SPECIFICS}});
}

void CMachineView::RunCommand(std::string_view handler, const std::function<void(CMachineDoc&)>& command)
{
    RunGuarded(handler, [this, &command] {
        if (CMachineDoc* doc = GetMachineDoc())
            command(*doc);
    });
    UpdateCommandStates();
}

} // namespace machui
