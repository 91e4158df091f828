#include "partprog/ui/StencilListView.h"

#include "fw/core/StringTable.h"
#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "partprog/PartDoc.h"
#include "partprog/ui/StencilDlg.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>

#include <memory>

namespace {

// Takes the mark at pos out of the list, gives it the values and puts it back in its sorted
// place. When the list refuses it there, the mark goes back unchanged to where it was. The
// list's current position follows the mark. Returns whether the mark took the values.
bool Resort(CStencilPatternList& list, CStencilPatternList::Position pos, double x, double u, const std::string& text)
{
    const bool wasCurrent = list.GetCurrentPosition() == pos;
    CStencilPatternList::Position next = pos;
    list.GetNext(next);
    std::unique_ptr<CStencilPattern> mark = list.RemoveAt(pos);
    CStencilPattern before;
    before.CopyFrom(*mark);

    mark->Set(x, u, text);
    CStencilPatternList::Position placed = list.AddSorted(mark);
    const bool accepted = bool(placed);
    if (!accepted) {
        mark->CopyFrom(before);
        placed = next ? list.InsertBefore(next, std::move(mark)) : list.AddTail(std::move(mark));
    }
    if (wasCurrent)
        list.SetCurrentPosition(placed);
    return accepted;
}

} // namespace

CStencilListView::CStencilListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    // The selection looks the same whether or not the list has the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
    BuildColumns();
}

CStencilListView::~CStencilListView() { emit Closed(); }

void CStencilListView::BuildColumns()
{
    const QStringList captions =
        fw::ToQString(fw::StringTables::Get("VARNEX").Get(IDS_STENCIL_COLUMNS)).split(QLatin1Char(','));
    setColumnCount(int(captions.size()));
    setHeaderLabels(captions);
    for (int column = 0; column < captions.size(); ++column)
        setColumnWidth(column, fontMetrics().horizontalAdvance(captions[column]) + kColumnMargin);
}

int CStencilListView::ColumnsWidth() const
{
    int width = 0;
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    return width;
}

CPartDoc* CStencilListView::GetDocument() const { return dynamic_cast<CPartDoc*>(fw::View::GetDocument()); }

CStencilPatternList* CStencilListView::GetStencilList() const
{
    const CPartDoc* doc = GetDocument();
    CPartShape* shape = doc ? doc->GetPartShape() : nullptr;
    return shape ? &shape->GetStencilList() : nullptr;
}

CStencilPattern* CStencilListView::MarkAt(int row) const
{
    return row >= 0 && std::size_t(row) < marks_.size() ? marks_[std::size_t(row)] : nullptr;
}

void CStencilListView::OnUpdate(fw::View*, long, fw::Object*)
{
    clear();
    marks_.clear();
    CStencilPatternList* list = GetStencilList();
    if (!list)
        return;
    for (CStencilPattern& mark : *list) {
        new QTreeWidgetItem(this, {fw::ToQString(mark.GetX().GetText()), fw::ToQString(mark.GetU().GetText()),
                                   fw::ToQString(mark.GetText())});
        marks_.push_back(&mark);
    }
}

void CStencilListView::CloseFrame() { fw::CloseViewFrame(*this, *this); }

int CStencilListView::RunDialog(CStencilDlg& dialog) { return runDialog_ ? runDialog_(dialog) : dialog.exec(); }

void CStencilListView::Changed()
{
    if (CPartDoc* doc = GetDocument()) {
        doc->SetModifiedFlag();
        doc->UpdateAllViews(nullptr);
    }
}

void CStencilListView::EditMark(int row)
{
    // The row's mark is looked up in the list before it is used, and again after the dialog.
    const auto find = [this, mark = MarkAt(row)] {
        CStencilPatternList* list = GetStencilList();
        return std::pair{list, list && mark ? list->Find(mark) : CStencilPatternList::Position()};
    };
    auto [list, pos] = find();
    if (!pos)
        return;
    const CStencilPattern& mark = *list->GetAt(pos);
    CStencilDlg dialog(this);
    dialog.SetX(mark.GetX().GetValue());
    dialog.SetU(mark.GetU().GetValue());
    dialog.SetText(mark.GetText());
    if (RunDialog(dialog) != QDialog::Accepted)
        return;
    std::tie(list, pos) = find();
    if (pos && Resort(*list, pos, dialog.GetX(), dialog.GetU(), dialog.GetText()))
        Changed();
}

void CStencilListView::AddNewMark()
{
    if (!GetStencilList())
        return;
    CStencilDlg dialog(this);
    dialog.SetMeasuringSystem(GetDocument()->GetMeasuringSystem());
    if (RunDialog(dialog) != QDialog::Accepted)
        return;
    CPartDoc* doc = GetDocument();
    if (!doc)
        return;
    auto mark = std::make_unique<CStencilPattern>(dialog.GetX(), dialog.GetU(), dialog.GetText(),
                                                  doc->GetMeasuringSystem());
    if (doc->AddStencil(mark))
        doc->UpdateAllViews(nullptr);
}

void CStencilListView::DeleteSelectedMarks()
{
    CPartDoc* doc = GetDocument();
    CStencilPatternList* list = GetStencilList();
    if (!list)
        return;
    // Every selected mark is known before the first one goes.
    std::vector<CStencilPattern*> selected;
    for (QTreeWidgetItem* item : selectedItems())
        if (CStencilPattern* mark = MarkAt(indexOfTopLevelItem(item)))
            selected.push_back(mark);
    if (selected.empty())
        return;
    for (CStencilPattern* mark : selected)
        if (CStencilPatternList::Position pos = list->Find(mark))
            doc->DeleteStencil(pos);
    doc->UpdateAllViews(nullptr);
}

void CStencilListView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Delete) {
        QTreeWidget::keyReleaseEvent(event);
        return;
    }
    DeleteSelectedMarks();
}

void CStencilListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTreeWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
        EditMark(indexOfTopLevelItem(item));
        return;
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&CStencilListView::NewStencilRequested)))
        emit NewStencilRequested();
    else
        AddNewMark();
}
