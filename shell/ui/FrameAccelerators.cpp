#include "shell/ui/FrameAccelerators.h"

#include "shell/CommandGuard.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSplitter>
#include <QTextEdit>

#include <string>
#include <vector>

namespace {

struct Entry {
    FrameCommand command;
    const char* name;
    const char* keys[2];
};

constexpr Entry kTable[] = {
    {FrameCommand::copy, "ID_EDIT_COPY", {"Ctrl+C", "Ctrl+Ins"}},
    {FrameCommand::paste, "ID_EDIT_PASTE", {"Ctrl+V", "Shift+Ins"}},
    {FrameCommand::cut, "ID_EDIT_CUT", {"Ctrl+X", "Shift+Del"}},
    {FrameCommand::undo, "ID_EDIT_UNDO", {"Ctrl+Z", "Alt+Backspace"}},
    {FrameCommand::nextPane, "ID_NEXT_PANE", {"F6", nullptr}},
    {FrameCommand::previousPane, "ID_PREV_PANE", {"Shift+F6", nullptr}},
};

bool IsEditCommand(FrameCommand command)
{
    return command != FrameCommand::nextPane && command != FrameCommand::previousPane;
}

// The edit field that stands for a focused widget (a combo box or spin box edits in its line
// edit), or null.
QWidget* EditField(QWidget* focus)
{
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(focus))
        return spin->findChild<QLineEdit*>();
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus))
        return focus;
    return nullptr;
}

bool IsReadOnly(const QWidget& field)
{
    if (auto* line = qobject_cast<const QLineEdit*>(&field))
        return line->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(&field))
        return text->isReadOnly();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(&field))
        return plain->isReadOnly();
    return true;
}

QWidget* FocusIn(const QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && window.isAncestorOf(focus) ? focus : nullptr;
}

// The panes of the window's split view, the panes of nested splitters in their places.
void CollectPanes(const QSplitter& splitter, std::vector<QWidget*>& panes)
{
    for (int i = 0; i < splitter.count(); ++i) {
        QWidget* pane = splitter.widget(i);
        if (!pane->isVisible())
            continue;
        if (auto* inner = qobject_cast<const QSplitter*>(pane))
            CollectPanes(*inner, panes);
        else
            panes.push_back(pane);
    }
}

int Depth(const QWidget& widget, const QWidget& window)
{
    int depth = 0;
    for (const QWidget* w = &widget; w && w != &window; w = w->parentWidget())
        ++depth;
    return depth;
}

// The panes of the window's outermost splitter (a pane may hold a split view of its own).
std::vector<QWidget*> Panes(const QWidget& window)
{
    const QSplitter* outermost = nullptr;
    for (const QSplitter* splitter : window.findChildren<QSplitter*>())
        if (!outermost || Depth(*splitter, window) < Depth(*outermost, window))
            outermost = splitter;
    std::vector<QWidget*> panes;
    if (outermost)
        CollectPanes(*outermost, panes);
    return panes;
}

bool TakesFocus(const QWidget& widget)
{
    return widget.focusPolicy() != Qt::NoFocus && widget.isEnabled() && widget.isVisible();
}

// Gives the focus to the pane, or to the first widget in it that takes it.
void FocusPane(QWidget& pane)
{
    QWidget* field = &pane;
    while (!TakesFocus(*field) || !(field == &pane || pane.isAncestorOf(field))) {
        field = field->nextInFocusChain();
        if (field == &pane)
            return;
    }
    field->setFocus(Qt::OtherFocusReason);
}

void MovePane(const QWidget& window, bool previous)
{
    const std::vector<QWidget*> panes = Panes(window);
    if (panes.size() < 2)
        return;
    QWidget* focus = FocusIn(window);
    std::size_t current = 0;
    while (current < panes.size() && !(focus && (panes[current] == focus || panes[current]->isAncestorOf(focus))))
        ++current;
    const std::size_t n = panes.size();
    const std::size_t next = current == n ? 0 : (previous ? current + n - 1 : current + 1) % n;
    FocusPane(*panes[next]);
}

void Run(const QWidget& window, FrameCommand command)
{
    if (!IsEditCommand(command))
        return MovePane(window, command == FrameCommand::previousPane);
    QWidget* field = EditField(FocusIn(window));
    if (!field)
        return;
    const char* slot = command == FrameCommand::copy ? "copy" : command == FrameCommand::paste ? "paste"
                       : command == FrameCommand::cut ? "cut" : "undo";
    QMetaObject::invokeMethod(field, slot);
}

bool IsEnabled(const QWidget& window, FrameCommand command)
{
    if (!IsEditCommand(command))
        return true;
    const QWidget* field = EditField(FocusIn(window));
    return field && (command == FrameCommand::copy || !IsReadOnly(*field));
}

} // namespace

void AddFrameAccelerators(QWidget& window)
{
    std::vector<std::pair<QPointer<QAction>, FrameCommand>> actions;
    for (const Entry& entry : kTable) {
        auto* action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(entry.name));
        QList<QKeySequence> keys;
        for (const char* key : entry.keys)
            if (key)
                keys << QKeySequence(QString::fromLatin1(key));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, command = entry.command, handler = std::string("CChildFrame::On") + entry.name] {
                             GuardCommand(handler, [&] { Run(window, command); });
                         });
        window.addAction(action);
        actions.emplace_back(action, entry.command);
    }
    // Enabled as the focus moves, so that a focused widget's own commands take their keys.
    const auto update = [&window, actions] {
        for (const auto& [action, command] : actions)
            if (action)
                action->setEnabled(IsEnabled(window, command));
    };
    QObject::connect(qApp, &QApplication::focusChanged, &window, update);
    update();
}

QAction* FrameAccelerator(const QWidget& window, FrameCommand command)
{
    for (const Entry& entry : kTable)
        if (entry.command == command)
            return window.findChild<QAction*>(QString::fromLatin1(entry.name), Qt::FindDirectChildrenOnly);
    return nullptr;
}
