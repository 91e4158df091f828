#include "partprog/ui/FaceView.h"

#include "fw/core/MessageService.h"
#include "fw/qt/NativePath.h"
#include "fw/qt/PainterDrawContext.h"
#include "fw/qt/QtText.h"
#include "model/DeviceUnits.h"
#include "model/ToolDoc.h"
#include "partprog/DetailSettings.h"
#include "partprog/FaceTool.h"
#include "partprog/PartDoc.h"
#include "partprog/PartHint.h"
#include "partprog/PatternEditor.h"
#include "partprog/ui/GuardedCommand.h"
#include "partprog/ui/SplitterFrame.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int kScrollRange = 100;
constexpr int kVerticalPage = 10;

std::string ChooseToolFile(QWidget* parent)
{
    const QString file = QFileDialog::getOpenFileName(parent, "Tool Directory",
                                                      fw::NativePath(CToolDoc::GetToolDirectory()), "Tool Files (*.tl)");
    return file.isEmpty() ? std::string() : fw::FromQString(QFileInfo(file).completeBaseName());
}

CFaceView::ToolChooser& TheToolChooser()
{
    static CFaceView::ToolChooser chooser = &ChooseToolFile;
    return chooser;
}

int PlacementOf(const CRefPlane& plane)
{
    switch (plane.GetPatternType()) {
    case 'B': return CPattern::below;
    case 'C': return CPattern::centredFirst;
    default: return CPattern::above;
    }
}

} // namespace

CFaceView::ToolChooser CFaceView::SetToolChooser(ToolChooser chooser)
{
    return std::exchange(TheToolChooser(), std::move(chooser));
}

CFaceView::CFaceView(CPartDoc& doc, const FaceTab& tab, DetailSettings& details, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), kind_(&FaceKindOf(tab.kind)), patterns_(tab.patterns),
      stencils_(tab.stencils), details_(details)
{
    setObjectName(kind_->className);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setRange(0, kScrollRange);
    verticalScrollBar()->setRange(0, kScrollRange);
    verticalScrollBar()->setPageStep(kVerticalPage);
    verticalScrollBar()->setValue(kScrollRange / 2);
    const auto repaint = [this] { viewport()->update(); };
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    doc_.AddView(this);
}

CFaceView::~CFaceView()
{
    if (kind_->writesTool && tool_)
        facetool::Store(kind_->toolKey, *tool_);
    if (GetDocument())
        GetDocument()->RemoveView(this);
}

const CPattern* CFaceView::GetCurrentPattern() const
{
    return patterns_ && patterns_->GetCurrentPosition() ? patterns_->GetAt(patterns_->GetCurrentPosition()) : nullptr;
}

double CFaceView::HeightInches() const
{
    const CPartShape* shape = doc_.GetPartShape();
    if (!shape)
        return 0.0;
    return kind_->flangeHigh ? shape->GetFlangeWidth() : shape->GetDepth();
}

void CFaceView::OnInitialUpdate()
{
    plane_.SetUnits(doc_.GetMeasuringSystem());
    if (kind_->centredPlane)
        plane_.Set(0, HeightInches() * 0.5, '+', '-', 0, 0, 'C');
    else
        plane_.Set(0, 0, '+', '+', 0, 0, 'A');
    SetTool(facetool::Initial(kind_->toolKey, [this] {
        const std::string name = TheToolChooser() ? TheToolChooser()(this) : std::string();
        return facetool::FromFile(name, true);
    }));
    MarkerAtPlane();
    ResetScroll();
}

void CFaceView::OnUpdate(fw::View*, long hint, fw::Object* hintObject)
{
    layout_.Invalidate();
    plane_.SetUnits(doc_.GetMeasuringSystem());
    const auto* partHint = dynamic_cast<const CPartHint*>(hintObject);
    if (hint == CPatternEditor::hintDetails && !hintObject)
        ResetScroll();
    else if (partHint && patterns_ && doc_.GetPartShape() && doc_.GetPartShape()->GetFaceList(partHint->value1) == patterns_) {
        switch (hint) {
        case CPatternEditor::hintAdded:
        case CPatternEditor::hintDeleted:
        case CPatternEditor::hintCurrent:
        case CPatternEditor::hintToolCopied:
            if (const CPattern* current = GetCurrentPattern()) {
                double x = 0, u = 0;
                current->GetElementPosition(0, 0, PlacementOf(current->GetRefPlane()), x, u);
                marker_ = InchesToDevice(x, u);
                if (hint == CPatternEditor::hintAdded && partHint->value3) {
                    const CRefPlane& p = current->GetRefPlane();
                    plane_.Set(p.GetStartX().GetValue(), plane_.GetStartU().GetValue(), plane_.GetXDirection(),
                               plane_.GetUDirection(), plane_.GetRise().GetValue(), plane_.GetRun().GetValue(),
                               plane_.GetPatternType());
                }
            } else {
                MarkerAtPlane();
            }
            ScrollToX(marker_.x);
            break;
        case CPatternEditor::hintToolDropped: LoadTool(partHint->text); break;
        default: break;
        }
    }
    viewport()->update();
}

void CFaceView::CloseFrame() { CSplitterFrame::CloseFrameOf(this); }

void CFaceView::SetTool(std::unique_ptr<CPartTool> tool)
{
    tool_ = std::move(tool);
    emit FaceToolChanged(this);
}

void CFaceView::MarkerAtPlane() { marker_ = InchesToDevice(plane_.GetStartX().GetValue(), plane_.GetStartU().GetValue()); }

