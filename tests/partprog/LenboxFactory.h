#pragma once
// Installs the LENBOX dimension-entry control as the factory of the dialogs' length controls for
// the lifetime of a test.

#include "lenbox/ui/LenboxCtrl.h"
#include "model/ui/Lenbox.h"

namespace test {

class LenboxFactory {
public:
    LenboxFactory()
        : previous_(CLenbox::SetControlFactory([](QWidget* parent) { return new lenbox::CLenboxCtrl(parent); }))
    {
    }
    ~LenboxFactory() { CLenbox::SetControlFactory(std::move(previous_)); }
    LenboxFactory(const LenboxFactory&) = delete;
    LenboxFactory& operator=(const LenboxFactory&) = delete;

    static lenbox::CLenboxCtrl& Of(CLenbox& lenbox) { return *static_cast<lenbox::CLenboxCtrl*>(lenbox.GetControl()); }

private:
    CLenbox::Factory previous_;
};

} // namespace test
