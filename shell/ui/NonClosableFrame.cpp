#include "shell/ui/NonClosableFrame.h"

#include <QCloseEvent>

CNonClosableFrame::CNonClosableFrame(QWidget* view, fw::Document* document, QWidget* parent)
    : CChildFrame(view, document, parent)
{
    setWindowFlags(windowFlags() & ~(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
}

void CNonClosableFrame::closeEvent(QCloseEvent* event)
{
    if (!IsClosingWithoutQuestion()) {
        event->ignore();
        return;
    }
    CChildFrame::closeEvent(event);
}