void CFaceView::ApplyRefPlaneCommand(int command)
{
    const double length = doc_.Header().length.GetValue();
    if (::ApplyRefPlaneCommand(*kind_, plane_, command, HeightInches(), length))
        ScrollToX(InchesToDevice(plane_.GetStartX().GetValue()));
    viewport()->update();
}

bool CFaceView::RotatePlane(int degrees, bool counterClockwise)
{
    const auto slope = SlopeForDegrees(degrees, counterClockwise, kind_->direction, plane_.GetUDirection());
    if (!slope) {
        fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
        fw::ShowMessage(kNoRightAngles, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    plane_.Set(plane_.GetStartX().GetValue(), plane_.GetStartU().GetValue(), plane_.GetXDirection(),
               plane_.GetUDirection(), slope->first, slope->second, plane_.GetPatternType());
    viewport()->update();
    return true;
}

void CFaceView::AddX(double inches)
{
    plane_.Set(plane_.GetStartX().GetValue() + inches, plane_.GetStartU().GetValue(), plane_.GetXDirection(),
               plane_.GetUDirection(), plane_.GetRise().GetValue(), plane_.GetRun().GetValue(), plane_.GetPatternType());
    ScrollToX(InchesToDevice(plane_.GetStartX().GetValue()));
    viewport()->update();
}

bool CFaceView::LoadTool(const std::string& name)
{
    std::unique_ptr<CPartTool> tool = facetool::FromFile(name, true);
    if (!tool)
        return false;
    SetTool(std::move(tool));
    return true;
}

bool CFaceView::ChooseTool()
{
    const std::string name = TheToolChooser() ? TheToolChooser()(this) : std::string();
    return !name.empty() && LoadTool(name);
}

void CFaceView::SetFaceTool(const CPartTool& tool) { SetTool(CPartTool::CopyOfKind(tool)); }

bool CFaceView::CanFaceCopy() const { return kind_->faceCopy && patterns_ && !patterns_->IsEmpty(); }

FaceScene CFaceView::Scene() const
{
    FaceScene scene;
    scene.kind = kind_;
    if (const CPartShape* shape = doc_.GetPartShape()) {
        scene.dims = FaceDims::Of(*shape, doc_.Header().length.GetValue());
        scene.channelLeg = doc_.Header().channelLeg;
    }
    scene.patterns = patterns_;
    scene.stencils = stencils_;
    scene.plane = &plane_;
    scene.current = GetCurrentPattern();
    scene.details = &details_;
    scene.layout = &layout_;
    scene.marker = marker_;
    return scene;
}

FaceViewport CFaceView::Viewport() const
{
    const QScrollBar& h = *horizontalScrollBar();
    const QScrollBar& v = *verticalScrollBar();
    FaceViewport state;
    state.client = {viewport()->width(), viewport()->height()};
    state.horizontal = {h.minimum(), h.maximum(), h.pageStep(), h.value()};
    state.verticalPage = v.pageStep();
    state.verticalOffset = v.value() - (v.minimum() + v.maximum()) / 2;
    return state;
}

void CFaceView::ScrollToX(int logicalX)
{
    const FaceViewport v = Viewport();
    const double scale = Scene().Scale(v.client);
    const int lengthPixels = int(Scene().dims.length * scale);
    horizontalScrollBar()->setValue(facescroll::PositionForX(int(logicalX * scale), v.client.cx, lengthPixels, v.horizontal));
}

void CFaceView::ResetScroll()
{
    const FaceViewport v = Viewport();
    const FaceScene scene = Scene();
    const double scale = scene.Scale(v.client);
    if (scale > 0.0) {
        const int page = facescroll::ResetPage(v.horizontal, v.client.cx, int(v.client.cx / scale),
                                               int(scene.dims.length * scale));
        horizontalScrollBar()->setPageStep(page);
    }
    verticalScrollBar()->setValue((verticalScrollBar()->minimum() + verticalScrollBar()->maximum()) / 2);
    viewport()->update();
}

void CFaceView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    fw::PainterDrawContext dc(painter);
    const FaceScene scene = Scene();
    if (!scene.Map(dc, Viewport()))
        return;
    const QRect r = event->rect();
    const fw::Point a = dc.DPtoLP({r.left(), r.top()}), b = dc.DPtoLP({r.right() + 1, r.bottom() + 1});
    fw::Rect clip{a.x, a.y, b.x, b.y};
    clip.Normalize();
    scene.Draw(dc, clip);
}

void CFaceView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    layout_.Invalidate();
    ResetScroll();
}

void CFaceView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar& h = *horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp: h.triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: h.triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home: h.triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: h.setValue(std::max(h.maximum() - h.pageStep() + 1, h.minimum())); break;
    case Qt::Key_Left:
    case Qt::Key_Up: h.triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right:
    case Qt::Key_Down: h.triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

bool CFaceView::focusNextPrevChild(bool next)
{
    emit TabPressed(!next);
    return true;
}

void CFaceView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(facetool::kToolListFormat))
        event->acceptProposedAction();
}

void CFaceView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(facetool::kToolListFormat))
        event->acceptProposedAction();
}

void CFaceView::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(facetool::kToolListFormat))
        return;
    const QByteArray data = event->mimeData()->data(facetool::kToolListFormat);
    const std::string paths(data.constData(), std::size_t(data.size()));
    const std::string title = facetool::FirstTitle(paths);
    RunGuarded("CFaceView::OnDrop", [&] { LoadTool(title); });
    event->acceptProposedAction();
}
