#pragma once
// Stands in for the features other parts of the program supply (outside registration) until
// they are installed.

#include "shell/AppServices.h"

class PendingFeatures : public ServerRegistration {
public:
    // Nothing to register until clients outside the program can reach it.
    void RegisterServer() override {}
    void UnregisterTypeLibrary() override {}
};
