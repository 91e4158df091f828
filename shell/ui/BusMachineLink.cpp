#include "shell/ui/BusMachineLink.h"

#include "fw/qt/QtText.h"
#include "machlink/TorvMachineLink.h"
#include "machlink/ui/BusTorvMachine.h"
#include "shell/VarnexApp.h"
#include "shell/ui/MainFrame.h"

#include <QStatusBar>

namespace {

class FrameLinkHost : public MachineLinkHost {
public:
    explicit FrameLinkHost(std::function<CMainFrame*()> frame) : frame_(std::move(frame)) {}
    void BringMainWindowToTop() override
    {
        if (CMainFrame* frame = frame_())
            frame->raise();
    }
    void SendMainWindowToBottom() override
    {
        if (CMainFrame* frame = frame_())
            frame->lower();
    }
    void EnableRunEntries(bool enable) override
    {
        if (CMainFrame* frame = frame_())
            frame->EnableRunMenu(enable);
    }
    void ShowStatus(const std::string& text) override
    {
        if (CMainFrame* frame = frame_())
            frame->statusBar()->showMessage(fw::ToQString(text));
    }

private:
    std::function<CMainFrame*()> frame_;
};

// The host is made before the link that refers to it and goes after it.
struct HostHolder {
    FrameLinkHost host;
};

// The link over the session bus; it loads again each time the machine side appears.
class BusMachineLink : private HostHolder, public TorvMachineLink {
public:
    BusMachineLink(MachineLinkState& state, std::function<CMainFrame*()> frame)
        : HostHolder{FrameLinkHost(std::move(frame))},
          TorvMachineLink(
              state, host,
              [](std::function<void()> onGone) { return torv::ConnectTorvMachine(std::move(onGone)); },
              [] { return torv::CanStartTorvMachine(); }),
          watch_(torv::WatchTorvMachineAppearing([this] { OnMachineSideAppeared(); }))
    {
    }

private:
    std::unique_ptr<QObject> watch_;
};

} // namespace

MachineLinkLoader BusMachineLinkLoader(std::function<CMainFrame*()> mainFrame)
{
    return [mainFrame](CVarnexApp& app) -> std::unique_ptr<MachineLink> {
        auto link = std::make_unique<BusMachineLink>(app.LinkState(), mainFrame);
        link->Load();
        return link;
    };
}
