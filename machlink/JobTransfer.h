#pragma once
// Fills a job of the machine side with what the machine needs: the job's identity and units, the
// section of its shape, and each part with its faces, hole patterns, tools and stencil marks at
// its position along the stock.

#include "machlink/TorvMachine.h"

#include <stdexcept>
#include <string>

class CPartDoc;
struct MultRecord;

namespace torv {

// Codes of the machine side.
enum FaceCode : std::int32_t { faceWeb = 1, faceTopFlange = 2, faceBottomFlange = 3, faceWeb2 = 4 };
// Measuring system 0 imperial, 1 decimal inch, 2 metric -> 1, 3, 2; anything else 0.
std::int32_t UnitsCode(int measuringSystem);
// Profile code of a shape kind (ShapeKind) and the part's channel-leg flag.
std::int32_t ProfileCode(int shapeKind, int channelLeg);
// Tool kind code of a tool class (CPartTool::Kind).
std::int32_t ToolKindCode(int toolKind);
// Pattern operation code of an operation type (CPattern::Operation).
std::int32_t OperationCode(int operation);
// Remark A and remark B as one text: A, or A CR LF B, or B alone.
std::string JoinRemarks(const std::string& remarkA, const std::string& remarkB);
// A mult's name on the machine side: its mark, followed by a blank and its sequence above 0.
std::string MultRunName(const MultRecord& mult);

// A part that cannot be sent (it has no valid shape).
class JobError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class JobTransfer {
public:
    // Length of stock the machine keeps back from a mult's drop: only a drop more than this plus
    // one inch is sent as a piece, of the drop less this.
    static constexpr double kDropAllowance = 12.0;

    JobTransfer(ITorvMachineControl& control, ITorvMachineJob& job) : control_(control), job_(job) {}

    // Job kind, units and identity of a part run: the part's job, group, mark and length.
    void StartPartJob(CPartDoc& part);
    // Job kind, units, identity (job, group, name, stock length) and kerf of a mult run.
    void StartMultJob(const MultRecord& mult);
    // The section of the part's shape; once per job, before the first part.
    void SendSection(CPartDoc& part);
    // One part at a position along the stock (inches) in a quantity.
    void SendPart(CPartDoc& part, double position, std::int32_t quantity);
    // The drop piece of a mult ("<mark> - Drop") at a position, of a length; nothing unless the
    // mult's drop leaves more than an inch after the allowance. Returns the length sent (0 for
    // none).
    double SendDropPiece(const MultRecord& mult, double position);

private:
    void SendFaces(ITorvMachinePart& part, CPartDoc& doc);
    void SendStencils(ITorvMachinePart& part, CPartDoc& doc);
    void SendStencil(ITorvMachinePart& part, double along, double across, double characterWidth,
                     const std::string& text, std::int32_t face);

    ITorvMachineControl& control_;
    ITorvMachineJob& job_;
};

} // namespace torv
