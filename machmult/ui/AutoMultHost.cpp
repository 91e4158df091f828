#include "machmult/ui/AutoMultHost.h"

#include <QPointer>

namespace machui {

namespace {
AutoMultHost& Slot()
{
    static AutoMultHost host;
    return host;
}
} // namespace

void SetAutoMultHost(AutoMultHost host) { Slot() = std::move(host); }

const AutoMultHost& GetAutoMultHost() { return Slot(); }

std::function<void()> OpenAutoMultWindow(QWidget* widget, const QString& title, QSize clientSize, bool closable)
{
    if (const AutoMultHost& host = Slot(); host.openWindow)
        return host.openWindow(widget, title, clientSize, closable);
    widget->setWindowTitle(title);
    widget->resize(clientSize);
    widget->setAttribute(Qt::WA_DeleteOnClose);
    widget->show();
    return [window = QPointer<QWidget>(widget)] {
        if (window)
            window->close();
    };
}

} // namespace machui
