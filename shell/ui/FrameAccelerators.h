#pragma once
// The frame's accelerator table, in every document window: Ctrl+C and Ctrl+Insert copy, Ctrl+V and
// Shift+Insert paste, Ctrl+X and Shift+Delete cut, Ctrl+Z and Alt+Backspace undo in the focused
// edit field; F6 and Shift+F6 move the focus to the next and previous pane of a split window.
// The keys work whatever key scheme the desktop uses. A focused widget with editing commands of
// its own (a part list's Copy and Paste) keeps its keys: the table's editing commands are only
// enabled while an edit field has the focus.

class QAction;
class QWidget;

enum class FrameCommand { copy, paste, cut, undo, nextPane, previousPane };

// Adds the table to window, for the keys pressed in it or its children.
void AddFrameAccelerators(QWidget& window);
// The table's action of a command in window, or null.
QAction* FrameAccelerator(const QWidget& window, FrameCommand command);
