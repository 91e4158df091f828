#pragma once
// The splash screen: shown once, centred over the main frame when it is created, for 5000 ms or
// until the first key press or mouse click anywhere in the program, which it consumes.

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class CSplashWnd : public QWidget {
public:
    static constexpr int kTimeoutMs = 5000;

    static void EnableSplashScreen(bool enable);
    // Shows the splash over parent unless it is disabled or already shown.
    static void ShowSplashScreen(QWidget* parent);
    // The splash on screen, or null.
    static CSplashWnd* Instance();

    ~CSplashWnd() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CSplashWnd(QWidget* parent);
    void HideSplashScreen();

    QPixmap picture_;
    QTimer timer_;
};
