#pragma once
// Every modal dialog of the machine windows runs through here, so that tests can answer a
// dialog (fill it, accept or reject it) without showing it.

#include <QDialog>

#include <functional>

namespace machui {

using ModalRunner = std::function<int(QDialog&)>;

// Runs the dialog with the current runner (by default QDialog::exec) and returns its result.
int RunModal(QDialog& dialog);
// Installs a runner (an empty one restores exec) and returns the one it replaces.
ModalRunner SetModalRunner(ModalRunner runner);

} // namespace machui
