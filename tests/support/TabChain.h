#pragma once
// The fields the Tab key visits in a form, from its first, by object name (a field without one,
// such as the edit inside a combo box, goes by its nearest named parent's; one with no named
// parent by its text, else by its class).

#include <QStringList>
#include <QWidget>

#include <ostream>

// Shows a chain in a failed expectation.
inline void PrintTo(const QStringList& list, std::ostream* out) { *out << list.join(QLatin1Char(' ')).toStdString(); }

inline QStringList TabChain(QWidget& form)
{
    const auto stops = [&form](QWidget* w) {
        return w != &form && form.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
               w->isVisibleTo(&form) && w->isEnabled() && !w->focusProxy();
    };
    const auto name = [&form](QWidget* field) {
        for (QWidget* w = field; w && w != &form; w = w->parentWidget())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                return w->objectName();
        const QString text = field->property("text").toString();
        return text.isEmpty() ? QString::fromLatin1(field->metaObject()->className()) : text;
    };
    QStringList chain;
    QWidget* first = nullptr;
    for (QWidget* w = form.nextInFocusChain(); w && w != first && w != &form; w = w->nextInFocusChain()) {
        if (!stops(w))
            continue;
        if (!first)
            first = w;
        if (const QString field = name(w); chain.isEmpty() || chain.back() != field)
            chain << field;
    }
    return chain;
}
