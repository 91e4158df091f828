#include "shell/ui/NonClosableFrame.h"

#include <QCloseEvent>

CNonClosableFrame::CNonClosableFrame(QWidget* view, QWidget* parent) : CChildFrame(view, parent)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint);
    setSystemMenu(nullptr);
}

void CNonClosableFrame::closeEvent(QCloseEvent* event)
{
    if (!IsClosingWithoutQuestion()) {
        event->ignore();
        return;
    }
    CChildFrame::closeEvent(event);
}
