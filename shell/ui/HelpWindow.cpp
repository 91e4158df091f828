#include "shell/ui/HelpWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <algorithm>

CHelpWindow::CHelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QString::fromLatin1(kTitle));
    setOpenExternalLinks(true);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(screen.width() * 2 / 3, 900), screen.height() * 3 / 4);
}

void CHelpWindow::ShowFile(const std::filesystem::path& file)
{
    setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    home();
}
