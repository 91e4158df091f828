#pragma once
// Message boxes as QMessageBox, beeps and the wait cursor through QApplication, the progress of
// long work as a QProgressDialog with a Stop button. Use on the application's thread.

#include "fw/core/MessageService.h"

#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>

#include <memory>

namespace fw {

class QtMessageService : public MessageService {
public:
    // Boxes are application-modal and owned here, never by a window that might go first.
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    // Qt has one system sound; every sound type plays it.
    void Beep(unsigned sound = MB_OK) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // Shown over the active window, modal to it, once the work has lasted half a second.
    void BeginProgress(const std::string& title, int total) override;
    bool StepProgress(int done, const std::string& item) override;
    void EndProgress() override;

private:
    int waitDepth_ = 0;
    // Owned here; a parent window that goes first takes it with it.
    QPointer<QProgressDialog> progress_;
};

// The box for a message type: icon, buttons in order, default button; not yet shown.
std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, const std::string& caption, unsigned type);
QMessageBox::Icon MessageBoxIcon(unsigned type);
QMessageBox::StandardButton MessageBoxButton(int answer);
// The answer of a button, 0 for a button no message type shows.
int MessageBoxAnswer(QMessageBox::StandardButton button);

} // namespace fw
