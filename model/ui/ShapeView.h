#pragma once
// "Shape Information": the form of a shape document: designation type and size, the five
// section dimensions, weight per foot, formal description, kind and measuring system.

#include "fw/core/Document.h"
#include "model/ui/FormBinder.h"
#include "model/ui/Lenbox.h"
#include "records/ShapeRecord.h"

#include <QWidget>

#include <array>
#include <string>

class CShapeDoc;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CShapeView : public QWidget, public fw::View {
    Q_OBJECT
public:
    enum ControlId {
        IDC_DESC = 1012,
        IDC_D = 1019,
        IDC_BF = 1020,
        IDC_TF = 1022,
        IDC_SFG = 1023,
        IDC_WEIGHT = 1024,
        IDC_FORMAL = 1025,
        IDC_IMPERIAL = 1027,   // measuring system radios 1027-1029
        IDC_BEAM = 1031,       // kind radios 1031-1034 and 1036-1038
        IDC_DESCTP = 1035,
        IDC_TW = 1095,
        IDC_MEASURING_SYSTEM = 1189,
    };
    static constexpr int kMaxTypeLength = 2;
    static constexpr int kMaxDescLength = 20;
    static constexpr int kMaxFormalLength = 30;
    static constexpr double kMinWeight = 1.0;
    static constexpr double kMaxWeight = 1500.0;
    static constexpr double kMaxDimension = 1200.0;   // inches

    explicit CShapeView(QWidget* parent = nullptr);

    CShapeDoc* GetDocument() const;

    // Weight per foot 1.0, then the document's shape.
    void OnInitialUpdate() override;
    // The form shows the document's shape. A shape that stands for its file has its type, size
    // and measuring system locked and may be saved; a new one has them editable and may be saved
    // only once its type or size has changed.
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    // Validates the whole form and, when valid, copies it into the document.
    bool CopyFormToDocument();
    bool CommitPendingEdits() override { return CopyFormToDocument(); }
    bool HoldsEdits() const override { return true; }
    // Closes the view's frame window and leaves the document.
    void CloseFrame() override;

    QComboBox& TypeCombo() const { return *type_; }
    QLineEdit& DescEdit() const { return *desc_; }
    QLineEdit& WeightEdit() const { return *weight_; }
    QLineEdit& FormalEdit() const { return *formal_; }
    // D, TW, BF, TF and SFG in that order.
    CLenbox& Dimension(int index) { return dimensions_.at(std::size_t(index)); }
    QRadioButton& KindButton(int kind) const;
    QRadioButton& SystemButton(int system) const;
    // The kind and measuring system chosen in the form; -1 while none is.
    int GetKind() const;
    int GetMeasuringSystem() const;

private:
    void BindForm();
    void ShowShape();
    void ApplyDocumentState();
    void OnSystemClicked(int system);
    void OnKeyFieldEdited();
    void MarkModified();
    void SetDimensionUnits(int system);
    // Checks one field as its control is left; false (after a message) when it is not valid.
    bool ValidateField(int id);
    // The type, padded to two characters, and the size name the document's title and file.
    void NameDocument();

    QComboBox* type_;
    QLineEdit* desc_;
    std::array<CLenbox, 5> dimensions_;
    QLineEdit* weight_;
    QLineEdit* formal_;
    QButtonGroup* kinds_;
    QButtonGroup* systems_;
    // The shape as the form shows it; the binder checks the fields into it.
    ShapeRecord form_;
    FormBinder binder_;
    bool updating_ = false;
};
