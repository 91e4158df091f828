#pragma once
// "Part Programming": the form in the upper pane of the part programming window where a pattern
// (holes, front or back layouts) is typed in and added to the current face, the face's patterns
// are stepped through, and the detail lines and planes of the face views are chosen. Its rules
// are CPatternEditor's; the form shows them.

#include "fw/core/Document.h"
#include "model/ui/Lenbox.h"
#include "partprog/PatternEditor.h"

#include <QWidget>

#include <array>
#include <functional>

class CPartDoc;
class CTriangDlg;
class DetailSettings;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

class CPatternView : public QWidget, public fw::View {
    Q_OBJECT
public:
    enum ControlId {
        IDC_X_POSITION = 1040, IDC_U_POSITION = 1041, IDC_COUNT_X = 1042, IDC_COUNT_U = 1043,
        IDC_X_INCREMENT = 1044, IDC_U_INCREMENT = 1045, IDC_UP = 1057, IDC_DOWN = 1058, IDC_ADD = 1059,
        IDC_INCREMENT_X = 1081, IDC_LENGTH = 1010, IDC_TOOL = 1173, IDC_SHAPE = 1025, IDC_DELETE = 32801,
    };
    static constexpr const char* kCountMessage = "Please enter an integer between 0 and 9999.";
    static constexpr const char* kDeleteQuestion = "The Current Pattern will be deleted!";
    using TriangRunner = std::function<int(CTriangDlg&)>;

    // Attaches itself to the document and locks its key fields while it lives; the detail
    // settings are the application's.
    CPatternView(CPartDoc& doc, DetailSettings& details, QWidget* parent = nullptr);
    ~CPatternView() override;

    CPatternEditor& Editor() { return editor_; }
    CPartDoc& Document() const { return doc_; }

    // What the frame hands on from the current face view.
    void SetCurrentFaceList(CPatternList* list);
    void SetCurrentTool(const CPartTool* tool);
    void SetCurrentRefPlane(const CRefPlane* plane) { editor_.SetCurrentRefPlane(plane); }

    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    void CloseFrame() override;

    // The commands; each takes and checks the fields it needs first.
    bool Add();
    void StepUp();
    void StepDown();
    // Asks first; true when a pattern was deleted.
    bool Delete();
    bool Mirror();
    bool FaceCopy();
    bool CopyTool();
    void Flip();
    void Flop();
    void Rotate();
    bool Triangulate();
    bool CanTriangulate() const;
    void SetDialogRunner(TriangRunner runner) { runTriang_ = std::move(runner); }

    CLenbox& Lenbox(int id);
    QLineEdit& CountEdit(int id) const;
    RadioGroup& OperationGroup() const { return *operations_; }
    RadioGroup& LinesGroup() const { return *lines_; }
    RadioGroup& PlanesGroup() const { return *planes_; }
    QLabel& Marker(int operation) const { return *markers_.at(std::size_t(operation)); }
    QPushButton& Button(int id) const;
    QLabel& ToolText() const { return *toolText_; }
    QLabel& ShapeText() const { return *shapeText_; }
    // The dimension field last focused (1040, 1041, 1044 or 1045), 0 after a count field.
    int LastFocused() const { return lastFocused_; }

signals:
    // After every update: the current pattern, or null (the frame's status bar shows it).
    void PatternStatus(const CPattern* pattern);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildForm();
    // Takes the form into the editor; false, with the focus on the field, for a bad count.
    bool TakeFields();
    // The count of 0 to 9999 in the field, or -1 after telling the user and focusing it.
    int CheckCount(QLineEdit& edit);
    // Shows the editor's fields, markers and button states.
    void ShowFields();
    // ShowFields after a command that changed something; returns whether it did.
    bool Shown(bool changed);
    void Refresh();
    void OnFocusChanged(QWidget* now);

    CPartDoc& doc_;
    DetailSettings& details_;
    CPatternEditor editor_;
    std::array<CLenbox, 4> dimensions_;   // X position, U position, X increment, U increment
    CLenbox length_;
    QLineEdit* countX_;
    QLineEdit* countU_;
    RadioGroup* operations_;
    RadioGroup* lines_;
    RadioGroup* planes_;
    std::array<QLabel*, 3> markers_{};
    QCheckBox* incrementX_;
    QLabel* toolText_;
    QLabel* shapeText_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* add_;
    QPushButton* delete_;
    int lastFocused_ = 0;
    int measuringSystem_ = -1;
    TriangRunner runTriang_;
};
