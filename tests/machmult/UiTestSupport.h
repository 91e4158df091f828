#pragma once
// Helpers of the machine window tests: controls by id, typing as the user does, and modal
// dialogs answered by the test instead of being shown.

#include "model/ui/FormBinder.h"
#include "machmult/ui/ModalRunner.h"
#include "lenbox/ui/LenboxCtrl.h"
#include "tests/fw/QtApp.h"
#include "tests/partprog/LenboxFactory.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace uitest {

template <class Widget> Widget& Control(const QWidget& form, int id)
{
    auto* widget = form.findChild<Widget*>(ControlName(id));
    if (!widget)
        throw std::logic_error("no control " + std::to_string(id));
    return *widget;
}

// Types a text as the user does (the edit's textEdited signal follows).
inline void Type(QLineEdit& edit, const QString& text)
{
    edit.setText(text);
    emit edit.textEdited(text);
}

inline lenbox::CLenboxCtrl& Length(const QWidget& form, int id) { return Control<lenbox::CLenboxCtrl>(form, id); }
// Enters a length (inches) as the user's typing does: the control takes the value and fires Changed.
inline void EnterLength(const QWidget& form, int id, double inches)
{
    lenbox::CLenboxCtrl& control = Length(form, id);
    control.SetDecimalInches(inches);
    emit control.Changed();
}
inline void SetWhole(const QWidget& form, int id, int value) { Control<QSpinBox>(form, id).setValue(value); }
inline void Click(const QWidget& form, int id) { Control<QAbstractButton>(form, id).click(); }

// Answers every modal dialog with the given function, for the life of the object; records the
// dialogs' classes in order.
class ModalScript {
public:
    explicit ModalScript(std::function<int(QDialog&)> answer)
        : previous_(machui::SetModalRunner([this, answer = std::move(answer)](QDialog& dialog) {
              shown.push_back(dialog.metaObject()->className());
              return answer(dialog);
          }))
    {
    }
    ~ModalScript() { machui::SetModalRunner(std::move(previous_)); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    std::vector<std::string> shown;

private:
    machui::ModalRunner previous_;
};

// The answer of a dialog the test accepts: OK pressed, the dialog's result returned.
inline int PressOk(QDialog& dialog)
{
    dialog.accept();
    return dialog.result();
}

} // namespace uitest
