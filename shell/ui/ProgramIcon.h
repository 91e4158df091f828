#pragma once
// The program's own icon (resources/VARNEX/varnex.png, built into the program), the window icon
// of every Varnex window.

#include <QIcon>

QIcon ProgramIcon();
