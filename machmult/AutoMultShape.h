#pragma once
// One stock choice of automatic multing: the parts of one shape and grade (longest first), the
// stock shape and machine they are multed with, and the stock length and kerf of the choice.
// Choices are kept in the order of their key (shape designation type, size and grade joined).

#include "machmult/MultShape.h"
#include "machmult/PartList.h"
#include "model/LoadProblems.h"
#include "records/Dimension.h"
#include "model/Machine.h"

#include <memory>
#include <string>

class CAutoMultShape {
public:
    explicit CAutoMultShape(std::string key = {}) : key_(std::move(key)) {}

    const std::string& GetKey() const { return key_; }

    // Selected for multing (1 when made and each time a part joins).
    bool IsSelected() const { return selected_; }
    void SetSelected(bool selected) { selected_ = selected; }

    const std::string& GetGrade() const { return grade_; }
    void SetGrade(const std::string& grade) { grade_ = grade; }
    CDimension& GetStockLength() { return stockLength_; }
    const CDimension& GetStockLength() const { return stockLength_; }
    CDimension& GetKerf() { return kerf_; }
    const CDimension& GetKerf() const { return kerf_; }

    // The stock shape and its kind (0 beam ... 6 tube), none until loaded.
    CMultShape* GetShape() const { return shape_.get(); }
    int GetShapeKind() const { return shapeKind_; }
    void SetShape(std::unique_ptr<CMultShape> shape, int kind);
    // "W 12X26": the shape's designation type and size; empty without a shape.
    std::string GetShapeName() const;
    // Loads the shape file of that designation type and size; false (the shape stays) when it
    // can't. What went wrong is added to problems, not shown.
    bool LoadShape(const std::string& desctp, const std::string& desc, LoadProblems& problems);

    CMachine* GetMachine() const { return machine_.get(); }
    // The machine, named by its own record.
    void SetMachine(std::unique_ptr<CMachine> machine);
    // The name the machine is found by in the machine directory (what a mult names); empty
    // without a machine.
    const std::string& GetMachineName() const { return machineName_; }
    // Loads the machine of that name from the machine directory; false (the machine stays) when
    // it can't. A file that can't be read is added to problems; a name that can't name a file
    // gives false alone.
    bool LoadMachine(const std::string& name, LoadProblems& problems);

    CAutoMultPartList& GetParts() { return parts_; }
    const CAutoMultPartList& GetParts() const { return parts_; }
    // Adds a part longest first, numbering it after the parts already there, and selects the
    // choice again. A part whose key is already in the choice is refused (returned false) and
    // stays with the caller, so a part reached twice is multed once.
    bool AddPart(std::unique_ptr<CMultPart>& part);

private:
    bool selected_ = true;
    std::string grade_;
    CDimension stockLength_;
    CDimension kerf_;
    std::unique_ptr<CMultShape> shape_;
    int shapeKind_ = -1;
    CAutoMultPartList parts_;
    std::unique_ptr<CMachine> machine_;
    std::string machineName_;
    std::string key_;
};
