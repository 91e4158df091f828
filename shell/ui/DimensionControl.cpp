#include "shell/ui/DimensionControl.h"

#include "fw/core/Component.h"
#include "lenbox/LenboxIds.h"
#include "lenbox/ui/LenboxRegistration.h"
#include "model/ui/Lenbox.h"

#include <stdexcept>

void InstallDimensionControl()
{
    lenbox::RegisterServer();
    CLenbox::SetControlFactory([](QWidget* parent) {
        std::unique_ptr<QWidget> control = fw::ClassRegistry::Instance().CreateAs<QWidget>(lenbox::kControlProgId);
        if (!control)
            throw std::logic_error("the dimension-entry control is not registered");
        control->setParent(parent);
        return control.release();   // owned by parent
    });
}
