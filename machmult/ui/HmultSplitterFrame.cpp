#include "machmult/ui/HmultSplitterFrame.h"

#include "fw/core/AppProfile.h"
#include "fw/qt/QtText.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/CommandGuard.h"
#include "machmult/ui/HandMultSetupDlg.h"
#include "machmult/ui/HandMultView.h"
#include "machmult/ui/ModalRunner.h"
#include "machmult/ui/PartListView.h"
#include "partprog/ui/PartQntDlg.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QStringList>
#include <QToolBar>

#include <array>

namespace machui {

namespace {

constexpr const char* kPane = "Hmult split pane";
constexpr const char* kRow = "Hmult Split Row";
constexpr const char* kRect = "HMultView";
constexpr const char* kRetainSection = "Current Settings";
constexpr const char* kRetain = "Retain Hand Mult Window Position";

HandMultSession::CopyQuestion& CopyQuestionSlot()
{
    static HandMultSession::CopyQuestion ask;
    return ask;
}

// "left,top,width,height" with a width and height above 0.
std::optional<QRect> ParseRect(const std::string& text)
{
    const QStringList parts = fw::ToQString(text).split(',');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        bool ok = false;
        values[i] = parts[qsizetype(i)].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

} // namespace

void CHmultSplitterFrame::SetCopyQuestion(HandMultSession::CopyQuestion ask) { CopyQuestionSlot() = std::move(ask); }

CHmultSplitterFrame::CHmultSplitterFrame(CMultDoc& doc, QWidget* parent)
    : QMainWindow(parent), doc_(doc), session_(std::make_unique<HandMultSession>(doc)),
      outer_(new QSplitter(Qt::Horizontal, this)), inner_(new QSplitter(Qt::Vertical)),
      handMultView_(new CHandMultView(doc, outer_)), potentialView_(new CPotentialPartListView(inner_)),
      multView_(new CMultPartListView(inner_))
{
    setObjectName("CHmultSplitterFrame");
    setWindowTitle(fw::ToQString(doc.GetTitle()));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    outer_->addWidget(handMultView_);
    outer_->addWidget(inner_);
    setCentralWidget(outer_);

    // One identity for both lists: parts travel between them and nowhere else.
    const FrameIdentity identity = FrameIdentity::New();
    const auto attach = [&](CPartListView& view, CPartList* list, PartListKind kind) {
        view.Model().SetFrameIdentity(identity);
        view.Model().SetDropHandler([this, kind](std::vector<std::unique_ptr<CMultPart>>& parts, PartDropMode mode,
                                                 int position) { DropParts(parts, mode, position, kind); });
        view.SetPartList(list);
        doc_.AddView(&view);
    };
    attach(*potentialView_, &session_->GetPotentialList(), PartListKind::potential);
    attach(*multView_, &doc.GetParts(), PartListKind::mult);

    QToolBar* toolBar = addToolBar("Hand Mult Tools");
    toolBar->setObjectName("Hand Mult Tools");
    toolBar->setIconSize(QSize(32, 32));
    AddCommand(ID_FILE_SAVE, "&Save", &CHmultSplitterFrame::OnFileSave, "CHmultSplitterFrame::OnFileSave");
    AddCommand(ID_FILE_SAVE_NEW, "Save/New", &CHmultSplitterFrame::OnFileSaveNew, "CHmultSplitterFrame::OnFileSaveNew");
    for (const int command : {ID_FILE_SAVE, ID_FILE_SAVE_NEW})
        toolBar->addAction(actions_.at(command));
    QAction* save = actions_.at(ID_FILE_SAVE);
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(save);

    // Both columns as wide as the form, the lists halving its height.
    const QSize form = handMultView_->sizeHint();
    outer_->setSizes({form.width(), form.width()});
    inner_->setSizes({form.height() / 2, form.height() / 2});
    resize(2 * form.width() + outer_->handleWidth(), form.height() + toolBar->sizeHint().height());
    handMultView_->OnInitialUpdate();
}

CHmultSplitterFrame::~CHmultSplitterFrame()
{
    // The lists go before the potential parts they show.
    delete outer_;
}

QAction* CHmultSplitterFrame::Action(int command) const
{
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CHmultSplitterFrame::AddCommand(int command, const char* text, void (CHmultSplitterFrame::*handler)(),
                                     const char* name)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(command));
    action->setToolTip(QString(text).remove('&'));
    connect(action, &QAction::triggered, this, [this, handler, name] { RunGuarded(name, [this, handler] { (this->*handler)(); }); });
    actions_[command] = action;
}

void CHmultSplitterFrame::Start()
{
    CHandMultSetupDlg setup(this);
    if (RunModal(setup) == QDialog::Accepted) {
        const HandMultSession::CopyQuestion& ask = CopyQuestionSlot();
        session_->FillPotentialList(setup.GetPartSource(), [&ask](const std::string& message) {
            return ask ? ask(message) : HandMultSession::CopyAnswer::no;
        });
    }
    session_->TakeMultParts();
    doc_.UpdateAllViews(nullptr);
}

std::optional<std::uint32_t> CHmultSplitterFrame::AskQuantity(const std::string& label, std::uint32_t proposal)
{
    CPartQntDlg dialog(this, 0, 0);
    dialog.SetLabel(label);
    dialog.SetQuantity(proposal);
    if (RunModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetQuantity();
}

void CHmultSplitterFrame::DropParts(std::vector<std::unique_ptr<CMultPart>>& parts, PartDropMode mode, int position,
                                   PartListKind target)
{
    session_->DropParts(parts, mode, position, target,
                        [this](const std::string& label, std::uint32_t proposal) { return AskQuantity(label, proposal); });
}

void CHmultSplitterFrame::OnFileSave() { doc_.OnFileSave(); }

void CHmultSplitterFrame::OnFileSaveNew()
{
    if (session_->SaveNew())
        setWindowTitle(fw::ToQString(doc_.GetTitle()));
}

QWidget& CHmultSplitterFrame::Host() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w))
            return *w;
    return const_cast<CHmultSplitterFrame&>(*this);
}

void CHmultSplitterFrame::SaveLayout() const
{
    fw::Profile& profile = fw::AppProfile();
    const QWidget& host = Host();
    profile.WriteProfileInt(kLayoutSection, kPane, outer_->sizes().value(0));
    profile.WriteProfileInt(kLayoutSection, kRow, inner_->sizes().value(0));
    const QRect r = host.isMaximized() || host.isMinimized() ? host.normalGeometry() : host.geometry();
    profile.WriteProfileString(kLayoutSection, kRect,
                               std::to_string(r.left()) + "," + std::to_string(r.top()) + "," +
                                   std::to_string(r.width()) + "," + std::to_string(r.height()));
}

void CHmultSplitterFrame::RestoreLayout()
{
    fw::Profile& profile = fw::AppProfile();
    if (profile.GetProfileInt(kRetainSection, kRetain, 0) != 1)
        return;
    const std::optional<QRect> rect = ParseRect(profile.GetProfileString(kLayoutSection, kRect, ""));
    if (!rect)
        return;
    Host().setGeometry(*rect);
    const QSize form = handMultView_->sizeHint();
    const int pane = std::clamp(profile.GetProfileInt(kLayoutSection, kPane, form.width()), 0, rect->width());
    const int row = std::clamp(profile.GetProfileInt(kLayoutSection, kRow, form.height()), 0, rect->height());
    outer_->setSizes({pane, rect->width() - pane});
    inner_->setSizes({row, rect->height() - row});
}

void CHmultSplitterFrame::OnClose() { SaveLayout(); }

} // namespace machui
