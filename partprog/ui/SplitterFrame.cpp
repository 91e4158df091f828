#include "partprog/ui/SplitterFrame.h"

#include "fw/core/AppProfile.h"
#include "fw/qt/ChildMenus.h"
#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "model/ui/DimDlg.h"
#include "partprog/FaceTool.h"
#include "partprog/PartDoc.h"
#include "partprog/PatternStatus.h"
#include "partprog/ui/AngleDlg.h"
#include "partprog/ui/FaceView.h"
#include "partprog/ui/GuardedCommand.h"
#include "partprog/ui/PatternView.h"
#include "partprog/ui/RefDialog.h"
#include "partprog/ui/StencilDlg.h"
#include "partprog/ui/StencilListView.h"
#include "partprog/ui/TabView.h"
#include "partprog/ui/TriangDlg.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <span>
#include <vector>

namespace {

constexpr const char* kMaximize = "MaximizePattern";
constexpr const char* kPane = "PatternTabPane";
constexpr const char* kRect = "PatternView";
constexpr const char* kRetainSection = "Current Settings";
constexpr const char* kRetain = "Retain Part Programming Window Position";

} // namespace

CSplitterFrame::CSplitterFrame(CPartDoc& doc, DetailSettings& details, QWidget* parent)
    : QMainWindow(parent), doc_(doc), splitter_(new QSplitter(Qt::Vertical, this)),
      patternView_(new CPatternView(doc, details, splitter_)), tabView_(new CTabView(doc, details, splitter_))
{
    setObjectName("CSplitterFrame");
    setWindowTitle(fw::ToQString(doc.GetTitle()));
    splitter_->addWidget(patternView_);
    splitter_->addWidget(tabView_);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        panes_[i] = new QLabel(this);
        panes_[i]->setObjectName(QString::number(106 + int(i)));
        statusBar()->addPermanentWidget(panes_[i]);
    }
    patternView_->SetDialogRunner([this](CTriangDlg& dialog) { return RunDialog(dialog); });
    connect(patternView_, &CPatternView::PatternStatus, this, &CSplitterFrame::ShowPatternStatus);
    connect(tabView_, &CTabView::PageSelected, this, &CSplitterFrame::OnFaceViewCurrent);
    // A new tool leaves what is typed in the form as it is.
    connect(tabView_, &CTabView::CurrentToolChanged, this,
            [this](CFaceView* view) { patternView_->SetCurrentTool(view->GetTool()); });
    BuildCommands();
    tabView_->OnInitialUpdate();
    patternView_->OnUpdate(nullptr, 0, nullptr);
    UpdateCommands();
}

CSplitterFrame::~CSplitterFrame()
{
    if (stencilList_)
        delete stencilList_.data();
}

void CSplitterFrame::CloseFrameOf(QWidget* child)
{
    QWidget* widget = child;
    while (widget && !qobject_cast<CSplitterFrame*>(widget))
        widget = widget->parentWidget();
    auto* frame = static_cast<CSplitterFrame*>(widget);
    QWidget& host = frame ? frame->Host() : *child->window();
    if (auto* view = dynamic_cast<fw::View*>(child))
        fw::CloseViewFrame(*view, host);
    else
        host.close();
}

QWidget& CSplitterFrame::Host() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w))
            return *w;
    return parentWidget() ? *window() : const_cast<CSplitterFrame&>(*this);
}

CFaceView* CSplitterFrame::CurrentFaceView() const { return current_; }

CStencilListView* CSplitterFrame::StencilList() const { return stencilList_; }

QAction* CSplitterFrame::Action(int command) const
{
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CSplitterFrame::AddRoute(int command, const char* text, const char* tip, Route route)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(command));
    action->setToolTip(tip);
    action->setStatusTip(tip);
    connect(action, &QAction::triggered, this, [this, command] { Execute(command); });
    actions_[command] = action;
    routes_[command] = std::move(route);
}

