#pragma once
// The status bar of the editor splitter frames: no size grip.

#include <QStatusBar>

class CNonSizingSB : public QStatusBar {
public:
    explicit CNonSizingSB(QWidget* parent = nullptr) : QStatusBar(parent) { setSizeGripEnabled(false); }
};
