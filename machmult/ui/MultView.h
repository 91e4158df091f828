#pragma once
// The "Mult Information" form of one mult document: job, group, mark, sequence, stock length,
// quantity, kerf, shape, grade, machine, remarks and measuring system, with the section values of
// the chosen shape. It checks each field when it loses the focus, looks the shape up in the shape
// directory, lists the machines of the machine directory, takes shapes and machines dropped from
// the navigator, and lets the document be saved only once a shape is found, a machine chosen and
// a key field edited.
//
// The window that hosts it puts ToolBarActions() on its toolbar (Save, Save/New, Specifics,
// Choose Shape, AutoMult).

#include "fw/core/Document.h"
#include "fw/core/PathListFormats.h"
#include "model/ui/FormBinder.h"
#include "records/MultRecord.h"

#include <QList>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <string_view>

class CMultDoc;
class QAction;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QMimeData;
class QSpinBox;

namespace machui {


class CMultView : public QWidget, public fw::View {
    Q_OBJECT
public:
    // Control ids of the form.
    enum : int {
        IDC_JOB = 1000, IDC_GROUP = 1001, IDC_MARK = 1002, IDC_SEQUENCE = 1004, IDC_LENGTH = 1089,
        IDC_QUANTITY = 1100, IDC_KERF = 1006, IDC_SHAPE = 1007, IDC_SIZE = 1008, IDC_GRADE = 1010,
        IDC_MACHINE = 1011, IDC_REMARK_A = 1013, IDC_REMARK_B = 1014, IDC_IMPERIAL = 1027, IDC_DECIMAL = 1028,
        IDC_METRIC = 1029, IDC_D = 1019, IDC_TW = 1095, IDC_BF = 1020, IDC_TF = 1022,
    };
    // The navigator's drag formats: '|'-terminated full paths of shape or machine files.
    static constexpr const char* kShapeListFormat = fw::FormatName(fw::PathListFormat::shapes);
    static constexpr const char* kMachineListFormat = fw::FormatName(fw::PathListFormat::machines);
    enum class DropKind { shapes, machines };

    // Attaches to the document and shows it.
    explicit CMultView(CMultDoc& doc, QWidget* parent = nullptr);
    ~CMultView() override;

    CMultDoc* GetMultDoc() const;
    // Save, Save/New, a separator, Specifics, Choose Shape, AutoMult; enabled as the document allows.
    QList<QAction*> ToolBarActions() const;

    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    // The document's key fields lock or open the form's; after Save/New the sequence is
    // selected for the next mult; other changes refresh the commands.
    void OnChange(fw::View* sender, const fw::Change& change) override;
    void CloseFrame() override;
    bool CommitPendingEdits() override { return UpdateDocument(); }
    bool HoldsEdits() const override { return true; }

    // Every field checked and handed to the document (a refused name is reported); false, with
    // the document unchanged, when one is not valid.
    bool UpdateDocument();
    // Opens (true) or locks (false) the key fields: job, group, mark, sequence, shape, grade,
    // machine and measuring system.
    void EnableKeyFields(bool enable);

    // A field lost the focus: it is checked alone and takes its effect.
    void OnFieldChanged(int controlId);
    // Looks the shape of the form up in the shape directory and shows its section; the fields
    // then go to the document. True when the shape was found.
    bool LookupShape();
    // Edit > Choose Shape: a shape file chosen in the shape directory becomes the mult's shape.
    void OnChooseShape();
    // Navigator items dropped on the form: only the first of the '|'-terminated paths counts.
    // False when there was none.
    bool OnDropItems(std::string_view paths, DropKind kind);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectFields();
    void ConnectCommands();
    void OnInitialUpdate() override;
    void Show(bool startedNew);
    void FillMachineList();
    // A machine named (typed or picked); picking one also hands the fields to the document.
    void ChooseMachine();
    void OnMachineChanged();
    void OnKeyFieldChanged();
    void OnMeasuringSystem(int system);
    // The shape of a file title: its first two characters the designation, the rest the size.
    void TakeShapeTitle(std::string_view title);
    // Fields into the document without reporting a refused name.
    bool HandOver();
    void ShowSection(const std::array<double, 4>& values, int system);
    // Shape, size, grade, machine and the measuring system.
    void SetStockFieldsEnabled(bool enabled);
    void SetDisplayType(int system);
    void PostFieldChanged(int controlId);
    void MarkModified();
    // The drop format the form takes now, if any.
    const char* AcceptedFormat(const QMimeData& data) const;
    void UpdateCommandStates();
    void RunCommand(std::string_view handler, const std::function<void(CMultDoc&)>& command);

    MultRecord form_;   // the form's values as the document holds them
    FormBinder binder_;
    bool loading_ = false;   // the form is being filled: its signals are not the user's
    QLineEdit* job_;
    QLineEdit* group_;
    QLineEdit* mark_;
    QSpinBox* sequence_;
    CLenbox length_;
    CLenbox kerf_;
    QComboBox* shape_;
    QLineEdit* size_;
    QLineEdit* grade_;
    QComboBox* machine_;
    QButtonGroup* systems_;
    std::array<CLenbox, 4> section_;
    QAction* save_;
    QAction* saveNew_;
    QAction* separator_;
    QAction* specifics_;
    QAction* chooseShape_;
    QAction* autoMult_;
};

} // namespace machui
