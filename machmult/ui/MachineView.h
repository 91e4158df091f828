#pragma once
// The "Machine Information" form of one machine document: name, stock information, run
// parameters, material types and machine type. It shows the document whenever it changes,
// writes the form back before every save and before the spec dialog opens, and keeps the key
// fields (name and machine type) locked on a stored machine and open on a new one.
//
// The window that hosts it puts ToolBarActions() on its toolbar (Save, Save/New, Specifics).

#include "fw/core/Document.h"
#include "model/ui/FormBinder.h"
#include "model/MachineRecord.h"

#include <QList>
#include <functional>
#include <string_view>
#include <QWidget>

class CMachineDoc;
class CMachineSpecData;
class QAction;
class QButtonGroup;
class QLineEdit;

namespace machui {

class CMachineView : public QWidget, public fw::View {
    Q_OBJECT
public:
    // Attaches to the document and shows it.
    explicit CMachineView(CMachineDoc& doc, QWidget* parent = nullptr);
    ~CMachineView() override;

    CMachineDoc* GetMachineDoc() const;
    // Save, Save/New, a separator, Specifics; enabled as the document allows.
    QList<QAction*> ToolBarActions() const;

    // The document changed: fill the form from it and lock or open the key fields.
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    // Saving allowed or refused and the key fields refresh the commands.
    void OnChange(fw::View* sender, const fw::Change& change) override;
    void CloseFrame() override;
    bool CommitPendingEdits() override { return UpdateDocument(); }
    bool HoldsEdits() const override { return true; }

    // Validates the form and, when it is valid, hands it to the document (SetMachineData);
    // false, with the document unchanged, when it is not.
    bool UpdateDocument();
    // Edits the spec data in the spec dialog of its kind (modal); it changes the data only on OK.
    void EditSpecifics(CMachineSpecData& spec);

    // A field lost the focus: the name becomes the title and file name; a length is read again.
    void OnFieldChanged(int controlId);

private:
    void PostFieldChanged(int controlId);
    void MarkModified();
    // Tells the document whether a machine type is chosen (the Specifics command follows it).
    void TellKeyFields();
    void SetKeyFieldsEnabled(bool enabled);
    void UpdateCommandStates();
    // Runs a document command; an unexpected failure is reported under the handler's name.
    void RunCommand(std::string_view handler, const std::function<void(CMachineDoc&)>& command);

    MachineRecord form_;   // the form's values, field by field as the document holds them
    FormBinder binder_;
    QLineEdit* name_;
    QButtonGroup* kinds_;
    QAction* save_;
    QAction* saveNew_;
    QAction* separator_;
    QAction* specifics_;
};

} // namespace machui
