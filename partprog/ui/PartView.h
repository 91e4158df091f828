#pragma once
// "Part Information": the form of a part document's header (job, group, mark, quantity, length,
// shape, grade, fabrication code, remarks, measuring system, channel legs) with the section
// dimensions of the chosen shape. Each field is checked as the user leaves it; the mark names the
// document's title and file; job, group, mark, channel legs and measuring system are locked on a
// stored part and open on a new one. Shapes come from the shape chooser or are dropped as a
// '|'-terminated list of shape file paths.
//
// The window that hosts it puts ToolBarActions() on its toolbar.

#include "fw/core/Document.h"
#include "fw/core/PathListFormats.h"
#include "fw/core/SaneLength.h"
#include "model/ui/FormBinder.h"
#include "model/ui/Lenbox.h"
#include "records/PartRecord.h"

#include <QList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

class CPartDoc;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

class CPartView : public QWidget, public fw::View {
    Q_OBJECT
public:
    enum ControlId {
        IDC_JOB = 1006,
        IDC_GROUP = 1007,
        IDC_MARK = 1008,
        IDC_QUANTITY = 1009,
        IDC_DESC = 1012,
        IDC_GRADE = 1013,
        IDC_FABCODE = 1014,
        IDC_REMARKA = 1015,
        IDC_REMARKB = 1016,
        IDC_D = 1019,
        IDC_BF = 1020,
        IDC_TF = 1022,
        IDC_MEASURE_WEB_DEPTH = 1026,
        IDC_IMPERIAL = 1027,   // measuring system radios 1027-1029
        IDC_FAR = 1031,        // channel leg radios 1031-1032
        IDC_DESCTP = 1035,
        IDC_LENGTH = 1089,
        IDC_TW = 1095,
        IDC_MEASURING_SYSTEM = 1189,
    };
    static constexpr std::uint32_t kMaxQuantity = 9999;
    static constexpr double kMaxLength = fw::kMaxInches;   // the longest part the document keeps
    // The drag format of a navigator shape list.
    static constexpr const char* kShapeListFormat = fw::FormatName(fw::PathListFormat::shapes);

    // Chooses a shape file: initial folder (Windows form) and filter ("name|patterns|...||");
    // gives the chosen file's name without folder and extension, empty on Cancel.
    using ShapeFileChooser =
        std::function<std::string(const std::string& folder, const std::string& filter, QWidget* parent)>;

    explicit CPartView(QWidget* parent = nullptr);
    ~CPartView() override;

    CPartDoc* GetDocument() const;
    // Save, Save/New, a separator, Specifics, Choose Shape; enabled as the document allows.
    // Specifics asks for the part programming window (ProgrammingWindowRequested) once the
    // document has taken the form.
    QList<QAction*> ToolBarActions() const;

    // A new part starts with its mark locked until the first update opens it; then the shape is
    // looked up (an empty designation leaves the part without a valid shape).
    void OnInitialUpdate() override;
    // Shows the document's header; locks the key fields of a stored part, opens them on a new
    // one (naming a part that was stored "Part").
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    // The document's key fields open or lock the shape fields; after Save/New the mark is
    // selected for the next part; other changes refresh the commands.
    void OnChange(fw::View* sender, const fw::Change& change) override;
    void CloseFrame() override;
    bool CommitPendingEdits() override { return ApplyToDocument(); }
    bool HoldsEdits() const override { return true; }

    // Takes the whole form and gives it to the document (CPartDoc::SetPartRecord); false, after
    // telling the user and with the document unchanged, when a field is not valid.
    bool ApplyToDocument();
    // Enables or disables the shape designation and size fields.
    void EnableShapeFields(bool enable);

    // A field was left (queued from its focus loss): checks it alone, unless another
    // application is active. The mark renames the document, the size looks the shape up, the
    // length goes to the document at once.
    void OnFieldChanged(int controlId);
    // Field checks run only while the application is active.
    void OnActivateApp(bool active) { checksActive_ = active; }
    // Looks the designation and size up in the shape catalog and shows its section; the document
    // may be saved only with a shape that was found. True when found.
    bool LookUpShape();
    // A dropped shape list: the first path's file title selects the designation and gives the
    // size, then the shape is looked up. False when the shape fields are locked or the list is empty.
    bool DropShapeList(std::string_view list);
    // Edit > Choose Shape: the shape file chosen gives designation and size, then the lookup.
    void ChooseShape();
    static ShapeFileChooser SetShapeFileChooser(ShapeFileChooser chooser);

    QLineEdit& Edit(int controlId) const;
    QComboBox& TypeCombo() const { return *type_; }
    QCheckBox& WebDepthBox() const { return *webDepth_; }
    CLenbox& Length() { return length_; }
    // D, TW, BF and TF in that order.
    CLenbox& Section(int index) { return sections_.at(std::size_t(index)); }
    QRadioButton& SystemButton(int system) const;
    QRadioButton& LegButton(int leg) const;
    QGroupBox& SystemBox() const { return *systemBox_; }
    bool IsShapeValid() const;
    bool KeyFieldsChanged() const;
    bool ChecksActive() const { return checksActive_; }

signals:
    // Specifics: the document took the form and has a part shape to program.
    void ProgrammingWindowRequested();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QLineEdit* AddEdit(int id);
    void BindForm();
    void ShowSection(const std::array<double, 4>& values, int system);
    // Shows the document; keepDesignation leaves the shape designation as typed (one the document
    // could not build).
    void Show(bool startedNew, bool keepDesignation = false);
    void ApplyDocumentState(bool startedNew);
    void SetKeyFieldsEnabled(bool enabled);
    void NameDocument();
    void SetShapeFromTitle(const std::string& title);
    // Notes the controls the user changes, so that a document update does not overwrite them.
    void WatchTyping();
    void Typed(const QWidget& control);
    void PostFieldChanged(int id);
    void MarkModified();
    void OnKeyFieldEdited();
    void OnSystemClicked(int system);
    void UpdateCommandStates();
    // Runs a toolbar command; an unexpected failure is reported under the handler's name.
    void RunCommand(std::string_view handler, const std::function<void(CPartDoc&)>& command);

    QComboBox* type_;
    QCheckBox* webDepth_;
    CLenbox length_;
    std::array<CLenbox, 4> sections_;
    QButtonGroup* systems_;
    QButtonGroup* legs_;
    QGroupBox* systemBox_;
    QAction* save_;
    QAction* saveNew_;
    QAction* separator_;
    QAction* specifics_;
    QAction* chooseShape_;
    // The header as the form shows it; the binder checks the fields into it.
    PartRecord form_;
    FormBinder binder_;
    // Controls typed in since the form last went to the document.
    std::set<const QWidget*> typed_;
    bool checksActive_ = true;
    bool updating_ = false;
};
