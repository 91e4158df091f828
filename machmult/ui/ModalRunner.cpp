#include "machmult/ui/ModalRunner.h"

namespace machui {

namespace {

ModalRunner& Current()
{
    static ModalRunner runner;
    return runner;
}

} // namespace

int RunModal(QDialog& dialog)
{
    // A copy, so that a runner may install another one while it runs.
    const ModalRunner runner = Current();
    return runner ? runner(dialog) : dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) { return std::exchange(Current(), std::move(runner)); }

} // namespace machui
