#include "machmult/ui/AutoMultShapeListView.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "machmult/ui/AMultStockInfoDlg.h"
#include "machmult/ui/AmultStatusDlg.h"
#include "machmult/ui/AutoMultHost.h"
#include "machmult/ui/AutoMultLists.h"
#include "machmult/ui/AutoMultPartListView.h"
#include "machmult/ui/AutoMultRun.h"
#include "machmult/ui/CommandGuard.h"
#include "machmult/ui/ModalRunner.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QTimer>

namespace {

constexpr const char* kShapeHeadings = "Stock Shape,Stock Grade,Machine,Stock Length,Kerf";

CAutoMultShape* ChoiceOf(const QTreeWidgetItem& item)
{
    return static_cast<CAutoMultShape*>(item.data(0, Qt::UserRole).value<void*>());
}

// Rows sort by text ignoring case; lengths and kerfs within 1/16 inch as equal.
class ChoiceItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget()->sortColumn();
        const CAutoMultShape& a = *ChoiceOf(*this);
        const CAutoMultShape& b = *ChoiceOf(other);
        if (column == CAutoMultShapeListView::colLength)
            return machui::SixteenthsApart(a.GetStockLength().GetValue(), b.GetStockLength().GetValue()) < 0;
        if (column == CAutoMultShapeListView::colKerf)
            return machui::SixteenthsApart(a.GetKerf().GetValue(), b.GetKerf().GetValue()) < 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

CAutoMultShapeListView::CAutoMultShapeListView(std::unique_ptr<AutoMultJob> job, QWidget* parent)
    : QTreeWidget(parent), job_(std::move(job))
{
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAllColumnsShowFocus(true);
    columnsWidth_ = machui::AddColumns(*this, kShapeHeadings);
    for (const auto& choice : job_->GetChoices()) {
        auto* item = new ChoiceItem(this);
        item->setData(0, Qt::UserRole, QVariant::fromValue<void*>(choice.get()));
        ShowChoice(*item);
    }
    columnsWidth_ = machui::FitColumnsToTexts(*this);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) { sortItems(column, Qt::AscendingOrder); });

    AddCommand(ID_VIEW_PARTS, "View &Parts", "View a list of parts to mult with this shape", &CAutoMultShapeListView::OnViewParts,
               "CAutoMultShapeListView::OnViewParts");
    AddCommand(ID_EDIT_INFO, "&Edit Info", "Edits the Machine, Length and Kerf", &CAutoMultShapeListView::OnEditInfo,
               "CAutoMultShapeListView::OnEditInfo");
    AddCommand(ID_BEGIN_AUTOMULT, "&Begin Automulting", "Begin Automulting", &CAutoMultShapeListView::OnBeginAutomult,
               "CAutoMultShapeListView::OnBeginAutomult");
    AddCommand(ID_CANCEL_AUTOMULT, "&Cancel", "Dont Automult", &CAutoMultShapeListView::OnCancel,
               "CAutoMultShapeListView::OnCancel");
}

CAutoMultShapeListView::~CAutoMultShapeListView() { ClosePartWindows(); }

void CAutoMultShapeListView::AddCommand(unsigned id, const char* text, const char* prompt,
                                        void (CAutoMultShapeListView::*handler)(), const char* name)
{
    auto* action = new QAction(QString::fromLatin1(text), this);
    action->setStatusTip(QString::fromLatin1(prompt));
    action->setToolTip(QString::fromLatin1(prompt));
    connect(action, &QAction::triggered, this, [this, handler, name] { machui::RunGuarded(name, [this, handler] { (this->*handler)(); }); });
    commands_.emplace_back(id, action);
}

QAction* CAutoMultShapeListView::Command(unsigned id) const
{
    for (const auto& [commandId, action] : commands_)
        if (commandId == id)
            return action;
    return nullptr;
}

QList<QAction*> CAutoMultShapeListView::Commands() const
{
    QList<QAction*> actions;
    for (const auto& command : commands_)
        actions.append(command.second);
    return actions;
}

void CAutoMultShapeListView::SetEngine(std::shared_ptr<IAutoMultUi> ui, AutoMultJob::EngineFactory engine)
{
    engineUi_ = std::move(ui);
    engine_ = std::move(engine);
}

// --- Rows ----------------------------------------------------------------------------------------

void CAutoMultShapeListView::ShowChoice(QTreeWidgetItem& item) const
{
    const CAutoMultShape& choice = *ChoiceOf(item);
    const std::string shape = choice.GetShapeName();
    item.setText(colShape, fw::ToQString(shape.empty() ? choice.GetKey() : shape));
    item.setIcon(colShape, machui::ShapeKindIcon(choice.GetShapeKind(), !choice.IsSelected()));
    item.setText(colGrade, fw::ToQString(choice.GetGrade()));
    item.setText(colMachine, fw::ToQString(choice.GetMachineName()));
    item.setText(colLength, fw::ToQString(choice.GetStockLength().GetText()));
    item.setText(colKerf, fw::ToQString(choice.GetKerf().GetText()));
}