void CSplitterFrame::BuildCommands()
{
    const auto face = [this](auto method) {
        return Route{[this, method] { if (current_) method(*current_); }, [this] { return bool(current_); }};
    };
    const auto plane = [&](int command) { return face([command](CFaceView& v) { v.ApplyRefPlaneCommand(command); }); };
    const auto isPlate = [this] { return doc_.GetPartShape() && doc_.GetPartShape()->GetDesctp() == "PL"; };
    const auto hasPatterns = [this] { return patternView_->Editor().HasPatterns(); };
    const auto never = [] { return false; };

    AddRoute(ID_FILE_SAVE, "&Save", "Save", {[] {}, never});
    AddRoute(ID_FILE_SAVE_NEW, "Save/New", "Save/New", {[] {}, never});
    AddRoute(ID_FILE_SAVE_AS, "Save &As...", "Save As", {[] {}, never});
    AddRoute(ID_CUSTOMIZE, "Customize", "Custom Reference Plane", {[this] { CustomPlane(); }, [this] { return bool(current_); }});
    AddRoute(ID_ROTATE_DEGREES, "Rotate (Degrees)", "Rotate Degrees", {[this] { RotateDegrees(); }, [this] { return bool(current_); }});
    AddRoute(ID_HORIZONTAL, "Horizontal", "Horizontal", plane(planeHorizontal));
    AddRoute(ID_TOP, "Top", "Top Down", plane(planeTop));
    AddRoute(ID_BOTTOM, "Bottom", "Bottom Up", plane(planeBottom));
    AddRoute(ID_CENTER, "Center", "Center Out", plane(planeCenter));
    AddRoute(ID_START, "Start", "Left", plane(planeStart));
    AddRoute(ID_END, "End", "Right", plane(planeEnd));
    AddRoute(ID_CENTERED_DOWN, "Centered Down", "Vertical Down", plane(planeCenteredDown));
    AddRoute(ID_CENTERED_UP, "Centered Up", "Vertical Up", plane(planeCenteredUp));
    AddRoute(ID_ADD_X, "Add X", "Add X", {[this] { AddX(); }, [this] { return bool(current_); }});
    AddRoute(ID_CYCLE_TYPE, "Cycle Pattern Type", "Pattern Type", plane(planeCycleType));
    AddRoute(ID_MIRROR, "Mirror", "Mirror", {[this] { patternView_->Mirror(); }, hasPatterns});
    AddRoute(ID_FACE_COPY, "Face Copy", "Face Copy",
             {[this] { patternView_->FaceCopy(); }, [this] { return current_ && current_->CanFaceCopy(); }});
    AddRoute(ID_TRIANGULATE, "Triangulate", "Triangulate",
             {[this] { patternView_->Triangulate(); }, [this] { return patternView_->CanTriangulate(); }});
    AddRoute(ID_CHOOSE_TOOL, "Choose Tool", "Tool", face([](CFaceView& v) { v.ChooseTool(); }));
    AddRoute(ID_CHOOSE_GLOBAL_TOOL, "Choose Global Tool", "Global Tool",
             {[this] { ChooseGlobalTool(); }, [this] { return tabView_->GetPageCount() > 0; }});
    AddRoute(ID_COPY_TOOL, "Copy Tool to Pattern", "Copy Tool", {[this] { patternView_->CopyTool(); }, hasPatterns});
    AddRoute(ID_STENCIL, "Stencil", "Stencil", {[this] { NewStencil(); }, [this] { return bool(doc_.GetPartShape()); }});
    AddRoute(ID_STENCIL_LIST, "Stencil List", "Stencil List", {[this] { OpenStencilList(); }, [this] { return bool(doc_.GetPartShape()); }});
    AddRoute(ID_FLIP, "Flip", "Flip On Unit Axis", {[this] { patternView_->Flip(); }, isPlate});
    AddRoute(ID_FLOP, "Flop", "Roll On X Axis", {[this] { patternView_->Flop(); }, isPlate});
    AddRoute(ID_ROTATE, "Rotate", "Rotate", {[this] { patternView_->Rotate(); }, isPlate});
    AddRoute(ID_DELETE_PATTERN, "Delete Pattern", "Delete Pattern", {[this] { patternView_->Delete(); }, hasPatterns});
    AddRoute(ID_VIEW_PATTERN_WINDOW, "&Pattern Window", "Pattern Window",
             {[this] { ActivatePane(*patternView_); }, [] { return true; }});
    AddRoute(ID_VIEW_MATERIAL_WINDOW, "&Material Window", "Material Window", {[this] {
                 CFaceView* page = tabView_->GetPage(tabView_->GetCurrentPage());
                 ActivatePane(page ? static_cast<QWidget&>(*page) : *tabView_);
             }, [] { return true; }});

    QToolBar* toolBar = addToolBar("Programming Tools");
    toolBar->setObjectName("Programming Tools");
    const int order[] = {ID_FILE_SAVE, ID_FILE_SAVE_NEW, 0, ID_CUSTOMIZE, ID_ROTATE_DEGREES, ID_HORIZONTAL, ID_TOP,
                         ID_BOTTOM, ID_CENTER, ID_START, ID_END, ID_CENTERED_DOWN, ID_CENTERED_UP, ID_ADD_X,
                         ID_CYCLE_TYPE, 0, ID_MIRROR, ID_FACE_COPY, ID_TRIANGULATE, 0, ID_CHOOSE_TOOL,
                         ID_CHOOSE_GLOBAL_TOOL, ID_COPY_TOOL, 0, ID_STENCIL, ID_STENCIL_LIST, ID_FLIP, ID_FLOP, ID_ROTATE};
    for (const int command : order) {
        if (command == 0) {
            toolBar->addSeparator();
            toolBarActions_.push_back(nullptr);
        } else {
            toolBar->addAction(actions_.at(command));
            toolBarActions_.push_back(actions_.at(command));
        }
    }
    BuildMenus();
}

