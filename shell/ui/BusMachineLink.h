#pragma once
// The program's machine link: the machine side on the session bus, with the main frame as the
// link's window (raised and lowered, its Run entries, its status bar).

#include "shell/MachineLink.h"

#include <functional>

class CMainFrame;

// mainFrame gives the main frame, or null before it is made and after it is gone.
MachineLinkLoader BusMachineLinkLoader(std::function<CMainFrame*()> mainFrame);
