#pragma once
// One face of the part in the part programming window, drawn to scale: outline and hidden
// lines, the face's reference plane, its patterns, the detailing the detail settings ask for,
// the stencil marks (on the one face that shows them) and the green marker. The face kind's row
// decides everything that differs between faces. The view keeps the plane and the tool with
// which the next pattern of its face is programmed.

#include "fw/core/Document.h"
#include "partprog/DetailingLayout.h"
#include "partprog/FaceScene.h"
#include "model/RefPlane.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

class CPartDoc;
class CPartTool;
class DetailSettings;

class CFaceView : public QAbstractScrollArea, public fw::View {
    Q_OBJECT
public:
    // Asks the user for a tool file; gives its name without folder and extension, empty on Cancel.
    using ToolChooser = std::function<std::string(QWidget* parent)>;
    static ToolChooser SetToolChooser(ToolChooser chooser);

    // The view of one tab of the part's shape; it attaches itself to the document.
    CFaceView(CPartDoc& doc, const FaceTab& tab, DetailSettings& details, QWidget* parent = nullptr);
    ~CFaceView() override;

    const FaceKindInfo& Kind() const { return *kind_; }
    CPatternList* GetPatternList() const { return patterns_; }
    CStencilPatternList* GetStencilList() const { return stencils_; }
    CRefPlane& GetRefPlane() { return plane_; }
    const CPartTool* GetTool() const { return tool_.get(); }
    // The pattern at the face list's current position, or null.
    const CPattern* GetCurrentPattern() const;
    fw::Point GetMarker() const { return marker_; }

    // Reads the face's tool (profile, choice, default) and places the first plane.
    void OnInitialUpdate() override;
    void OnUpdate(fw::View* sender, long hint, fw::Object* hintObject) override;
    void CloseFrame() override;

    // The reference-plane commands (RefPlaneCommand), Rotate (Degrees) with an angle already
    // asked for, and Add X.
    void ApplyRefPlaneCommand(int command);
    // False, after telling the user, for a right angle.
    bool RotatePlane(int degrees, bool counterClockwise);
    void AddX(double inches);
    // Loads the tool file of that name as the face tool; FaceToolChanged on success.
    bool LoadTool(const std::string& name);
    // Asks for a tool file and loads it.
    bool ChooseTool();
    // Makes a copy of the tool the face tool; FaceToolChanged.
    void SetFaceTool(const CPartTool& tool);
    // Whether Face Copy is offered and the face holds a pattern.
    bool CanFaceCopy() const;

    // The scene as it would be drawn now.
    FaceScene Scene() const;
    // The mapping of the current client size and scroll state.
    FaceViewport Viewport() const;
    void ScrollToX(int logicalX);

signals:
    // The face's tool was replaced.
    void FaceToolChanged(CFaceView* view);
    // Tab or Shift+Tab: the tab view moves to the next or previous face.
    void TabPressed(bool backward);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    double HeightInches() const;
    void SetTool(std::unique_ptr<CPartTool> tool);
    void MarkerAtPlane();
    void ResetScroll();

    CPartDoc& doc_;
    const FaceKindInfo* kind_;
    CPatternList* patterns_;
    CStencilPatternList* stencils_;
    DetailSettings& details_;
    mutable DetailingLayout layout_;   // kept between repaints until the document or the size changes
    CRefPlane plane_;
    std::unique_ptr<CPartTool> tool_;
    fw::Point marker_;
};
