#pragma once
// Posts calls onto the thread of the QApplication through its event loop.

#include "fw/core/Poster.h"

#include <QObject>
#include <memory>

namespace fw {

class QtPoster : public Poster {
public:
    // Needs the application object; create and destroy the poster on its thread. Calls still
    // queued when the poster is destroyed are dropped.
    QtPoster();
    ~QtPoster() override;

    // Safe from any thread.
    void Post(std::function<void()> call) override;

private:
    std::unique_ptr<QObject> context_;   // lives on the application's thread
};

} // namespace fw
