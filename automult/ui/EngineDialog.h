#pragma once
// Where the engine's windows appear: on top of every other window, at screen position (400, 300),
// keeping their own size.

#include <QPushButton>
#include <QWidget>

void PlaceEngineWindow(QWidget& window);

// A push button whose object name is its dialog control id, so that it can be found by id.
QPushButton* AddIdButton(QWidget& parent, const QString& text, int id);