void CSplitterFrame::BuildMenus()
{
    constexpr int separator = 0;
    constexpr int planeMenu = -1;
    struct MenuItems {
        const char* title;
        std::vector<int> commands;
    };
    const MenuItems menus[] = {
        {"&Edit", {ID_DELETE_PATTERN, ID_MIRROR, ID_FACE_COPY, separator, ID_STENCIL}},
        {"&View", {ID_VIEW_MATERIAL_WINDOW, ID_VIEW_PATTERN_WINDOW, ID_STENCIL_LIST}},
        {"&Tools", {ID_CHOOSE_TOOL, ID_CHOOSE_GLOBAL_TOOL, ID_COPY_TOOL, separator, planeMenu, separator,
                    ID_TRIANGULATE, ID_FLIP, ID_FLOP, ID_ROTATE}},
    };
    const int planeCommands[] = {ID_TOP, ID_BOTTOM, ID_CENTER, ID_START, ID_END, ID_CENTERED_DOWN, ID_CENTERED_UP,
                                 ID_CYCLE_TYPE, ID_HORIZONTAL, separator, ID_CUSTOMIZE, ID_ROTATE_DEGREES, ID_ADD_X};
    const auto fill = [this, &planeCommands](QMenu& menu, std::span<const int> commands) {
        for (const int command : commands) {
            if (command == separator) {
                menu.addSeparator();
            } else if (command == planeMenu) {
                QMenu* plane = menu.addMenu("Reference &Plane");
                for (const int planeCommand : planeCommands) {
                    if (planeCommand == separator)
                        plane->addSeparator();
                    else
                        plane->addAction(actions_.at(planeCommand));
                }
            } else {
                menu.addAction(actions_.at(command));
            }
        }
    };
    for (const MenuItems& items : menus) {
        auto* menu = new QMenu(items.title, this);
        menu->setObjectName(fw::kChildMenuName);
        fill(*menu, items.commands);
        connect(menu, &QMenu::aboutToShow, this, &CSplitterFrame::UpdateCommands);
        menus_.push_back(menu);
    }
}

void CSplitterFrame::ActivatePane(QWidget& pane)
{
    QWidget* target = (pane.focusPolicy() & Qt::TabFocus) ? &pane : pane.focusWidget();
    for (QWidget* w = pane.nextInFocusChain(); !target && w && w != &pane; w = w->nextInFocusChain())
        if (pane.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(&pane))
            target = w;
    (target ? target : &pane)->setFocus(Qt::OtherFocusReason);
}

bool CSplitterFrame::Execute(int command)
{
    const auto found = routes_.find(command);
    if (found == routes_.end() || !found->second.enabled())
        return false;
    RunGuarded("CSplitterFrame::OnCmdMsg", found->second.run);
    UpdateCommands();
    return true;
}

void CSplitterFrame::UpdateCommands()
{
    for (const auto& [command, route] : routes_)
        actions_.at(command)->setEnabled(route.enabled());
}

int CSplitterFrame::RunDialog(QDialog& dialog) { return runDialog_ ? runDialog_(dialog) : dialog.exec(); }

void CSplitterFrame::OnFaceViewCurrent(CFaceView* view)
{
    if (!view)
        return;
    patternView_->SetCurrentTool(view->GetTool());
    patternView_->SetCurrentFaceList(view->GetPatternList());
    patternView_->SetCurrentRefPlane(&view->GetRefPlane());
    current_ = view;
    UpdateCommands();
}

void CSplitterFrame::ShowPatternStatus(const CPattern* pattern)
{
    const std::array<std::string, 6> texts = PatternStatusTexts(pattern);
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        const QString text = fw::ToQString(texts[i]);
        panes_[i]->setText(text);
        panes_[i]->setHidden(text.isEmpty());
    }
    UpdateCommands();
}

