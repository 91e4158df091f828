#include "shell/ui/ReportWindows.h"

#include "fw/core/DriveMap.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"
#include "fw/qt/QtText.h"

#include <QFile>
#include <QMdiArea>

CReportFrame::CReportFrame(std::unique_ptr<CReportView> view) : view_(view.get())
{
    setWidget(view.release());
    setAttribute(Qt::WA_DeleteOnClose);
}

void CReportFrame::closeEvent(QCloseEvent* event)
{
    setProperty("closing", true);
    if (CReportDoc* document = view_->Document())
        document->GetDocTemplate()->CloseDocument(document);
    QMdiSubWindow::closeEvent(event);
}

bool QtFileTrash::MoveToTrash(const std::string& path)
{
    try {
        return QFile::moveToTrash(QString::fromStdString(fw::DriveMap::Instance().ToNative(path).string()));
    } catch (const std::exception&) {
        return false;
    }
}

CReportWindows::CReportWindows(CReportView::Dispatcher dispatcher, Folders folders)
    : dispatcher_(std::move(dispatcher)), folders_(std::move(folders))
{
}

void CReportWindows::Attach(QMdiArea& area, fw::DocTemplate& reportTemplate)
{
    area_ = &area;
    template_ = &reportTemplate;
    template_->SetFrameFactory([this](fw::Document& document) { return MakeFrame(document); });
}

bool CReportWindows::MakeFrame(fw::Document& document)
{
    if (!area_)
        return false;
    auto view = std::make_unique<CReportView>();
    view->SetDispatcher(dispatcher_);
    view->SetRunEnabled(runEnabled_);
    view->SetTrash(&trash_);
    document.AddView(view.get());
    view->OnInitialUpdate();
    auto* frame = new CReportFrame(std::move(view));
    frame->setWindowTitle(fw::ToQString(document.GetTitle()));
    area_->addSubWindow(frame);
    frame->showMaximized();
    return true;
}

CReportFrame* CReportWindows::Current() const
{
    if (!area_)
        return nullptr;
    for (QMdiSubWindow* window : area_->subWindowList())
        if (auto* frame = dynamic_cast<CReportFrame*>(window); frame && !frame->property("closing").toBool())
            return frame;
    return nullptr;
}

void CReportWindows::CloseAll()
{
    if (!template_)
        return;
    // Each document's view closes its frame once the running call is over.
    while (!template_->GetDocuments().empty())
        template_->CloseDocument(template_->GetDocuments().front().get());
}

void CReportWindows::Open(ReportKind kind, const std::string& path)
{
    if (!template_)
        return;
    auto* document = dynamic_cast<CReportDoc*>(template_->OpenDocumentFile({}));
    if (!document)
        return;
    document->Fill(kind, path, folders_ ? folders_() : DirectorySettings{});
}

ReportPrintRequest PrintRequestOf(const CReportView& view)
{
    ReportPrintRequest request;
    for (const std::string& name : view.SelectedNames()) {
        const std::string_view extension = fw::WinPath::Extension(name);
        nav::Object object = nav::Object::none;
        if (view.Kind() == ReportKind::parts || fw::EqualsNoCase1252(extension, ".prt"))
            object = nav::Object::part;
        else if (view.Kind() == ReportKind::mults || fw::EqualsNoCase1252(extension, ".mlt"))
            object = nav::Object::mult;
        if (object == nav::Object::none || (request.object != nav::Object::none && object != request.object))
            continue;
        request.object = object;
        request.list += fw::WinPath::Join(view.Folder(), name) + "|";
    }
    return request;
}
