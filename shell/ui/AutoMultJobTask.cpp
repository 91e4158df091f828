#include "shell/ui/AutoMultJobTask.h"

#include "shell/VarnexApp.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/NonClosableFrame.h"
#include "shell/ui/YesNoAllDlg.h"
#include "machmult/ui/AutoMultCommand.h"

#include <QCoreApplication>
#include <QPointer>

#include <chrono>
#include <thread>

CAutoMultJobTask::CAutoMultJobTask(std::unique_ptr<CAutoMultRun> run, const CAutoMultRun*& current)
    : run_(std::move(run)), current_(current)
{
    current_ = run_.get();
}

CAutoMultJobTask::~CAutoMultJobTask()
{
    if (current_ == run_.get())
        current_ = nullptr;
    run_.reset();
}

void CAutoMultJobTask::Join()
{
    while (run_->IsRunning()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run_->Join();
}

namespace {

DriveAnswer AskDrive(QWidget* parent, const std::string& path)
{
    std::string text = machui::kOtherDrive;
    text.replace(text.find("%1"), 2, path);
    CYesNoAllDlg dialog(text, parent);
    switch (dialog.exec()) {
    case CYesNoAllDlg::IDYES:
        return DriveAnswer::yes;
    case CYesNoAllDlg::IDYESTOALL:
        return DriveAnswer::yesToAll;
    case CYesNoAllDlg::IDNO:
        return DriveAnswer::no;
    case CYesNoAllDlg::IDNOTOALL:
        return DriveAnswer::noToAll;
    default:
        return DriveAnswer::cancel;
    }
}

} // namespace

AutoMultHost MakeAutoMultHost(CMainFrame& frame, CVarnexApp& app, const CAutoMultRun*& current)
{
    AutoMultHost host;
    host.openWindow = [&frame](QWidget* widget, const QString& title, QSize clientSize, bool closable) {
        CChildFrame* child = closable ? new CChildFrame(widget) : new CNonClosableFrame(widget);
        child->setWindowTitle(title);
        frame.MdiArea().addSubWindow(child);
        child->show();
        child->resize(clientSize + (child->size() - widget->size()));
        return std::function<void()>([window = QPointer<CChildFrame>(child)] {
            if (window)
                window->CloseFrame();
        });
    };
    host.askDrive = [&frame](const std::string& path) { return AskDrive(&frame, path); };
    host.statusParent = [&frame]() -> QWidget* { return &frame.MdiArea(); };
    host.setJob = [&app, &current](std::unique_ptr<CAutoMultRun> run) {
        app.SetAutoMultJob(std::make_unique<CAutoMultJobTask>(std::move(run), current));
    };
    host.freeJob = [&app, &current](const CAutoMultRun* run) {
        if (run && run == current)
            app.FreeAutoMultJob();
    };
    host.stopJob = [&app] { app.StopAutoMult(); };
    return host;
}
