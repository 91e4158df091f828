#pragma once
// Stands in for the features other parts of the program supply (reports, printouts, outside
// registration) until they are installed: each tells the user plainly
// that the item cannot be opened (printed, written...) yet.

#include "shell/AppServices.h"

class PendingFeatures : public ReportWindows,
                        public PrintService,
                        public ServerRegistration {
public:
    void CloseAll() override {}
    void Open(ReportKind kind, const std::string& path) override;

    void PrintParts(PrintMode mode, const std::string& list) override;
    void PrintMults(PrintMode mode, const std::string& list) override;

    // Nothing to register until clients outside the program can reach it.
    void RegisterServer() override {}
    void UnregisterTypeLibrary() override {}
};
