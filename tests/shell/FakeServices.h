#pragma once
// A recording stand-in for every service the dispatcher and the application object act through:
// each call is logged as one line ("OpenFile(C:\A\B.prt)"); documents log through the same log.

#include "shell/AppServices.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace test {

class FakeServices : public ItemDocuments,
                     public ReportWindows,
                     public PrintService,
                     public ShopDiskDialog,
                     public ShopDiskWriter,
                     public AppActions,
                     public LegacyReaders,
                     public MarkDialog,
                     public ServerRegistration,
                     public AppWindows {
public:
    std::vector<std::string> calls;

    // Answers.
    bool documentsCanBeMade = true;
    bool saveAllResult = true;
    bool mainFrameCanBeMade = true;
    std::optional<ShopDiskTarget> shopDiskTarget = ShopDiskTarget{'A', "DEFAULT"};
    std::vector<std::string> legacyFiles;
    std::vector<std::optional<MarkAnswer>> markAnswers;   // in order; none left: Cancel

    NavServices Nav() { return {*this, *this, *this, *this, *this, *this}; }
    AppServices App() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this}; }

    ItemDocument* NewHidden(nav::Object kind) override;
    ItemDocument* OpenHidden(nav::Object kind, const std::string& path) override;
    void NewVisible(nav::Object kind) override { Log("NewVisible(" + Name(kind) + ")"); }
    void OpenFile(const std::string& path) override { Log("OpenFile(" + path + ")"); }
    bool SaveAllModified() override { Log("SaveAllModified"); return saveAllResult; }

    void CloseAll() override { Log("CloseReports"); }
    void Open(ReportKind kind, const std::string& path) override;

    void PrintParts(PrintMode mode, const std::string& list) override { Log("PrintParts(" + Mode(mode) + "," + list + ")"); }
    void PrintMults(PrintMode mode, const std::string& list) override { Log("PrintMults(" + Mode(mode) + "," + list + ")"); }

    std::optional<ShopDiskTarget> AskTarget() override { Log("AskShopDisk"); return shopDiskTarget; }
    void CreatePartDisk(const ShopDiskTarget& t, const std::string& list) override { Log("PartDisk(" + Disk(t) + list + ")"); }
    void CreateMultDisk(const ShopDiskTarget& t, const std::string& list) override { Log("MultDisk(" + Disk(t) + list + ")"); }

    void CreateOpposites(const std::string& list) override { Log("CreateOpposites(" + list + ")"); }
    void ConvertLegacyFiles() override { Log("ConvertLegacyFiles"); }
    void RunPart(const std::string& path) override { Log("RunPart(" + path + ")"); }
    void RunMult(const std::string& path) override { Log("RunMult(" + path + ")"); }
    void RunMultMultiple(const std::string& list) override { Log("RunMultMultiple(" + list + ")"); }

    std::optional<MarkAnswer> AskMark(const std::string& caption, const std::string& mark) override
    {
        Log("AskMark(" + caption + "," + mark + ")");
        if (markAnswers.empty())
            return std::nullopt;
        std::optional<MarkAnswer> answer = markAnswers.front();
        markAnswers.erase(markAnswers.begin());
        return answer;
    }

    void ReadParts(const std::string& file) override { Log("ReadParts(" + file + ")"); }
    void ReadMults(const std::string& file) override { Log("ReadMults(" + file + ")"); }
    void ReadShapes(const std::string& file) override { Log("ReadShapes(" + file + ")"); }

    void RegisterServer() override { Log("RegisterServer"); }
    void UnregisterTypeLibrary() override { Log("UnregisterTypeLibrary"); }

    void EnableSplashScreen(bool enable) override { Log(enable ? "Splash(on)" : "Splash(off)"); }
    bool CreateMainFrame() override { Log("CreateMainFrame"); return mainFrameCanBeMade; }
    void ShowMainFrame(int showCommand) override { Log("ShowMainFrame(" + std::to_string(showCommand) + ")"); }
    std::vector<std::string> ChooseLegacyFiles() override { Log("ChooseLegacyFiles"); return legacyFiles; }
    void OpenHelpFile(const std::filesystem::path& file) override { Log("OpenHelpFile(" + file.string() + ")"); }

    void Log(std::string call) { calls.push_back(std::move(call)); }
    static std::string Name(nav::Object kind);

private:
    static std::string Mode(PrintMode mode) { return mode == PrintMode::standard ? "standard" : "custom"; }
    static std::string Disk(const ShopDiskTarget& t) { return std::string(1, t.drive) + "," + t.file + ","; }

    std::vector<std::unique_ptr<ItemDocument>> documents_;
};

} // namespace test
