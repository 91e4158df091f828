#pragma once
// A document window: an MDI child frame holding the views of one document, with a toolbar of its
// own docked at the top and an optional status bar. It has no minimize or maximize buttons but a
// context-help button. The frame's accelerator table (editing keys, next and previous pane)
// works in it.
//
// The frame's document is that of the views inside it (widgets that are fw::View). The document
// decides whether the frame may close (fw::Document::CanCloseFrame): closing the last frame of a
// modified document asks whether to save it, then closes the document. A view
// that closes its parent (its CloseFrame, when the document closes it) closes the frame without a
// question.

#include "fw/core/Document.h"
#include "fw/core/Geometry.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QTimer>

#include <functional>
#include <vector>

class QStatusBar;
class QToolBar;

class CChildFrame : public QMdiSubWindow {
public:
    explicit CChildFrame(QWidget* view, QWidget* parent = nullptr);

    QWidget* View() const { return inner_->centralWidget(); }
    // The document of the frame's views, or null.
    fw::Document* Document() const;

    // The frame's toolbar: named after its resource, titled, docked at the top only.
    QToolBar* CreateDockedToolBar(unsigned resourceId, const QString& title = {});
    // A toolbar command: run when triggered; its enabled state is asked again while the program
    // is idle (and by UpdateCommands).
    QAction* AddCommand(QToolBar& toolBar, const QString& text, const QKeySequence& shortcut,
                        std::function<void()> run, std::function<bool()> enabled);
    // Refreshes every command's enabled state and the title (UpdateTitle).
    void UpdateCommands();
    // The title from the document's name (a save may have renamed it), numbered ":1", ":2" in
    // the order the windows opened while the document has several, with the modified mark.
    void UpdateTitle();

    // Moves and sizes the frame to the rectangle stored under rectSection/rectKey when the retain
    // flag retainSection/retainKey is set; the rectangle is kept within the MDI area. Arguments are
    // string ids; false when nothing was applied.
    bool RestoreWindowPlacement(unsigned retainSection, unsigned retainKey, unsigned rectSection, unsigned rectKey);
    // Stores the frame's normal rectangle under section/key (string ids).
    void SaveWindowPlacement(unsigned section, unsigned key);
    // The rectangle the frame has when neither maximized nor minimized.
    fw::Rect NormalRect() const;
    // Runs just before the frame closes (for storing its place).
    void SetOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

    void SetStatusBar(QStatusBar* statusBar);
    // Closes the frame without a question (its document is closing).
    void CloseFrame();

    // The frame a widget lies in, or null.
    static CChildFrame* Of(QWidget* widget);

protected:
    // True while the program closes the frame, as opposed to the user.
    bool IsClosingWithoutQuestion() const { return closingWithoutQuestion_; }
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The document's views that lie in this frame.
    std::vector<fw::View*> OwnViews(const fw::Document& document) const;
    bool IsLastFrameOf(const fw::Document& document) const;
    // The frame's number among the document's frames, 0 when it is the only one.
    int WindowNumber(const fw::Document& document) const;
    void TrackNormalRect();

    QMainWindow* inner_;   // owned by the subwindow
    QRect normal_;
    bool closingWithoutQuestion_ = false;
    bool closing_ = false;
    std::function<void()> onClose_;
    std::vector<std::pair<QAction*, std::function<bool()>>> commands_;
    QTimer idle_;
};
