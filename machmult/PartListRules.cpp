#include "machmult/PartListRules.h"

#include "machmult/PartDragPayload.h"

#include <cctype>
#include <cmath>

namespace {

enum class Column { key, length, quantity, offset, used, fit, fabCode };

// The columns of each list, in order.
constexpr Column kMultColumns[] = {Column::key, Column::length, Column::quantity, Column::offset, Column::fabCode};
constexpr Column kPotentialColumns[] = {Column::key,  Column::length, Column::quantity,
                                        Column::used, Column::fit,    Column::fabCode};

std::optional<Column> ColumnOf(PartListKind kind, int column)
{
    const auto pick = [column](const auto& columns) -> std::optional<Column> {
        if (column < 0 || column >= int(std::size(columns)))
            return std::nullopt;
        return columns[column];
    };
    return kind == PartListKind::mult ? pick(kMultColumns) : pick(kPotentialColumns);
}

int CompareNoCase(const std::string& a, const std::string& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int ca = std::toupper(static_cast<unsigned char>(a[i]));
        const int cb = std::toupper(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

template <class T> int Compare(T a, T b) { return a < b ? -1 : b < a ? 1 : 0; }

// The whole sixteenths of an inch of a length.
double Sixteenths(const CMultPart& part) { return std::floor(part.GetLength().GetValue() * 16.0); }

} // namespace

PartListFormats FormatsOf(PartListKind kind)
{
    if (kind == PartListKind::mult)
        return {kRemoveFromMultFormat, kAddToMultFormat, true};
    return {kAddToMultFormat, kRemoveFromMultFormat, false};
}

DragEffect DragFeedback(PartListKind, bool hasAccepted, bool hasOwn, bool shift, bool ctrl)
{
    if (hasAccepted)
        return shift ? DragEffect::move : DragEffect::none;
    if (hasOwn)
        return ctrl ? DragEffect::none : DragEffect::move;
    return DragEffect::none;
}

std::optional<PartDropMode> DropModeOf(PartListKind kind, bool hasAccepted, bool hasOwn)
{
    if (hasAccepted)
        return dropFromOtherList;
    if (hasOwn && FormatsOf(kind).ownDrops)
        return dropWithinList;
    return std::nullopt;
}

const char* ColumnHeadings(PartListKind kind)
{
    return kind == PartListKind::mult ? "Part Mark,Part Length,Quantity,  Part Offset  ,Fabrication Code"
                                      : "Part Mark,Part Length,Total Quantity,Quantity Used,Quantity Fit,Fabrication Code";
}

int ColumnCount(PartListKind kind)
{
    return kind == PartListKind::mult ? int(std::size(kMultColumns)) : int(std::size(kPotentialColumns));
}

std::string ColumnText(PartListKind kind, int column, const CMultPart& part)
{
    const std::optional<Column> which = ColumnOf(kind, column);
    if (!which)
        return {};
    switch (*which) {
    case Column::key: return part.GetKeyText();
    case Column::length: return part.GetLength().GetText();
    case Column::quantity: return std::to_string(part.GetQuantity());
    case Column::offset: return part.GetPartOffset().GetText();
    case Column::used: return std::to_string(part.GetQuantityUsed());
    case Column::fit: return std::to_string(part.GetQuantityFit());
    case Column::fabCode: return part.GetHeader().fabCode;
    }
    return {};
}

bool SortsOnHeaderClick(PartListKind kind) { return kind == PartListKind::potential; }

int CompareParts(PartListKind kind, int column, const CMultPart& a, const CMultPart& b)
{
    const std::optional<Column> which = ColumnOf(kind, column);
    if (!which)
        return 0;
    switch (*which) {
    case Column::key: return CompareNoCase(a.GetHeader().mark, b.GetHeader().mark);
    case Column::length: return Compare(Sixteenths(a), Sixteenths(b));
    case Column::quantity: return Compare(a.GetQuantity(), b.GetQuantity());
    case Column::offset: return Compare(a.GetPartOffset().GetValue(), b.GetPartOffset().GetValue());
    case Column::used: return Compare(a.GetQuantityUsed(), b.GetQuantityUsed());
    case Column::fit: return Compare(a.GetQuantityFit(), b.GetQuantityFit());
    case Column::fabCode: return CompareNoCase(a.GetHeader().fabCode, b.GetHeader().fabCode);
    }
    return 0;
}
