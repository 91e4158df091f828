#pragma once
// Message boxes as QMessageBox, beeps and the wait cursor through QApplication. Use on the
// application's thread.

#include "fw/core/MessageService.h"

#include <QMessageBox>
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

private:
    int waitDepth_ = 0;
};

// The box for a message type: icon, buttons in order, default button; not yet shown.
std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, const std::string& caption, unsigned type);
QMessageBox::Icon MessageBoxIcon(unsigned type);
QMessageBox::StandardButton MessageBoxButton(int answer);
// The answer of a button, 0 for a button no message type shows.
int MessageBoxAnswer(QMessageBox::StandardButton button);

} // namespace fw
