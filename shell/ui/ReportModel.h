#pragma once
// The rows of a report document as a table model (empty without one); dragging rows out offers them as a '|' list in
// the format of their kind ("BRAXPartListCF", "BRAXMultListCF", "BRAXJobListCF", "BRAXGroupListCF").

#include "shell/ReportDoc.h"

#include <QAbstractTableModel>

class ReportModel : public QAbstractTableModel {
public:
    explicit ReportModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows the rows of the document (none when null) as they are now.
    void Show(const CReportDoc* document);
    const CReportDoc* Document() const { return document_; }

    ReportKind Kind() const { return document_ ? document_->Kind() : ReportKind::files; }
    const std::string& Folder() const;
    const ReportRow& Row(int row) const { return Rows().at(std::size_t(row)); }
    std::string PathOf(int row) const { return document_ ? document_->PathOf(std::size_t(row)) : std::string(); }
    const DirectorySettings& Folders() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction | Qt::MoveAction; }

private:
    const std::vector<ReportRow>& Rows() const;

    const CReportDoc* document_ = nullptr;
};
