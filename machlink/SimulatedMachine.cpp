#include "machlink/SimulatedMachine.h"

#include "fw/core/Number.h"

namespace torv {

std::string LogText(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '\r': quoted += "\\r"; break;
        case '\n': quoted += "\\n"; break;
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        default: quoted += c;
        }
    }
    return quoted + "\"";
}

std::string LogText(double value) { return fw::FormatGeneral(value); }
std::string LogText(std::int32_t value) { return std::to_string(value); }

namespace {

// "a, b, c" of the arguments' log texts.
template <class... Args> std::string Arguments(const Args&... args)
{
    std::string text;
    ((text += (text.empty() ? "" : ", ") + LogText(args)), ...);
    return text;
}

// An object of the machine side: a name for the log and the machine side it belongs to.
class SimObject {
public:
    // The machine and control objects stand for one thing each however often they are asked
    // for, so they go unnumbered; every other object is numbered by its kind from 1.
    SimObject(SimulatedMachine& machine, const char* kind, bool numbered = true)
        : machine_(machine), name_(numbered ? kind + std::to_string(machine.NextId(kind)) : kind)
    {
    }
    const std::string& Name() const { return name_; }

protected:
    template <class... Args> void Log(const char* method, const Args&... args)
    {
        machine_.Write(name_ + "." + method + "(" + Arguments(args...) + ")");
    }
    template <class Result, class... Args> Result LogResult(const char* method, Result result, const Args&... args)
    {
        machine_.Write(name_ + "." + method + "(" + Arguments(args...) + ") -> " + LogText(result));
        return result;
    }
    void LogMade(const char* method, const std::string& made)
    {
        machine_.Write(name_ + "." + method + "() -> " + made);
    }
    SimulatedMachine& machine_;

private:
    std::string name_;
};

// The name of an object of this machine side handed back to it; "?" for a foreign one.
template <class T> std::string NameOf(T& object)
{
    const auto* sim = dynamic_cast<const SimObject*>(&object);
    return sim ? sim->Name() : "?";
}

class SimPlane : public ITorvMachinePlane, public SimObject {
public:
    explicit SimPlane(SimulatedMachine& machine) : SimObject(machine, "Plane") {}
};

class SimTool : public ITorvMachineTool, public SimObject {
public:
    explicit SimTool(SimulatedMachine& machine) : SimObject(machine, "Tool") {}
};

class SimPattern : public ITorvMachinePartDataPattern, public SimObject {
public:
    explicit SimPattern(SimulatedMachine& machine) : SimObject(machine, "Pattern") {}
    void AttachPlane(ITorvMachinePlane& plane) override { machine_.Write(Name() + ".AttachPlane(" + NameOf(plane) + ")"); }
    void AttachTool(ITorvMachineTool& tool) override { machine_.Write(Name() + ".AttachTool(" + NameOf(tool) + ")"); }
    void SetPattern(const PatternData& p) override
    {
        Log("SetPattern", p.startAlong, p.startAcross, p.incrementAlong, p.incrementAcross, p.countAlong, p.countAcross,
            p.operation, p.planeType, p.face);
    }
    void SetText(const std::string& text) override { Log("SetText", text); }
};

class SimFaceGeometry : public ITorvMachineFaceGeometry, public SimObject {
public:
    explicit SimFaceGeometry(SimulatedMachine& machine) : SimObject(machine, "Faces") {}
    std::int32_t Mode() override { return LogResult("Mode", machine_.Settings().faceMode); }
    double FaceWidth() override { return LogResult("FaceWidth", machine_.Settings().faceWidth); }
};

class SimPart : public ITorvMachinePart, public SimObject {
public:
    explicit SimPart(SimulatedMachine& machine) : SimObject(machine, "Part") {}
    const ReceivedPart& Received() const { return received_; }

