#pragma once
// Field checks as the user leaves a field: the callback runs once the focus has settled, and
// only when the user moved the focus (Tab, Shift+Tab or a click). Focus moved by the program (a
// refusal putting it back, a message box) calls nothing, so that two invalid fields can't refuse
// each other in turn.

#include <functional>

class QObject;
class QWidget;

namespace fw {

// Calls back, queued on context, whenever the user leaves control; stops when either goes.
void OnUserLeaves(QWidget& control, QObject& context, std::function<void()> callback);

} // namespace fw
