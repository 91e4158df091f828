#pragma once
// The rows of a report window as a table model; dragging rows out offers them as a '|' list in
// the format of their kind ("BRAXPartListCF", "BRAXMultListCF", "BRAXJobListCF", "BRAXGroupListCF").

#include "shell/OptionSettings.h"
#include "shell/ReportLister.h"

#include <QAbstractTableModel>

class ReportModel : public QAbstractTableModel {
public:
    explicit ReportModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void Fill(ReportKind kind, std::string folder, std::vector<ReportRow> rows);
    void SetFolders(DirectorySettings folders) { folders_ = std::move(folders); }
    // Sorts by a column of the report's kind, equal rows keeping their order.
    void SortBy(int column, bool ascending);

    ReportKind Kind() const { return kind_; }
    const std::string& Folder() const { return folder_; }
    const ReportRow& Row(int row) const { return rows_.at(std::size_t(row)); }
    std::string PathOf(int row) const;
    const DirectorySettings& Folders() const { return folders_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction | Qt::MoveAction; }

private:
    ReportKind kind_ = ReportKind::files;
    std::string folder_;
    std::vector<ReportRow> rows_;
    DirectorySettings folders_;
};
