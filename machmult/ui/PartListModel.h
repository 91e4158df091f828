#pragma once
// A part list of the hand-mult window as a Qt table model: one row per part, the columns of the
// list's kind, sorting by a column where the list sorts, and the parts of chosen rows as drag or
// clipboard data in the list's own format. Data dropped or pasted on it goes, as parts, to the
// drop handler (the window decides what moves).
//
// The rows follow the list: Refill takes new parts in (at the end) and drops parts that left,
// keeping the order the user sorted the rows in.

#include "machmult/PartDragPayload.h"
#include "machmult/PartList.h"
#include "machmult/PartListRules.h"

#include <QAbstractTableModel>

#include <functional>
#include <memory>
#include <vector>

namespace machui {

class PartListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using DropHandler = std::function<void(std::vector<std::unique_ptr<CMultPart>>& parts, PartDropMode mode, int row)>;

    PartListModel(PartListKind kind, QObject* parent = nullptr);
    ~PartListModel() override;

    PartListKind Kind() const { return kind_; }
    // The list shown (not owned; none empties the model).
    void SetPartList(CPartList* list);
    CPartList* GetPartList() const { return list_; }
    // The window the list's drags name, and the only one whose data it takes.
    void SetFrameIdentity(const FrameIdentity& identity) { identity_ = identity; }
    void SetDropHandler(DropHandler handler) { dropHandler_ = std::move(handler); }

    // Rows for the parts now in the list; every row shown again.
    void Refill();
    CMultPart* PartAt(int row) const;
    int RowOf(const CMultPart* part) const;

    // Parts dropped or pasted: the data of the mode's format is read and handed to the drop
    // handler with the row (-1: the end). False when the data is not the list's, not of this
    // window, or malformed.
    bool DropParts(const QMimeData& data, PartDropMode mode, int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QStringList mimeTypes() const override;
    // The parts of the rows, in list order, in the list's own format.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // The drop path of the views: the other list's parts (mode 0) or its own (mode 1), before the
    // row (or the parent's row), at the end when neither.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    std::optional<PartDropMode> ModeOf(const QMimeData& data) const;

    PartListKind kind_;
    CPartList* list_ = nullptr;
    std::vector<CMultPart*> rows_;
    QStringList headings_;
    FrameIdentity identity_;
    DropHandler dropHandler_;
};

} // namespace machui
