#pragma once
// "Tool Information": the form of a tool document: two sizes, the type code, the orientation
// and the measuring system.

#include "fw/core/Document.h"
#include "model/ui/FormBinder.h"
#include "model/ui/Lenbox.h"
#include "records/Dimension.h"

#include <QWidget>

#include <string>

class CToolDoc;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CToolView : public QWidget, public fw::View {
    Q_OBJECT
public:
    enum ControlId {
        IDC_SIZE_A = 1027,
        IDC_SIZE_B = 1028,
        IDC_TYPE = 1029,
        IDC_ORIENTATION = 1030,
        IDC_IMPERIAL = 1031,
        IDC_DECIMAL_INCH = 1032,
        IDC_METRIC = 1033,
    };
    static constexpr int kMaxTypeLength = 2;   // the type combo holds no more
    static constexpr int kMinOrientation = -180;
    static constexpr int kMaxOrientation = 180;
    static constexpr double kMaxSize = 1200.0;   // inches

    explicit CToolView(QWidget* parent = nullptr);

    CToolDoc* GetDocument() const;

    // The form shows the document's tool.
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    // Validates the whole form and, when valid, copies it into the document.
    bool CopyFormToDocument();
    bool CommitPendingEdits() override { return CopyFormToDocument(); }
    bool HoldsEdits() const override { return true; }
    // Closes the view's frame window and leaves the document.
    void CloseFrame() override;

    CLenbox& SizeA() { return sizeA_; }
    CLenbox& SizeB() { return sizeB_; }
    QComboBox& TypeCombo() const { return *type_; }
    QLineEdit& OrientationEdit() const { return *orientation_; }
    QRadioButton& SystemButton(int system) const;
    // The measuring system chosen in the form; -1 while none is.
    int GetMeasuringSystem() const;

private:
    // The tool as the form shows it; the binder checks the fields into it.
    struct Form {
        CDimension sizeA;
        CDimension sizeB;
        std::string type;
        int orientation = 0;
        int system = -1;
    };
    void BindForm();
    void OnSystemClicked(int system);
    void MarkModified();
    void SetSizeUnits(int system);

    CLenbox sizeA_;
    CLenbox sizeB_;
    QComboBox* type_;
    QLineEdit* orientation_;
    QButtonGroup* systems_;
    Form form_;
    FormBinder binder_;
    bool updating_ = false;
};
