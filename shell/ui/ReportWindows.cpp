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
    setWindowTitle(QStringLiteral("Report"));
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
    if (!area_)
        return;
    // The caller may be the view itself (Refresh): the window goes once the call is over.
    for (QMdiSubWindow* window : area_->subWindowList()) {
        if (auto* frame = dynamic_cast<CReportFrame*>(window)) {
            frame->setProperty("closing", true);
            frame->hide();
            frame->deleteLater();
        }
    }
}

void CReportWindows::Open(ReportKind kind, const std::string& path)
{
    if (!area_)
        return;
    auto view = std::make_unique<CReportView>();
    view->SetDispatcher(dispatcher_);
    view->SetFolders(folders_ ? folders_() : DirectorySettings{});
    view->SetTrash(&trash_);
    std::string folder = path;
    while (folder.size() > 3 && folder.back() == '\\')
        folder.pop_back();
    view->Fill(kind, folder);
    auto* frame = new CReportFrame(std::move(view));
    frame->setWindowTitle(fw::ToQString(folder));
    area_->addSubWindow(frame);
    frame->showMaximized();
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
