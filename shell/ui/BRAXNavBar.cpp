#include "shell/ui/BRAXNavBar.h"

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"
#include "navigator/DataFormats.h"
#include "navigator/NavEvents.h"
#include "navigator/ui/BRAXNav.h"
#include "shell/CommandGuard.h"
#include "shell/NavCommand.h"
#include "shell/OptionSettings.h"
#include "shell/PartRename.h"
#include "shell/ShopDiskPatterns.h"
#include "shell/TemplateTable.h"
#include "shell/VarnexApp.h"
#include "shell/ui/MainFrame.h"

#include <QDockWidget>
#include <QResizeEvent>

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kNavBarSize = "NavBar Size";
constexpr int kDefaultWidth = 240;

std::string Extension(TemplateId id) { return DocStringPart(TemplateDocString(TemplateOf(id)), DocStringField::filterExt); }

// The tree's item type of a dispatcher object, and the label type holding it.
nav::ItemKind FileKind(nav::Object object)
{
    switch (object) {
    case nav::Object::part: return nav::ItemKind::part;
    case nav::Object::mult: return nav::ItemKind::mult;
    case nav::Object::shape: return nav::ItemKind::shape;
    case nav::Object::tool: return nav::ItemKind::tool;
    default: return nav::ItemKind::machine;
    }
}

nav::ItemKind LabelKind(nav::Object object)
{
    switch (object) {
    case nav::Object::part: return nav::ItemKind::partsLabel;
    case nav::Object::mult: return nav::ItemKind::multsLabel;
    case nav::Object::shape: return nav::ItemKind::shapesLabel;
    case nav::Object::tool: return nav::ItemKind::toolsLabel;
    default: return nav::ItemKind::machinesLabel;
    }
}

const char* ObjectName(nav::Object object)
{
    switch (object) {
    case nav::Object::part: return "part";
    case nav::Object::mult: return "mult";
    case nav::Object::shape: return "shape";
    case nav::Object::tool: return "tool";
    default: return "machine";
    }
}

// Events that are one dispatcher code with the event's path.
int CodeOf(nav::EventId id)
{
    using E = nav::EventId;
    using nav::Action;
    using nav::Object;
    switch (id) {
    case E::CreatePart: return nav::Code(Action::create, Object::part);
    case E::OpenPart: return nav::Code(Action::open, Object::part);
    case E::PrintStandardPart: return nav::Code(Action::printStandard, Object::part);
    case E::PrintFullPart: return nav::Code(Action::printCustom, Object::part);
    case E::OppositePart: return nav::Code(Action::opposites, Object::part);
    case E::CreateMult: return nav::Code(Action::create, Object::mult);
    case E::OpenMult: return nav::Code(Action::open, Object::mult);
    case E::PrintStandardMult: return nav::Code(Action::printStandard, Object::mult);
    case E::PrintFullMult: return nav::Code(Action::printCustom, Object::mult);
    case E::CreateShape: return nav::Code(Action::create, Object::shape);
    case E::OpenShape: return nav::Code(Action::open, Object::shape);
    case E::PrintShape: return nav::Code(Action::printStandard, Object::shape);
    case E::CreateTool: return nav::Code(Action::create, Object::tool);
    case E::OpenTool: return nav::Code(Action::open, Object::tool);
    case E::PrintTool: return nav::Code(Action::printStandard, Object::tool);
    case E::CreateMachine: return nav::Code(Action::create, Object::machine);
    case E::OpenMachine: return nav::Code(Action::open, Object::machine);
    case E::PrintMachine: return nav::Code(Action::printStandard, Object::machine);
    case E::ViewAllReport: return nav::Code(Action::listFiles, Object::none);
    case E::ViewPartReport: return nav::Code(Action::partReport, Object::none);
    case E::ViewMultReport: return nav::Code(Action::multReport, Object::none);
    default: return 0;
    }
}

using FileCopy = CopyOutcome (FileManagement::*)(const std::string&, const std::string&) const;