    void SetIdentity(const std::string& job, const std::string& group, const std::string& mark) override
    {
        Log("SetIdentity", job, group, mark);
        received_.identity = job + " " + group + " " + mark;
    }
    void SetLength(double inches) override
    {
        Log("SetLength", inches);
        received_.length = inches;
    }
    std::unique_ptr<ITorvMachinePlane> NewPlane(const PlaneData& p) override
    {
        auto plane = std::make_unique<SimPlane>(machine_);
        machine_.Write(Name() + ".NewPlane(" +
                       Arguments(p.startAlong, p.startAcross, p.rise, p.run, p.alongDirection, p.acrossDirection) +
                       ") -> " + plane->Name());
        return plane;
    }
    std::unique_ptr<ITorvMachinePartDataPattern> NewPattern() override
    {
        auto pattern = std::make_unique<SimPattern>(machine_);
        LogMade("NewPattern", pattern->Name());
        return pattern;
    }
    std::unique_ptr<ITorvMachineTool> NewTool(const ToolData& t) override
    {
        auto tool = std::make_unique<SimTool>(machine_);
        machine_.Write(Name() + ".NewTool(" +
                       Arguments(t.shortName, t.sizeA, t.sizeB, t.type, t.orientation, t.kind, t.units) + ") -> " +
                       tool->Name());
        return tool;
    }
    void AddPattern(ITorvMachinePartDataPattern& pattern) override
    {
        machine_.Write(Name() + ".AddPattern(" + NameOf(pattern) + ")");
        ++received_.patterns;
    }
    void SetRemarks(const std::string& remarks) override { Log("SetRemarks", remarks); }
    void SetFabCode(const std::string& fabCode) override { Log("SetFabCode", fabCode); }
    void SetMeasureWebDepth(std::int32_t flag) override { Log("SetMeasureWebDepth", flag); }
    void SetQuantity(std::int32_t quantity) override
    {
        Log("SetQuantity", quantity);
        received_.quantity = quantity;
    }
    void SetUnits(std::int32_t units) override { Log("SetUnits", units); }
    std::unique_ptr<ITorvMachineFaceGeometry> FaceGeometry() override
    {
        auto faces = std::make_unique<SimFaceGeometry>(machine_);
        LogMade("FaceGeometry", faces->Name());
        return faces;
    }
    void SetPosition(double inches) override
    {
        Log("SetPosition", inches);
        received_.position = inches;
    }

private:
    ReceivedPart received_;
};

class SimSection : public ITorvMachinePartDataSection, public SimObject {
public:
    explicit SimSection(SimulatedMachine& machine) : SimObject(machine, "Section") {}
    void SetSection(const SectionData& s) override
    {
        Log("SetSection", s.formal, s.desctp, s.desc, s.grade, s.units, s.profile, s.flangeGage, s.weightPerFoot,
            s.depth, s.webThickness, s.flangeWidth, s.flangeThickness);
    }
};

class SimJob : public ITorvMachineJob, public SimObject {
public:
    explicit SimJob(SimulatedMachine& machine) : SimObject(machine, "Job") {}
    const ReceivedJob& Received() const { return received_; }

