#pragma once
// The report windows: documents of the report template, each shown in a maximized MDI child
// frame around its view. At most one exists; opening one closes the others. The program's Print
// command prints what the active window shows.

#include "fw/core/DocTemplate.h"
#include "shell/NavServices.h"
#include "shell/PartRename.h"
#include "shell/ReportDoc.h"
#include "shell/ui/ReportView.h"

#include <QMdiSubWindow>
#include <QPointer>

class QMdiArea;

// The frame of a report view: always opens maximized; closing it closes its document.
class CReportFrame : public QMdiSubWindow {
public:
    explicit CReportFrame(std::unique_ptr<CReportView> view);
    CReportView& View() const { return *view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CReportView* view_;
};

// Moves files to the desktop's trash (QFile::moveToTrash).
class QtFileTrash : public FileTrash {
public:
    bool MoveToTrash(const std::string& path) override;
};

class CReportWindows : public ReportWindows {
public:
    using Folders = std::function<DirectorySettings()>;

    CReportWindows(CReportView::Dispatcher dispatcher, Folders folders);

    // Where the windows open and the template of their documents (which must make CReportDoc);
    // installs the template's frame factory.
    void Attach(QMdiArea& area, fw::DocTemplate& reportTemplate);
    // What the windows' Run entries ask before they offer a run.
    void SetRunEnabled(CReportView::RunEnabled runEnabled) { runEnabled_ = std::move(runEnabled); }
    // The report window, if one is open.
    CReportFrame* Current() const;

    void CloseAll() override;
    void Open(ReportKind kind, const std::string& path) override;

private:
    bool MakeFrame(fw::Document& document);

    QPointer<QMdiArea> area_;
    fw::DocTemplate* template_ = nullptr;
    CReportView::Dispatcher dispatcher_;
    CReportView::RunEnabled runEnabled_;
    Folders folders_;
    QtFileTrash trash_;
};

// What the program's Print command prints from a report view: the selected part or mult files
// (of the report's kind, or by extension in a file list) as a '|' list; nothing else.
struct ReportPrintRequest {
    nav::Object object = nav::Object::none;
    std::string list;
};
ReportPrintRequest PrintRequestOf(const CReportView& view);
