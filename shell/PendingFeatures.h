#pragma once
// Stands in for the features other parts of the program supply (documents, reports, printouts,
// legacy files, file management, outside registration) until they are installed: each tells the
// user plainly that the item cannot be opened (printed, written...) yet.

#include "shell/AppServices.h"

class PendingFeatures : public ItemDocuments,
                        public ReportWindows,
                        public PrintService,
                        public ShopDiskWriter,
                        public LegacyReaders,
                        public FileManagement,
                        public ServerRegistration {
public:
    ItemDocument* NewHidden(nav::Object kind) override;
    ItemDocument* OpenHidden(nav::Object kind, const std::string& path) override;
    void NewVisible(nav::Object kind) override;
    void OpenFile(const std::string& path) override;
    bool SaveAllModified() override { return true; }

    void CloseAll() override {}
    void Open(ReportKind kind, const std::string& path) override;

    void PrintParts(PrintMode mode, const std::string& list) override;
    void PrintMults(PrintMode mode, const std::string& list) override;

    void CreatePartDisk(const ShopDiskTarget& target, const std::string& list) override;
    void CreateMultDisk(const ShopDiskTarget& target, const std::string& list) override;

    void ReadParts(const std::string& recordFile) override;
    void ReadMults(const std::string& recordFile) override;
    void ReadShapes(const std::string& recordFile) override;

    void CreateOpposites(const std::string& list) override;

    // Nothing to register until clients outside the program can reach it.
    void RegisterServer() override {}
    void UnregisterTypeLibrary() override {}
};

// "Part documents cannot be opened yet." for a kind.
std::string CannotOpenYetText(nav::Object kind);
