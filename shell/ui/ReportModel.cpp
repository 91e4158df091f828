#include "shell/ui/ReportModel.h"

#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

#include <set>

namespace {

QVariant Alignment(bool centred)
{
    return ((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter).toInt();
}

} // namespace

void ReportModel::Fill(ReportKind kind, std::string folder, std::vector<ReportRow> rows)
{
    beginResetModel();
    kind_ = kind;
    folder_ = std::move(folder);
    rows_ = std::move(rows);
    endResetModel();
}

void ReportModel::SortBy(int column, bool ascending)
{
    beginResetModel();
    SortReportRows(rows_, kind_, column, ascending);
    endResetModel();
}

std::string ReportModel::PathOf(int row) const
{
    return fw::WinPath::Join(folder_, Row(row).name);
}

int ReportModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ReportModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(ReportColumns(kind_).size());
}

QVariant ReportModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ReportRow& row = Row(index.row());
    const std::size_t column = std::size_t(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return column < row.texts.size() ? fw::ToQString(row.texts[column]) : QVariant();
    case Qt::TextAlignmentRole:
        return Alignment(ReportColumns(kind_).at(column).centred);
    case Qt::DecorationRole:
        if (column != 0)
            return {};
        if (kind_ == ReportKind::files && row.icon == 0 && row.texts[1].empty())
            return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
        return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    default:
        return {};
    }
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const ReportColumn& column = ReportColumns(kind_)[std::size_t(section)];
    if (role == Qt::DisplayRole)
        return QString::fromLatin1(column.title);
    if (role == Qt::TextAlignmentRole)
        return Alignment(column.centred);
    return {};
}

Qt::ItemFlags ReportModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!ReportDragFormat(ClassifyReportPath(PathOf(index.row()), folders_)).empty())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList ReportModel::mimeTypes() const
{
    return {QStringLiteral("BRAXPartListCF"), QStringLiteral("BRAXMultListCF"), QStringLiteral("BRAXJobListCF"),
            QStringLiteral("BRAXGroupListCF")};
}

QMimeData* ReportModel::mimeData(const QModelIndexList& indexes) const
{
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    if (rows.empty())
        return nullptr;
    // The rows go in the format of the first; rows of another kind are left out.
    const std::string format = ReportDragFormat(ClassifyReportPath(PathOf(*rows.begin()), folders_));
    if (format.empty())
        return nullptr;
    std::string list;
    for (int row : rows)
        if (ReportDragFormat(ClassifyReportPath(PathOf(row), folders_)) == format)
            list += PathOf(row) + "|";
    auto* mime = new QMimeData;
    mime->setData(QString::fromStdString(format), QByteArray(list.data(), qsizetype(list.size())));
    return mime;
}
