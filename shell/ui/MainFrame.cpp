#include "shell/ui/MainFrame.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {
// Shown in the status bar whenever no command is being described.
const QString kIdleMessage = QStringLiteral("Ready");
} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), toolBar_(addToolBar(QStringLiteral("Toolbar")))
{
    setWindowTitle(QStringLiteral("Varnex"));
    setCentralWidget(&mdiArea_);
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    CreateMenus();
    statusBar()->showMessage(kIdleMessage);
}

void CMainFrame::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
}

bool CMainFrame::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(e)->tip().isEmpty()) {
        statusBar()->showMessage(kIdleMessage);
        return true;
    }
    return QMainWindow::event(e);
}
