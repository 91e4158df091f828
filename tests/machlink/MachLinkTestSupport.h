#pragma once
// Fixture of the machine link tests: the mult fixture's drives, shapes and machine, part and mult
// files made to order, a simulated machine side and a window host that records what it was asked.

#include "machlink/SimulatedMachine.h"
#include "machlink/TorvMachineLink.h"

#include "tests/machmult/MultTestSupport.h"

#include <string>
#include <vector>

namespace linktest {

// Compares call logs line by line, so that a difference names its line.
inline void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "line " << i;
    EXPECT_EQ(actual.size(), expected.size());
}

class RecordingHost : public MachineLinkHost {
public:
    void BringMainWindowToTop() override { calls.push_back("Top"); }
    void SendMainWindowToBottom() override { calls.push_back("Bottom"); }
    void EnableRunEntries(bool enable) override { calls.push_back(enable ? "EnableRun" : "GreyRun"); }
    void ShowStatus(const std::string& text) override { calls.push_back("Status(" + text + ")"); }
    std::vector<std::string> calls;
};

class LinkFixture : public multtest::MultFixture {
protected:
    // Saves part <mark> of J1/G1 on W 12X26 with a length and, when asked, no patterns.
    void PutPlainPart(const std::string& mark, double length, const std::string& desc = "12X26") const
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = mark;
        h.quantity = 1;
        h.length = length;
        h.grade = "A36";
        ASSERT_TRUE(part.BuildShape("W ", desc));
        h.shapeDesctp = "W ";
        h.shapeDesc = desc;
        ASSERT_TRUE(part.OnSaveDocument("C:\\x.prt"));
    }
    // Saves mult <mark> <sequence> of J1/G1 with the parts (mark, quantity), a drop and a kerf;
    // returns its path.
    std::string PutMultOf(const std::string& mark, std::uint32_t sequence,
                          const std::vector<std::pair<std::string, std::uint32_t>>& parts, double drop = 0,
                          double kerf = 0.125, const std::string& desc = "12X26") const
    {
        CMultDoc mult;
        MakeMult(mult);
        MultRecord data = mult.GetMultRecord();
        data.mark = mark;
        data.sequence = sequence;
        data.kerf = kerf;
        data.shapeDesc = desc;
        EXPECT_TRUE(mult.SetMultRecord(data));
        for (const auto& [part, quantity] : parts)
            EXPECT_EQ(mult.AddPart("J1", "G1", part, quantity), 0) << part;
        data = mult.GetMultRecord();
        data.drop = drop;
        EXPECT_TRUE(mult.SetMultRecord(data));
        EXPECT_TRUE(mult.SaveDocument());
        return mult.GetPathName();
    }

    // A link over the simulated machine side: present, or absent and started by the factory
    // only when startable (as the bus starts a machine side whose service file is installed).
    std::unique_ptr<TorvMachineLink> MakeLink(bool present = true)
    {
        running = present;
        return std::make_unique<TorvMachineLink>(
            state, host,
            [this](std::function<void()>) -> std::unique_ptr<torv::ITorvMachineApplication> {
                if (!running && startable)
                    running = true;
                return running ? machine.NewApplication() : nullptr;
            },
            [this] {
                ++startChecks;
                return startable;
            });
    }
    // The log lines from the first that starts with `from` on.
    std::vector<std::string> LogFrom(const std::string& from) const
    {
        const auto& log = machine.Log();
        auto first = std::find_if(log.begin(), log.end(), [&](const std::string& l) { return l.rfind(from, 0) == 0; });
        return {first, log.end()};
    }

    // What the message boxes said since the last ClearShown: "caption: text".
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> shown;
        for (std::size_t i = seen_; i < boxes->Shown().size(); ++i)
            shown.push_back(boxes->Shown()[i].caption + ": " + boxes->Shown()[i].text);
        return shown;
    }
    void ClearShown() { seen_ = boxes->Shown().size(); }

    // Every box is answered with its default button.
    fw::ScriptedMessages boxes{fw::ScriptedMessageService::WhenUnscripted::AnswerDefault};
    MachineLinkState state;
    RecordingHost host;
    torv::SimulatedMachine machine;
    bool running = true;     // the machine side is there
    bool startable = false;  // the factory can start it
    int startChecks = 0;     // how often the link asked whether it can

private:
    std::size_t seen_ = 0;
};

} // namespace linktest
