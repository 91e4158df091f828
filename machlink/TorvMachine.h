#pragma once
// The machine-side application's interfaces as the program uses them: the application object,
// its machine interface, the control object, the job, part, pattern and section objects, the
// weld-station query and the callbacks the program implements. Objects the machine side makes are
// handed back owned by the caller, who releases them when done; lengths are inches, codes 32-bit.
//
// A call that the machine side cannot answer (it is gone, or a query fails) throws MachineError.

#include "fw/core/Component.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace torv {

// Run statuses of ITorvMachineControl::RunJob.
inline constexpr std::int32_t kRunStaysReady = 1;
inline constexpr std::int32_t kNoAcPower = 0x40018;
inline constexpr std::int32_t kNoHydraulics = 0x40019;

// Status of the load calls: 0 is success.
inline constexpr std::int32_t kLoadOk = 0;

// A failed call to the machine side, with the status it failed with.
class MachineError : public std::runtime_error {
public:
    MachineError(fw::HRESULT status, const std::string& what) : std::runtime_error(what), status_(status) {}
    fw::HRESULT Status() const { return status_; }

private:
    fw::HRESULT status_;
};

// What the machine side calls back; each returns 0.
class ITorvMachineResponse {
public:
    virtual ~ITorvMachineResponse() = default;
    virtual std::int32_t OnMachineReady() = 0;
    virtual std::int32_t OnSetupClosed() = 0;
    virtual std::int32_t OnRunFinished() = 0;
    virtual std::int32_t OnDisableRunEntries() = 0;
    virtual std::int32_t OnEnableRunEntries() = 0;
    virtual std::int32_t OnReturnToMain() = 0;
};

// The section of the job's shape, sent once per job.
struct SectionData {
    std::string formal;      // formal description
    std::string desctp;      // designation type
    std::string desc;        // size
    std::string grade;
    std::int32_t units = 0;
    std::int32_t profile = 0;
    double flangeGage = 0;
    double weightPerFoot = 0;
    double depth = 0;
    double webThickness = 0;
    double flangeWidth = 0;
    double flangeThickness = 0;
};

// A hole pattern or stencil mark on a face.
struct PatternData {
    double startAlong = 0;
    double startAcross = 0;
    double incrementAlong = 0;
    double incrementAcross = 0;
    std::int32_t countAlong = 0;
    std::int32_t countAcross = 0;
    std::int32_t operation = 0;
    std::int32_t planeType = 0;
    std::int32_t face = 0;
};

// The reference plane of a pattern; directions 1 or -1.
struct PlaneData {
    double startAlong = 0;
    double startAcross = 0;
    double rise = 0;
    double run = 0;
    std::int32_t alongDirection = 1;
    std::int32_t acrossDirection = 1;
};

// The tool of a hole pattern.
struct ToolData {
    std::string shortName;
    double sizeA = 0;
    double sizeB = 0;
    std::string type;
    double orientation = 0;
    std::int32_t kind = 0;
    std::int32_t units = 0;
};

// Objects the machine side keeps for a pattern: its reference plane and its tool.
class ITorvMachinePlane {
public:
    virtual ~ITorvMachinePlane() = default;
};
class ITorvMachineTool {
public:
    virtual ~ITorvMachineTool() = default;
};

// ITorvMachinePartData, pattern form.
class ITorvMachinePartDataPattern {
public:
    virtual ~ITorvMachinePartDataPattern() = default;
    virtual void AttachPlane(ITorvMachinePlane& plane) = 0;         // 3
    virtual void AttachTool(ITorvMachineTool& tool) = 0;            // 4
    virtual void SetPattern(const PatternData& pattern) = 0;        // 5
    virtual void SetText(const std::string& text) = 0;              // 7
};

// The face geometry of a part: a mode and the width of the face across.
class ITorvMachineFaceGeometry {
public:
    virtual ~ITorvMachineFaceGeometry() = default;
    virtual std::int32_t Mode() = 0;                                // 4
    virtual double FaceWidth() = 0;                                 // 5
};

// ITorvMachinePartData, part form.
class ITorvMachinePartDataPart {
public:
    virtual ~ITorvMachinePartDataPart() = default;
    virtual void SetIdentity(const std::string& job, const std::string& group, const std::string& mark) = 0;  // 3
    virtual void SetLength(double inches) = 0;                                                                // 4
    virtual std::unique_ptr<ITorvMachinePlane> NewPlane(const PlaneData& plane) = 0;                          // 5
    virtual std::unique_ptr<ITorvMachinePartDataPattern> NewPattern() = 0;                                    // 6
    virtual std::unique_ptr<ITorvMachineTool> NewTool(const ToolData& tool) = 0;                              // 7
    virtual void AddPattern(ITorvMachinePartDataPattern& pattern) = 0;                                        // 9
    virtual void SetRemarks(const std::string& remarks) = 0;                                                  // 10
    virtual void SetFabCode(const std::string& fabCode) = 0;                                                  // 11
    virtual void SetMeasureWebDepth(std::int32_t flag) = 0;                                                   // 12
    virtual void SetQuantity(std::int32_t quantity) = 0;                                                      // 13
    virtual void SetUnits(std::int32_t units) = 0;                                                            // 14
};