void CAutoMultShapeListView::Refresh()
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        ShowChoice(*topLevelItem(row));
}

CAutoMultShape* CAutoMultShapeListView::FirstSelected() const
{
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (topLevelItem(row)->isSelected())
            return ChoiceOf(*topLevelItem(row));
    return nullptr;
}

void CAutoMultShapeListView::SelectOnly(QTreeWidgetItem* item)
{
    clearSelection();
    setCurrentItem(item);
    item->setSelected(true);
}

void CAutoMultShapeListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Insert && event->key() != Qt::Key_Delete) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    for (QTreeWidgetItem* item : selectedItems())
        ChoiceOf(*item)->SetSelected(event->key() == Qt::Key_Insert);
    Refresh();
}

void CAutoMultShapeListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (!item)
        return;
    SelectOnly(item);
    QTimer::singleShot(0, Command(ID_EDIT_INFO), &QAction::trigger);
}

void CAutoMultShapeListView::contextMenuEvent(QContextMenuEvent* event)
{
    QTreeWidgetItem* item = itemAt(viewport()->mapFromGlobal(event->globalPos()));
    if (!item)
        return;
    activateWindow();
    SelectOnly(item);
    QMenu menu(this);
    menu.addAction(Command(ID_VIEW_PARTS));
    menu.addAction(Command(ID_EDIT_INFO));
    menu.exec(event->globalPos());
}

// --- Commands ------------------------------------------------------------------------------------

void CAutoMultShapeListView::OnViewParts()
{
    CAutoMultShape* choice = FirstSelected();
    if (!choice)
        return;
    auto* parts = new CAutoMultPartListView(choice->GetParts(), choice->GetShapeKind());
    const int rowHeight = parts->fontMetrics().height() + 4;
    const QSize size(parts->ColumnsWidth() + 2 * parts->frameWidth(), 10 * rowHeight + parts->header()->sizeHint().height());
    const std::string name = choice->GetShapeName().empty() ? choice->GetKey() : choice->GetShapeName();
    std::function<void()> close =
        machui::OpenAutoMultWindow(parts, fw::ToQString(name + " " + choice->GetGrade()), size, true);
    connect(parts, &CAutoMultPartListView::CloseRequested, this, [close] { close(); });
    partWindows_.emplace_back(parts, std::move(close));
}

std::vector<CAutoMultPartListView*> CAutoMultShapeListView::PartViews() const
{
    std::vector<CAutoMultPartListView*> views;
    for (const auto& window : partWindows_)
        if (window.first)
            views.push_back(window.first);
    return views;
}

void CAutoMultShapeListView::ClosePartWindows()
{
    for (auto& [view, close] : partWindows_)
        if (view)
            close();
    partWindows_.clear();
}

void CAutoMultShapeListView::OnEditInfo()
{
    CAutoMultShape* choice = FirstSelected();
    if (!choice)
        return;
    QTreeWidgetItem* item = currentItem() && currentItem()->isSelected() ? currentItem() : selectedItems().value(0);
    const QPoint at = item ? viewport()->mapToGlobal(visualItemRect(item).topLeft()) : QPoint();
    CAMultStockInfoDlg dialog(this, at.x(), at.y());
    dialog.SetValues({choice->GetMachineName(), choice->GetStockLength().GetValue(), choice->GetKerf().GetValue(),
                      choice->GetStockLength().GetUnits(), choice->GetKerf().GetUnits()});
    if (machui::RunModal(dialog) != QDialog::Accepted)
        return;
    const CAMultStockInfoDlg::Values& values = dialog.GetValues();
    choice->GetKerf().SetValue(values.kerf);
    choice->GetStockLength().SetValue(values.length);
    if (values.machine != choice->GetMachineName()) {
        LoadProblems problems;
        choice->LoadMachine(values.machine, problems);
        ReportLoadProblems(problems);
    }
    Refresh();
}

void CAutoMultShapeListView::OnBeginAutomult()
{
    if (!job_ || job_->GetChoices().IsEmpty()) {
        fw::ShowMessage(kShapeListEmpty, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    ClosePartWindows();
    auto run = std::make_unique<CAutoMultRun>(std::move(job_));
    CAutoMultRun& started = *run;
    const AutoMultHost& host = machui::GetAutoMultHost();
    auto* status = new CAmultStatusDlg(started, host.statusParent ? host.statusParent() : window());
    status->show();
    if (host.setJob) {
        host.setJob(std::move(run));
    } else {
        run.release()->setParent(status);   // no application: the job lives as long as its window
    }
    started.Begin(engineUi_, engine_);
    CloseWindow();
}

void CAutoMultShapeListView::OnCancel()
{
    ClosePartWindows();
    job_.reset();
    CloseWindow();
}

void CAutoMultShapeListView::CloseWindow()
{
    clear();
    if (close_)
        close_();
}