// The copy that a copy event asks for.
FileCopy CopyOf(nav::EventId id)
{
    using E = nav::EventId;
    switch (id) {
    case E::RunCopyJob: return &FileManagement::CopyJob;
    case E::RunCopyAllParts: return &FileManagement::CopyAllParts;
    case E::RunCopyAllMults: return &FileManagement::CopyAllMults;
    case E::RunCopyGroup: return &FileManagement::CopyGroup;
    case E::RunCopyAllGroup: return &FileManagement::CopyAllGroup;
    case E::RunCopyPartFile: return &FileManagement::CopyPartFile;
    case E::RunCopyMultFile: return &FileManagement::CopyMultFile;
    case E::RunCopyDiffPartFile: return &FileManagement::CopyDiffPartFile;
    case E::RunCopyDiffMultFile: return &FileManagement::CopyDiffMultFile;
    case E::RunCopyLabelAllGroup: return &FileManagement::CopyLabelAllGroup;
    case E::RunCopyDiffGroup: return &FileManagement::CopyDiffGroup;
    default: return nullptr;
    }
}

// What is left to copy after the navigator has copied a drop itself: the parts of mults dropped
// into another folder or onto another drive.
FileCopy DroppedCopyOf(nav::EventId id, const std::string& list, const std::string& target)
{
    using E = nav::EventId;
    if (id == E::RunCopyDiffMultFile)
        return &FileManagement::CopyDiffMultParts;
    if (id == E::RunCopyMultFile && fw::WinPath::Drive(target) != fw::WinPath::Drive(list))
        return &FileManagement::CopyMultParts;
    return nullptr;
}

// The part or mult template's extension of a shop-disk object.
std::string ShopDiskExtension(nav::Object object)
{
    return Extension(object == nav::Object::part ? TemplateId::part : TemplateId::mult);
}