// A part object of a job: its part form and its own calls.
class ITorvMachinePart : public ITorvMachinePartDataPart {
public:
    virtual std::unique_ptr<ITorvMachineFaceGeometry> FaceGeometry() = 0;   // 4
    // Where the part starts along the stock, inches: each earlier part's length times its
    // quantity, without kerf; the machine side adds the kerf it was given for each cut.
    virtual void SetPosition(double inches) = 0;                            // 26
};

// ITorvMachinePartData, section form.
class ITorvMachinePartDataSection {
public:
    virtual ~ITorvMachinePartDataSection() = default;
    virtual void SetSection(const SectionData& section) = 0;   // 3
};

// ITorvMachinePartData, job form.
class ITorvMachinePartDataJob {
public:
    virtual ~ITorvMachinePartDataJob() = default;
    virtual void SetIdentity(const std::string& job, const std::string& group, const std::string& name) = 0;  // 3
    virtual void SetLength(double inches) = 0;                                                                // 4
    virtual void SetKerf(double inches) = 0;                                                                  // 5
    virtual void AddPart(ITorvMachinePart& part) = 0;                                                         // 7
    virtual std::unique_ptr<ITorvMachinePart> NewPart() = 0;                                                  // 8
    virtual std::unique_ptr<ITorvMachinePartDataSection> NewSection() = 0;                                    // 11
    virtual void SetUnits(std::int32_t units) = 0;                                                            // 13
};

class ITorvMachineMultData {
public:
    virtual ~ITorvMachineMultData() = default;
    virtual void SetJobKind(std::int32_t kind) = 0;     // 29: 1 part run, 0 mult run
    // 30: nonzero when each part goes as one piece whatever its quantity.
    virtual std::int32_t SinglePieceParts() = 0;
};

// A job object: its job form and its mult data.
class ITorvMachineJob : public ITorvMachinePartDataJob, public ITorvMachineMultData {};

class ITorvMachineHandMult {
public:
    virtual ~ITorvMachineHandMult() = default;
    virtual std::int32_t HasWeldStation() = 0;   // 4
};

// Where the stencil of the part's mark goes, ten-thousandths of an inch.
struct MarkStencil {
    std::int32_t characterWidth = 0;
    std::int32_t along = 0;
    std::int32_t across = 0;
};

// The control object.
class ITorvMachineControl {
public:
    virtual ~ITorvMachineControl() = default;
    virtual std::unique_ptr<ITorvMachineJob> NewJob() = 0;                     // 9
    virtual std::int32_t RunJob(ITorvMachineJob& job) = 0;                     // 10
    virtual std::int32_t RegisterResponse(ITorvMachineResponse* response) = 0; // 12: 0 registered
    virtual void ShowManualScreen(std::int32_t screen) = 0;                    // 14
    virtual void ShowMachineView() = 0;                                        // 16
    virtual void AfterRegistration() = 0;                                      // 18
    virtual std::int32_t StencilCharacterWidth() = 0;                          // 23, ten-thousandths
    virtual std::int32_t StencilsMark() = 0;                                   // 35
    virtual MarkStencil MarkStencilPlacement() = 0;                            // 36
    // The control object's weld-station interface; null when it has none.
    virtual std::unique_ptr<ITorvMachineHandMult> QueryHandMult() = 0;
};

class ITorvMachine {
public:
    virtual ~ITorvMachine() = default;
    virtual std::int32_t FinalizeLoad() = 0;                               // 5: 0 finalised
    virtual std::unique_ptr<ITorvMachineControl> GetControl() = 0;         // 6: may be null
    virtual void SetResponse(ITorvMachineResponse* response) = 0;          // 7
    virtual void ShowToolBar() = 0;                                        // 9
    virtual void Unload() = 0;                                             // 10
    virtual std::int32_t Load() = 0;                                       // 11: 0 loaded
    virtual void MachineSetup() = 0;                                       // 12
};

// The application object, held from a successful start until unload.
class ITorvMachineApplication {
public:
    virtual ~ITorvMachineApplication() = default;
    // The machine interface; null when the application has none.
    virtual std::unique_ptr<ITorvMachine> QueryMachine() = 0;
};

} // namespace torv