void CSplitterFrame::ChooseGlobalTool()
{
    if (!current_)
        OnFaceViewCurrent(tabView_->GetPage(0));
    if (!current_)
        return;
    current_->ChooseTool();
    const CPartTool* tool = current_->GetTool();
    if (!tool)
        return;
    // The others take a copy of the tool itself: a tool without a file of its short name (the
    // default tool) reaches them all the same.
    for (int i = 0; i < tabView_->GetPageCount(); ++i)
        if (CFaceView* page = tabView_->GetPage(i); page != current_)
            page->SetFaceTool(*tool);
}

void CSplitterFrame::NewStencil()
{
    CStencilDlg dialog(this);
    dialog.SetMeasuringSystem(doc_.GetMeasuringSystem());
    if (RunDialog(dialog) != QDialog::Accepted)
        return;
    auto mark = std::make_unique<CStencilPattern>(dialog.GetX(), dialog.GetU(), dialog.GetText(), doc_.GetMeasuringSystem());
    if (doc_.AddStencil(mark))
        doc_.UpdateAllViews(nullptr);
}

void CSplitterFrame::OpenStencilList()
{
    if (stencilList_) {
        stencilList_->raise();
        return;
    }
    auto* list = new CStencilListView(this);
    list->setWindowFlag(Qt::Window);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->setWindowTitle("Stencil List");
    doc_.AddView(list);
    list->OnInitialUpdate();
    connect(list, &CStencilListView::NewStencilRequested, this, [this] { Execute(ID_STENCIL); });
    list->resize(list->ColumnsWidth() + 4, list->header()->height() + 10 * list->fontMetrics().height() + 8);
    stencilList_ = list;
    list->show();
}

void CSplitterFrame::RotateDegrees()
{
    CAngleDlg dialog(this);
    dialog.SetTitle("Rotate Degrees");
    if (current_ && RunDialog(dialog) == QDialog::Accepted)
        current_->RotatePlane(dialog.GetAngle(), dialog.GetDirection() == CAngleDlg::counterClockwise);
}

void CSplitterFrame::CustomPlane()
{
    if (!current_)
        return;
    CRefPlane& plane = current_->GetRefPlane();
    CRefDialog dialog(this);
    CRefDialog::Values& v = dialog.GetValues();
    v = {plane.GetStartX().GetValue(), plane.GetStartU().GetValue(), plane.GetRise().GetValue(),
         plane.GetRun().GetValue(), plane.GetXDirection() == '-', plane.GetUDirection() == '-',
         plane.GetPatternType() == 'B' ? 1 : plane.GetPatternType() == 'C' ? 2 : 0, doc_.GetMeasuringSystem()};
    if (RunDialog(dialog) != QDialog::Accepted)
        return;
    plane.SetFromDialog(v.startX, v.startU, v.xDirection, v.uDirection, v.rise, v.run, v.patternType);
    current_->viewport()->update();
}

void CSplitterFrame::AddX()
{
    CDimDlg dialog(this);
    dialog.SetTitle("AddX");
    dialog.SetMeasuringSystem(doc_.GetMeasuringSystem());
    if (current_ && RunDialog(dialog) == QDialog::Accepted)
        current_->AddX(dialog.GetLength());
}

void CSplitterFrame::SaveLayout() const
{
    fw::Profile& profile = fw::AppProfile();
    const QWidget& host = Host();
    profile.WriteProfileInt(kLayoutSection, kMaximize, host.isMaximized() ? 1 : 0);
    profile.WriteProfileInt(kLayoutSection, kPane, splitter_->sizes().value(0));
    const QRect r = host.isMaximized() ? host.normalGeometry() : host.geometry();
    profile.WriteProfileString(kLayoutSection, kRect, FormatWindowRect({r.left(), r.top(), r.right() + 1, r.bottom() + 1}));
}

void CSplitterFrame::RestoreLayout()
{
    fw::Profile& profile = fw::AppProfile();
    const auto rect = profile.GetProfileInt(kRetainSection, kRetain, 0) == 1
                          ? ParseWindowRect(profile.GetProfileString(kLayoutSection, kRect, ""))
                          : std::nullopt;
    if (rect) {
        Host().setGeometry(rect->left, rect->top, rect->Width(), rect->Height());
        const int top = std::clamp(profile.GetProfileInt(kLayoutSection, kPane, patternView_->sizeHint().height()), 0,
                                   rect->Height());
        splitter_->setSizes({top, rect->Height() - top});
    }
    if (profile.GetProfileInt(kLayoutSection, kMaximize, 1) != 0)
        Host().showMaximized();
}

void CSplitterFrame::OnClose()
{
    SaveLayout();
    doc_.EnableKeyFields();
}
