#include "shell/ui/ChildFrame.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DocTemplate.h"
#include "fw/qt/QtText.h"
#include "shell/CommandGuard.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/FrameAccelerators.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

#include <set>

namespace {

// How often command states are asked again.
constexpr int kIdleUpdateMs = 250;

fw::Rect ToRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const fw::Rect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}

// The frames the document's views lie in; null stands for views outside any frame.
std::set<const CChildFrame*> FramesOf(const fw::Document& document)
{
    std::set<const CChildFrame*> frames;
    for (fw::View* view : document.GetViews())
        frames.insert(CChildFrame::Of(dynamic_cast<QWidget*>(view)));
    return frames;
}

} // namespace

CChildFrame::CChildFrame(QWidget* view, QWidget* parent) : QMdiSubWindow(parent), inner_(new QMainWindow)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    inner_->setWindowFlags(Qt::Widget);
    inner_->setCentralWidget(view);
    inner_->installEventFilter(this);
    setWidget(inner_);
    AddFrameAccelerators(*this);
    connect(&idle_, &QTimer::timeout, this, &CChildFrame::UpdateCommands);
    idle_.start(kIdleUpdateMs);
}

CChildFrame* CChildFrame::Of(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto* frame = dynamic_cast<CChildFrame*>(widget))
            return frame;
    return nullptr;
}

fw::Document* CChildFrame::Document() const
{
    QList<QWidget*> widgets = inner_->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        if (auto* view = dynamic_cast<fw::View*>(widget); view && view->GetDocument())
            return view->GetDocument();
    return nullptr;
}

std::vector<fw::View*> CChildFrame::OwnViews(const fw::Document& document) const
{
    std::vector<fw::View*> views;
    for (fw::View* view : document.GetViews())
        if (auto* widget = dynamic_cast<QWidget*>(view); widget && Of(widget) == this)
            views.push_back(view);
    return views;
}

bool CChildFrame::IsLastFrameOf(const fw::Document& document) const
{
    return FramesOf(document) == std::set<const CChildFrame*>{this};
}

QToolBar* CChildFrame::CreateDockedToolBar(unsigned resourceId, const QString& title)
{
    auto* toolBar = new QToolBar(title, inner_);
    toolBar->setObjectName(QStringLiteral("ToolBar%1").arg(resourceId));
    toolBar->setAllowedAreas(Qt::TopToolBarArea);
    toolBar->setFloatable(false);
    inner_->addToolBar(Qt::TopToolBarArea, toolBar);
    return toolBar;
}

QAction* CChildFrame::AddCommand(QToolBar& toolBar, const QString& text, const QKeySequence& shortcut,
                                 std::function<void()> run, std::function<bool()> enabled)
{
    QAction* action = toolBar.addAction(text);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    const std::string handler = "CChildFrame::" + text.toStdString();
    connect(action, &QAction::triggered, this, [this, run = std::move(run), handler] {
        GuardCommand(handler, run);
        UpdateCommands();
    });
    commands_.emplace_back(action, std::move(enabled));
    action->setEnabled(commands_.back().second());
    idle_.start(kIdleUpdateMs);
    return action;
}

void CChildFrame::UpdateCommands()
{
    for (auto& [action, enabled] : commands_)
        action->setEnabled(enabled());
    UpdateTitle();
}

void CChildFrame::UpdateTitle()
{
    const fw::Document* document = Document();
    if (!document)
        return;
    QString title = fw::ToQString(document->GetTitle());
    if (const int number = WindowNumber(*document); number > 0)
        title += QStringLiteral(":%1").arg(number);
    title += QStringLiteral("[*]");
    if (title != windowTitle())
        setWindowTitle(title);
    setWindowModified(document->IsModified());
}

int CChildFrame::WindowNumber(const fw::Document& document) const
{
    std::set<const CChildFrame*> frames = FramesOf(document);
    frames.erase(nullptr);
    frames.insert(this);
    if (frames.size() < 2 || !mdiArea())
        return 0;
    int number = 0;
    for (QMdiSubWindow* window : mdiArea()->subWindowList(QMdiArea::CreationOrder))
        if (frames.contains(dynamic_cast<const CChildFrame*>(window))) {
            ++number;
            if (window == this)
                return number;
        }
    return 0;
}

bool CChildFrame::RestoreWindowPlacement(unsigned retainSection, unsigned retainKey, unsigned rectSection,
                                         unsigned rectKey)
{
    std::optional<fw::Rect> rect = RestoreChildRect(fw::AppProfile(), retainSection, retainKey, rectSection, rectKey);
    if (!rect)
        return false;
    if (QMdiArea* area = mdiArea())
        rect = ClampToArea(*rect, ToRect(area->viewport()->rect()));
    setGeometry(ToQRect(*rect));
    return true;
}

void CChildFrame::SaveWindowPlacement(unsigned section, unsigned key)
{
    SaveChildRect(fw::AppProfile(), section, key, NormalRect());
}

fw::Rect CChildFrame::NormalRect() const
{
    return ToRect(normal_.isValid() ? normal_ : geometry());
}

void CChildFrame::SetStatusBar(QStatusBar* statusBar)
{
    inner_->setStatusBar(statusBar);
}

void CChildFrame::CloseFrame()
{
    closingWithoutQuestion_ = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    fw::Document* document = Document();
    const bool last = document && IsLastFrameOf(*document);
    if (!closingWithoutQuestion_ && document && !document->CanCloseFrame(OwnViews(*document), last ? 0 : 1)) {
        event->ignore();
        return;
    }
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted()) {
        closing_ = false;
        return;
    }
    idle_.stop();
    if (onClose_)
        onClose_();
    if (!document)
        return;
    for (fw::View* view : OwnViews(*document))
        document->RemoveView(view);
    if (last && !closingWithoutQuestion_ && document->GetDocTemplate())
        document->GetDocTemplate()->CloseDocument(document);
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event)
{
    // A view closing its parent (the inner window) closes the frame.
    if (watched == inner_ && event->type() == QEvent::Close && !closing_) {
        CloseFrame();
        return true;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void CChildFrame::TrackNormalRect()
{
    if (!isMaximized() && !isMinimized() && isVisible())
        normal_ = geometry();
}

void CChildFrame::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    TrackNormalRect();
}

void CChildFrame::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    TrackNormalRect();
}
