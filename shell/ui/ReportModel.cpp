#include "shell/ui/ReportModel.h"

#include "fw/core/PathListFormats.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"
#include "navigator/ui/ItemIcons.h"

#include <QApplication>
#include <QMimeData>
#include <QStyle>

#include <set>

namespace {

// The navigator's icon of a report row: a part or mult header row, or a file by its extension
// (ReportFileIcon: .prt 1, .mlt 2, .shp 3, .mch 4, .tl 5); other files the style's, folders a folder.
QIcon IconOf(ReportKind kind, const ReportRow& row)
{
    enum : int { part = 3, mult = 4, shape = 5, tool = 6, machine = 7, folder = 12 };
    static constexpr int kFileImages[] = {folder, part, mult, shape, machine, tool};
    if (kind == ReportKind::parts)
        return NavImageIcon(part);
    if (kind == ReportKind::mults)
        return NavImageIcon(mult);
    if (row.icon > 0 && row.icon < int(std::size(kFileImages)))
        return NavImageIcon(kFileImages[row.icon]);
    if (row.texts[1].empty())
        return NavImageIcon(folder);
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}

QVariant Alignment(bool centred)
{
    return ((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter).toInt();
}

} // namespace

void ReportModel::Show(const CReportDoc* document)
{
    beginResetModel();
    document_ = document;
    endResetModel();
}

const std::string& ReportModel::Folder() const
{
    static const std::string none;
    return document_ ? document_->Folder() : none;
}

const DirectorySettings& ReportModel::Folders() const
{
    static const DirectorySettings none{};
    return document_ ? document_->Folders() : none;
}

const std::vector<ReportRow>& ReportModel::Rows() const
{
    static const std::vector<ReportRow> none;
    return document_ ? document_->Rows() : none;
}

int ReportModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Rows().size());
}

int ReportModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(ReportColumns(Kind()).size());
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
        return Alignment(ReportColumns(Kind()).at(column).centred);
    case Qt::DecorationRole:
        if (column != 0)
            return {};
        return IconOf(Kind(), row);
    default:
        return {};
    }
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const ReportColumn& column = ReportColumns(Kind())[std::size_t(section)];
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
    if (!ReportDragFormat(ClassifyReportPath(PathOf(index.row()), Folders())).empty())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList ReportModel::mimeTypes() const
{
    QStringList types;
    for (fw::PathListFormat format : {fw::PathListFormat::parts, fw::PathListFormat::mults, fw::PathListFormat::jobs,
                                      fw::PathListFormat::groups})
        types << QString::fromLatin1(fw::FormatName(format));
    return types;
}

QMimeData* ReportModel::mimeData(const QModelIndexList& indexes) const
{
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    if (rows.empty())
        return nullptr;
    // The rows go in the format of the first; rows of another kind are left out.
    const std::string format = ReportDragFormat(ClassifyReportPath(PathOf(*rows.begin()), Folders()));
    if (format.empty())
        return nullptr;
    std::string list;
    for (int row : rows)
        if (ReportDragFormat(ClassifyReportPath(PathOf(row), Folders())) == format)
            list += PathOf(row) + "|";
    auto* mime = new QMimeData;
    mime->setData(QString::fromStdString(format), QByteArray(list.data(), qsizetype(list.size())));
    return mime;
}
