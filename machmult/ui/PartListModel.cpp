#include "machmult/ui/PartListModel.h"

#include "fw/qt/QtText.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

#include <algorithm>
#include <unordered_set>

namespace machui {

namespace {

QByteArray ToBytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

std::vector<std::uint8_t> FromBytes(const QByteArray& bytes)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

PartListModel::PartListModel(PartListKind kind, QObject* parent)
    : QAbstractTableModel(parent), kind_(kind),
      headings_(fw::ToQString(ColumnHeadings(kind)).split(',')), identity_(FrameIdentity::New())
{
}

PartListModel::~PartListModel() = default;

void PartListModel::SetPartList(CPartList* list)
{
    beginResetModel();
    list_ = list;
    rows_.clear();
    endResetModel();
    Refill();
}

void PartListModel::Refill()
{
    std::vector<CMultPart*> parts;
    if (list_)
        for (CMultPart& part : *list_)
            parts.push_back(&part);
    // The mult's rows are its stock order. Elsewhere rows whose part is still there keep their
    // (sorted) place, and new parts follow in list order.
    std::vector<CMultPart*> rows;
    if (kind_ == PartListKind::mult) {
        rows = parts;
    } else {
        std::unordered_set<CMultPart*> left(parts.begin(), parts.end());
        for (CMultPart* part : rows_)
            if (left.erase(part))
                rows.push_back(part);
        for (CMultPart* part : parts)
            if (left.contains(part))
                rows.push_back(part);
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

CMultPart* PartListModel::PartAt(int row) const
{
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)] : nullptr;
}

int PartListModel::RowOf(const CMultPart* part) const
{
    const auto found = std::find(rows_.begin(), rows_.end(), part);
    return found == rows_.end() ? -1 : int(found - rows_.begin());
}

int PartListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int PartListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount(kind_); }

QVariant PartListModel::data(const QModelIndex& index, int role) const
{
    const CMultPart* part = PartAt(index.row());
    if (!part)
        return {};
    if (role == Qt::DisplayRole)
        return fw::ToQString(ColumnText(kind_, index.column(), *part));
    if (role == Qt::DecorationRole && index.column() == 0) {
        // A potential part whose tools do not fit the free stations shows a warning.
        const bool fits = kind_ == PartListKind::mult || part->GetToolsFit() != 0;
        return QApplication::style()->standardIcon(fits ? QStyle::SP_FileIcon : QStyle::SP_MessageBoxWarning);
    }
    return {};
}

QVariant PartListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headings_.size())
        return headings_[section];
    return {};
}

Qt::ItemFlags PartListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

void PartListModel::sort(int column, Qt::SortOrder order)
{
    if (!SortsOnHeaderClick(kind_))
        return;
    emit layoutAboutToBeChanged();
    std::stable_sort(rows_.begin(), rows_.end(), [this, column, order](const CMultPart* a, const CMultPart* b) {
        const int c = CompareParts(kind_, column, *a, *b);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    emit layoutChanged();
}

QStringList PartListModel::mimeTypes() const
{
    const PartListFormats formats = FormatsOf(kind_);
    return {formats.own, formats.accepted};
}

QMimeData* PartListModel::mimeData(const QModelIndexList& indexes) const
{
    std::vector<const CMultPart*> parts;
    if (list_)
        for (CMultPart& part : *list_) {
            const int row = RowOf(&part);
            const bool chosen = std::any_of(indexes.begin(), indexes.end(), [row](const QModelIndex& i) { return i.row() == row; });
            if (chosen)
                parts.push_back(&part);
        }
    if (parts.empty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(FormatsOf(kind_).own, ToBytes(WritePartPayload(identity_, parts)));
    return data;
}

std::optional<PartDropMode> PartListModel::ModeOf(const QMimeData& data) const
{
    const PartListFormats formats = FormatsOf(kind_);
    return DropModeOf(kind_, data.hasFormat(formats.accepted), data.hasFormat(formats.own));
}

bool PartListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return data && ModeOf(*data);
}

bool PartListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int, const QModelIndex& parent)
{
    if (!data)
        return false;
    const std::optional<PartDropMode> mode = ModeOf(*data);
    if (!mode)
        return false;
    return DropParts(*data, *mode, row >= 0 ? row : parent.isValid() ? parent.row() : -1);
}

bool PartListModel::DropParts(const QMimeData& data, PartDropMode mode, int row)
{
    if (!ModeOf(data) || (mode == dropWithinList && !FormatsOf(kind_).ownDrops))
        return false;
    const PartListFormats formats = FormatsOf(kind_);
    const char* format = mode == dropWithinList ? formats.own : formats.accepted;
    if (!data.hasFormat(format))
        return false;
    std::optional<std::vector<std::unique_ptr<CMultPart>>> parts = ReadPartPayload(FromBytes(data.data(format)), identity_);
    if (!parts)
        return false;
    // The row of the sorted view names a place in the list itself.
    const CMultPart* at = PartAt(row);
    const int position = at && list_ ? list_->IndexOf(list_->Find(at)) : -1;
    if (dropHandler_)
        dropHandler_(*parts, mode, position);
    return true;
}

} // namespace machui