void SayNothingMarked(nav::Object object)
{
    fw::ShowMessage(std::string("Nothing is marked in the Navigator: mark a ") + ObjectName(object) +
                        " in the Navigator first.",
                    fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

} // namespace

CBRAXNavBar::CBRAXNavBar(CMainFrame& frame, CVarnexApp& app)
    : frame_(frame), app_(app), control_(new CBRAXNav(&frame.NavigatorBar()))
{
    const fw::Profile& profile = fw::AppProfile();
    const DirectorySettings folders = DirectorySettings::Load(profile);
    nav::NavProperties& p = control_->Properties();
    p.JobDirectory = folders.jobFolder;
    p.ShapePath = folders.shapeFolder;
    p.MachinePath = folders.machineFolder;
    p.ToolPath = folders.toolFolder;
    p.PartExtension = Extension(TemplateId::part);
    p.MultExtension = Extension(TemplateId::mult);
    p.ShapeExtension = Extension(TemplateId::shape);
    p.ToolExtension = Extension(TemplateId::tool);
    p.MachineExtension = Extension(TemplateId::machine);
    p.JobLabel = "Jobs";
    p.GroupLabel = "Groups";
    p.PartLabel = "Parts";
    p.MultLabel = "Mults";
    p.ShapeLabel = "Shapes";
    p.ToolLabel = "Tools";
    p.MachineLabel = "Machines";
    control_->SetDescriber(&headers_);
    const int width = profile.GetProfileInt(kGeneral, kNavBarSize, kDefaultWidth);
    control_->setMinimumWidth(60);
    control_->resize(width, control_->height());
    frame.NavigatorBar().setWidget(control_);
    frame.resizeDocks({&frame.NavigatorBar()}, {width}, Qt::Horizontal);
    connect(control_, &CBRAXNav::navEvent, this,
            [this](const nav::NavEvent& e) { OnEvent(static_cast<int>(e.id), e.first, e.second, e.type); });
    frame.SetNavigatorHandlers([this](int code) { OnFileCommand(code); },
                               [this](bool enable) { control_->EnableRunMenu(enable ? 1 : 0); });
    frame.NavigatorBar().installEventFilter(this);
    control_->ExpandRoot();
}

CBRAXNavBar::~CBRAXNavBar() = default;

bool CBRAXNavBar::eventFilter(QObject* watched, QEvent* event)
{
    // The docked width is kept as the user leaves it.
    if (event->type() == QEvent::Resize && watched == &frame_.NavigatorBar() && !frame_.NavigatorBar().isFloating())
        fw::AppProfile().WriteProfileInt(kGeneral, kNavBarSize, static_cast<QResizeEvent*>(event)->size().width());
    return false;
}

std::string CBRAXNavBar::FirstMarked(int itemType) const
{
    const std::vector<std::string> marked = nav::SplitList(control_->strFileNames(static_cast<nav::ItemKind>(itemType)));
    return marked.empty() ? std::string() : marked.front();
}

void CBRAXNavBar::OnFileCommand(int code)
{
    const auto object = static_cast<nav::Object>(nav::ObjectBits(code));
    switch (nav::ActionOf(code)) {
    case nav::Action::open:
        if (const std::string path = FirstMarked(static_cast<int>(FileKind(object))); !path.empty())
            app_.DoNavAction(code, path.c_str());
        else
            SayNothingMarked(object);
        return;
    case nav::Action::create: {
        std::string path = FirstMarked(static_cast<int>(FileKind(object)));
        if (path.empty())
            if (const std::string label = FirstMarked(static_cast<int>(LabelKind(object))); !label.empty())
                path = label + "\\NULL";
        app_.DoNavAction(code, path.empty() ? nullptr : path.c_str());
        return;
    }
    case nav::Action::opposites: {
        const std::string list = control_->strFileNames(nav::ItemKind::part);
        app_.DoNavAction(code, list.c_str());
        return;
    }
    case nav::Action::shopDisk: {
        const std::string list = shopdisk_list::MarkedPatterns(
            [this](int type) { return control_->strFileNames(static_cast<nav::ItemKind>(type)); },
            static_cast<int>(FileKind(object)), ShopDiskExtension(object));
        if (list.empty())
            SayNothingMarked(object);
        else
            app_.DoNavAction(code, list.c_str());
        return;
    }
    default: app_.DoNavAction(code, nullptr); return;
    }
}

void CBRAXNavBar::OnEvent(int dispid, const std::string& first, const std::string& second, int type)
{
    using E = nav::EventId;
    const auto id = static_cast<E>(dispid);
    if (const int code = CodeOf(id)) {
        app_.DoNavAction(code, first.c_str());
        return;
    }
    switch (id) {
    case E::ReadPartDosDisk:
    case E::ReadMultDosDisk: app_.DoNavAction(nav::Code(nav::Action::convertLegacy, nav::Object::none), nullptr); return;
    case E::RunPart:
    case E::RunMult: {
        const bool part = id == E::RunPart;
        const std::string path = FirstMarked(static_cast<int>(part ? nav::ItemKind::part : nav::ItemKind::mult));
        if (path.empty())
            SayNothingMarked(part ? nav::Object::part : nav::Object::mult);
        else
            app_.DoNavAction(nav::Code(part ? nav::Action::runPart : nav::Action::runMult,
                                       part ? nav::Object::part : nav::Object::mult),
                             path.c_str());
        return;
    }
    case E::RunMultMultiple:
        if (first.empty())
            SayNothingMarked(nav::Object::mult);
        else
            app_.DoNavAction(nav::Code(nav::Action::runMults, nav::Object::mult), first.c_str());
        return;
    case E::CreatePartDosDisk:
    case E::CreateMultDosDisk: {
        const nav::Object object = id == E::CreatePartDosDisk ? nav::Object::part : nav::Object::mult;
        app_.DoNavAction(nav::Code(nav::Action::shopDisk, object),
                         shopdisk_list::EventPatterns(first, type, ShopDiskExtension(object)).c_str());
        return;
    }
    case E::RenamePart:
        // The navigator moves the old file to the trash itself once the new one stands.
        GuardCommand("CBRAXNavBar::OnRenamePart", [&] { ShowRenameOutcome(RenamePartFile(first, second, nullptr), first); });
        return;
    default: break;
    }
    GuardCommand("CBRAXNavBar::OnCopy", [&] {
        if (const FileCopy copy = control_->IsDropping() ? DroppedCopyOf(id, first, second) : CopyOf(id))
            (app_.Files().*copy)(first, second);
    });
}
