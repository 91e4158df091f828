#include "fw/qt/QtPoster.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <stdexcept>

namespace fw {

QtPoster::QtPoster() : context_(std::make_unique<QObject>())
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        throw std::logic_error("QtPoster needs the application object");
    context_->moveToThread(app->thread());
}

QtPoster::~QtPoster() = default;

void QtPoster::Post(std::function<void()> call)
{
    QMetaObject::invokeMethod(context_.get(), std::move(call), Qt::QueuedConnection);
}

} // namespace fw