    void SetIdentity(const std::string& job, const std::string& group, const std::string& name) override
    {
        Log("SetIdentity", job, group, name);
        received_.identity = job + " " + group + " " + name;
    }
    void SetLength(double inches) override
    {
        Log("SetLength", inches);
        received_.length = inches;
    }
    void SetKerf(double inches) override
    {
        Log("SetKerf", inches);
        received_.kerf = inches;
    }
    void AddPart(ITorvMachinePart& part) override
    {
        machine_.Write(Name() + ".AddPart(" + NameOf(part) + ")");
        if (const auto* sim = dynamic_cast<const SimPart*>(&part)) {
            ReceivedPart received = sim->Received();
            received.cutStart = received.position + received_.kerf * received_.pieces;
            received_.pieces += received.quantity;
            received_.parts.push_back(received);
        }
    }
    std::unique_ptr<ITorvMachinePart> NewPart() override
    {
        auto part = std::make_unique<SimPart>(machine_);
        LogMade("NewPart", part->Name());
        return part;
    }
    std::unique_ptr<ITorvMachinePartDataSection> NewSection() override
    {
        auto section = std::make_unique<SimSection>(machine_);
        LogMade("NewSection", section->Name());
        return section;
    }
    void SetUnits(std::int32_t units) override { Log("SetUnits", units); }
    void SetJobKind(std::int32_t kind) override
    {
        Log("SetJobKind", kind);
        received_.kind = kind;
    }
    std::int32_t SinglePieceParts() override { return LogResult("SinglePieceParts", machine_.Settings().singlePieceParts); }

private:
    ReceivedJob received_;
};

class SimHandMult : public ITorvMachineHandMult, public SimObject {
public:
    explicit SimHandMult(SimulatedMachine& machine) : SimObject(machine, "HandMult") {}
    std::int32_t HasWeldStation() override { return LogResult("HasWeldStation", machine_.Settings().weldStation); }
};

class SimControl : public ITorvMachineControl, public SimObject {
public:
    explicit SimControl(SimulatedMachine& machine) : SimObject(machine, "Control", false) {}
    std::unique_ptr<ITorvMachineJob> NewJob() override
    {
        auto job = std::make_unique<SimJob>(machine_);
        LogMade("NewJob", job->Name());
        return job;
    }
    std::int32_t RunJob(ITorvMachineJob& job) override
    {
        const std::int32_t status = machine_.Settings().runStatus;
        machine_.Write(Name() + ".RunJob(" + NameOf(job) + ") -> " + LogText(status));
        if (const auto* sim = dynamic_cast<const SimJob*>(&job)) {
            ReceivedJob received = sim->Received();
            received.status = status;
            machine_.Received(std::move(received));
        }
        const bool staysBusy = status != kRunStaysReady && status != kNoAcPower && status != kNoHydraulics;
        if (staysBusy && machine_.Settings().finishDuringRun)
            machine_.CallBack(5);
        return status;
    }
    std::int32_t RegisterResponse(ITorvMachineResponse* response) override
    {
        machine_.SetResponse(response);
        return LogResult("RegisterResponse", std::int32_t(0));
    }
    void ShowManualScreen(std::int32_t screen) override { Log("ShowManualScreen", screen); }
    void ShowMachineView() override { Log("ShowMachineView"); }
    void AfterRegistration() override { Log("AfterRegistration"); }
    std::int32_t StencilCharacterWidth() override
    {
        return LogResult("StencilCharacterWidth", machine_.Settings().stencilCharacterWidth);
    }
    std::int32_t StencilsMark() override { return LogResult("StencilsMark", machine_.Settings().stencilsMark); }
    MarkStencil MarkStencilPlacement() override
    {
        const MarkStencil m = machine_.Settings().markStencil;
        machine_.Write(Name() + ".MarkStencilPlacement() -> " + Arguments(m.characterWidth, m.along, m.across));
        return m;
    }
    std::unique_ptr<ITorvMachineHandMult> QueryHandMult() override
    {
        if (!machine_.Settings().hasHandMult)
            return nullptr;
        return std::make_unique<SimHandMult>(machine_);
    }
};

class SimMachine : public ITorvMachine, public SimObject {
public:
    explicit SimMachine(SimulatedMachine& machine) : SimObject(machine, "Machine", false) {}
    std::int32_t FinalizeLoad() override { return LogResult("FinalizeLoad", machine_.Settings().finalizeStatus); }
    std::unique_ptr<ITorvMachineControl> GetControl() override
    {
        if (!machine_.Settings().hasControl) {
            LogMade("GetControl", "none");
            return nullptr;
        }
        auto control = std::make_unique<SimControl>(machine_);
        LogMade("GetControl", control->Name());
        return control;
    }
    void SetResponse(ITorvMachineResponse* response) override
    {
        machine_.SetResponse(response);
        Log("SetResponse");
    }
    void ShowToolBar() override { Log("ShowToolBar"); }
    void Unload() override
    {
        machine_.SetResponse(nullptr);
        Log("Unload");
    }
    std::int32_t Load() override { return LogResult("Load", machine_.Settings().loadStatus); }
    void MachineSetup() override { Log("MachineSetup"); }
};

class SimApplication : public ITorvMachineApplication {
public:
    explicit SimApplication(SimulatedMachine& machine) : machine_(machine) {}
    std::unique_ptr<ITorvMachine> QueryMachine() override
    {
        if (!machine_.Settings().hasMachine)
            return nullptr;
        return std::make_unique<SimMachine>(machine_);
    }

private:
    SimulatedMachine& machine_;
};

} // namespace

std::unique_ptr<ITorvMachineApplication> SimulatedMachine::NewApplication()
{
    return std::make_unique<SimApplication>(*this);
}

void SimulatedMachine::Write(std::string line)
{
    log_.push_back(std::move(line));
    if (observer_)
        observer_(log_.back());
    // "Object.Method(...": the call fails when its method is the one set to fail.
    const std::string& logged = log_.back();
    const std::size_t dot = logged.find('.');
    const std::size_t open = logged.find('(');
    if (!settings_.failMethod.empty() && dot < open && logged.compare(dot + 1, open - dot - 1, settings_.failMethod) == 0)
        throw MachineError(fw::E_FAIL, logged.substr(0, open) + " failed");
}

int SimulatedMachine::NextId(const char* kind)
{
    for (auto& [name, count] : counters_)
        if (name == kind)
            return ++count;
    counters_.emplace_back(kind, 1);
    return 1;
}

bool SimulatedMachine::CallBack(int method)
{
    static const char* const names[] = {"OnMachineReady", "OnSetupClosed", "OnRunFinished",
                                        "OnDisableRunEntries", "OnEnableRunEntries", "OnReturnToMain"};
    if (!response_ || method < 3 || method > 8)
        return false;
    Write(std::string("Response.") + names[method - 3] + "()");
    switch (method) {
    case 3: response_->OnMachineReady(); break;
    case 4: response_->OnSetupClosed(); break;
    case 5: response_->OnRunFinished(); break;
    case 6: response_->OnDisableRunEntries(); break;
    case 7: response_->OnEnableRunEntries(); break;
    default: response_->OnReturnToMain(); break;
    }
    return true;
}

} // namespace torv
