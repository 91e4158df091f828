#pragma once
// What the automatic-multing windows need of the program around them: windows in its MDI area,
// the question about parts on another drive, and the application object that owns the running
// job. The program installs a host at start-up; without one the windows stand alone, the
// question answers No to All and a job belongs to nobody (tests).

#include "machmult/AutoMultCandidates.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class CAutoMultRun;

struct AutoMultHost {
    // Shows the widget in a child window of the main frame (one the user cannot close when not
    // closable) sized to the given client size; returns what closes that window.
    std::function<std::function<void()>(QWidget* widget, const QString& title, QSize clientSize, bool closable)> openWindow;
    // The question about a part on another drive than the mult's.
    std::function<DriveAnswer(const std::string& path)> askDrive;
    // The parent of the status dialog (the main frame's MDI client area).
    std::function<QWidget*()> statusParent;
    // Hands the job to the application object, which stops and frees an earlier one.
    std::function<void(std::unique_ptr<CAutoMultRun> run)> setJob;
    // Frees the application's job when it is still this one.
    std::function<void(const CAutoMultRun* run)> freeJob;
    // Stops the application's job and waits for its worker.
    std::function<void()> stopJob;
};

namespace machui {

void SetAutoMultHost(AutoMultHost host);
const AutoMultHost& GetAutoMultHost();

// Shows a widget as the host does, or as a window of its own without a host.
std::function<void()> OpenAutoMultWindow(QWidget* widget, const QString& title, QSize clientSize, bool closable);

} // namespace machui
