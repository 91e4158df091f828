#include "shell/ui/ChildFrame.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DocTemplate.h"
#include "shell/WindowPlacement.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

namespace {

fw::Rect ToRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const fw::Rect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}

} // namespace

CChildFrame::CChildFrame(QWidget* view, fw::Document* document, QWidget* parent)
    : QMdiSubWindow(parent), inner_(new QMainWindow)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    inner_->setWindowFlags(Qt::Widget);
    inner_->setCentralWidget(view);
    setWidget(inner_);
    if (document)
        document->AddView(&observer_);
}

CChildFrame* CChildFrame::Of(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto* frame = dynamic_cast<CChildFrame*>(widget))
            return frame;
    return nullptr;
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

bool CChildFrame::IsLastFrameOfDocument() const
{
    const fw::Document* document = Document();
    if (!document)
        return false;
    int frames = 0;
    for (fw::View* view : document->GetViews())
        frames += dynamic_cast<Observer*>(view) != nullptr;
    return frames == 1;
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    fw::Document* document = Document();
    const bool last = IsLastFrameOfDocument();
    if (!closingWithoutQuestion_ && last && !document->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    document = Document();
    if (document)
        document->RemoveView(&observer_);
    if (!closingWithoutQuestion_ && last && document && document->GetDocTemplate())
        document->GetDocTemplate()->CloseDocument(document);
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
