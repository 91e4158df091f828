#pragma once
// A document window: an MDI child frame holding one view, with a toolbar of its own docked at the
// top and an optional status bar. It has no minimize or maximize buttons but a context-help
// button. Closing the last frame of a modified document asks whether to save it first; a frame
// closed because its document closes asks nothing.
//
// The frame observes its document (as an fw::View), so closing the document closes the frame.

#include "fw/core/Document.h"
#include "fw/core/Geometry.h"

#include <QMainWindow>
#include <QMdiSubWindow>

class QStatusBar;
class QToolBar;

class CChildFrame : public QMdiSubWindow {
public:
    // view becomes the frame's content; document (may be null) is the one it shows.
    CChildFrame(QWidget* view, fw::Document* document, QWidget* parent = nullptr);

    QWidget* View() const { return inner_->centralWidget(); }
    fw::Document* Document() const { return observer_.GetDocument(); }

    // The frame's toolbar: named after its resource, titled, docked at the top only.
    QToolBar* CreateDockedToolBar(unsigned resourceId, const QString& title = {});
    // Moves and sizes the frame to the rectangle stored under rectSection/rectKey when the retain
    // flag retainSection/retainKey is set; the rectangle is kept within the MDI area. Arguments are
    // string ids; false when nothing was applied.
    bool RestoreWindowPlacement(unsigned retainSection, unsigned retainKey, unsigned rectSection, unsigned rectKey);
    // Stores the frame's normal rectangle under section/key (string ids).
    void SaveWindowPlacement(unsigned section, unsigned key);
    // The rectangle the frame has when neither maximized nor minimized.
    fw::Rect NormalRect() const;

    void SetStatusBar(QStatusBar* statusBar);
    // Closes the frame without a question (its document is closing).
    void CloseFrame();

    // The frame a widget lies in, or null.
    static CChildFrame* Of(QWidget* widget);

protected:
    // True while the program closes the frame (CloseFrame), as opposed to the user.
    bool IsClosingWithoutQuestion() const { return closingWithoutQuestion_; }
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The frame's place among the observers of its document.
    class Observer : public fw::View {
    public:
        explicit Observer(CChildFrame& frame) : frame_(frame) {}
        void OnUpdate(fw::View*, long, fw::Object*) override {}
        void CloseFrame() override { frame_.CloseFrame(); }

    private:
        CChildFrame& frame_;
    };

    bool IsLastFrameOfDocument() const;
    void TrackNormalRect();

    QMainWindow* inner_;   // owned by the subwindow
    Observer observer_{*this};
    QRect normal_;
    bool closingWithoutQuestion_ = false;
};
