#include "fw/qt/LeaveWatch.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace fw {
namespace {

class LeaveWatch : public QObject {
public:
    LeaveWatch(QWidget& control, QObject& context, std::function<void()> callback)
        : QObject(&control), context_(&context), callback_(std::move(callback))
    {
        control.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && UserMoved(static_cast<QFocusEvent*>(event)->reason()) && context_)
            QMetaObject::invokeMethod(context_, callback_, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    static bool UserMoved(Qt::FocusReason reason)
    {
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason;
    }

    QPointer<QObject> context_;
    std::function<void()> callback_;
};

} // namespace

void OnUserLeaves(QWidget& control, QObject& context, std::function<void()> callback)
{
    new LeaveWatch(control, context, std::move(callback));
}

} // namespace fw
