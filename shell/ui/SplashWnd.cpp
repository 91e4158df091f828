#include "shell/ui/SplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace {

bool enabled = false;
CSplashWnd* current = nullptr;

QPixmap SplashPicture()
{
    QPixmap picture(420, 240);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(32, 64, 112));
    gradient.setColorAt(1, QColor(12, 24, 48));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPointSize(36);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(picture.rect().adjusted(0, 0, 0, -40), Qt::AlignCenter, QStringLiteral("Varnex"));
    QFont subtitle = painter.font();
    subtitle.setPointSize(11);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(picture.rect().adjusted(0, 90, 0, 0), Qt::AlignCenter,
                     QStringLiteral("Programming for structural-steel fabrication machines"));
    return picture;
}

bool ClosesSplash(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseMove:
        return true;
    default:
        return false;
    }
}

} // namespace

void CSplashWnd::EnableSplashScreen(bool enable)
{
    enabled = enable;
}

CSplashWnd* CSplashWnd::Instance()
{
    return current;
}

void CSplashWnd::ShowSplashScreen(QWidget* parent)
{
    if (!enabled || current)
        return;
    current = new CSplashWnd(parent);
    current->show();
    // Shown at most once per run.
    enabled = false;
}

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), picture_(SplashPicture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture_.size());
    const QRect area = parent ? parent->frameGeometry() : QApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
    timer_.start(kTimeoutMs);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
    if (current == this)
        current = nullptr;
}

void CSplashWnd::HideSplashScreen()
{
    qApp->removeEventFilter(this);
    current = nullptr;
    QWidget* owner = parentWidget();
    close();
    if (owner)
        owner->update();
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (current == this && watched->isWidgetType() && ClosesSplash(event->type())) {
        HideSplashScreen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, picture_);
}
