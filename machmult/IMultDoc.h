#pragma once
// The automation interface of the mult document: other programs set a mult's header, add parts
// by job, group and mark, and save it; the navigator reads the shape of a mult file for its tree
// labels. Made through the class registry by class id or ProgID; each object is a windowless
// mult. Lengths are inches.
//
// Every method returns a status: 0 when it did what was asked, 1 when it did not (then nothing
// changed and every output is as passed). GetDescription is the exception: it returns 0 either
// way, and its outputs tell whether the file was read.

#include "fw/core/Component.h"

#include <cstdint>
#include <string>

class IMultDoc : public fw::Unknown {
public:
    static constexpr const char* kClassId = "{6FBFB4C1-BFC7-11D4-984C-006008A85237}";
    static constexpr const char* kProgId = "Varnex.MultDoc";

    // The header, texts trimmed; a changed shape or machine is loaded (when it can't be, the old
    // one stays); the drop becomes the stock length. 1, with nothing changed, when the mark is
    // not a name of 1 to 10 characters, the job or group is not empty or such a name, the
    // sequence or quantity is below 1, a length is negative or not a number, or the measuring
    // system is not 0, 1 or 2.
    virtual std::int32_t MultConvert(const std::string& bstrJob, const std::string& bstrGroup,
                                     const std::string& bstrMark, std::int16_t nSequence, std::int16_t nQuantity,
                                     double dLength, double dKerf, const std::string& bstrShape,
                                     const std::string& bstrDesc, const std::string& bstrGrade,
                                     const std::string& bstrMachine, const std::string& bstrRemA,
                                     const std::string& bstrRemB, std::int16_t nMeasuringSystem) = 0;
    // Reads the mult file named by pbstrFileName into this mult and gives its shape designation
    // type and size. A file that can't be read leaves both outputs as passed.
    virtual std::int32_t GetDescription(std::string& pbstrFileName, std::string& pbstrShape,
                                        std::string& pbstrDesc) = 0;
    // Saves under the first free name "<mark> <sequence>.mlt" of the mult's job and group folder
    // (the sequence is raised past taken names); 1 when nothing was written (no shape, no
    // machine, a name that can't be a file name, a file error).
    virtual std::int32_t SaveMult() = 0;
    // Adds nQuantity pieces of the part file of that job, group and mark, when its shape
    // designation type, size and grade equal the mult's (an empty field of the mult accepts any;
    // blanks around them are ignored; case counts). The drop is lowered by the part's length times
    // nQuantity (it may go below 0: the parts then overfill the stock). 1, with nothing added, for
    // a part that does not match or can't be loaded, or a quantity of 0.
    virtual std::int32_t AddPart(const std::string& bstrJobID, const std::string& bstrGroup,
                                 const std::string& bstrMark, std::uint32_t nQuantity) = 0;
    // The shape designation type and size of the part file of that job, group and mark; 1, with
    // the outputs as passed, when it can't be loaded.
    virtual std::int32_t GetShapeDescriptionFromMultPart(const std::string& bstrJobID, const std::string& bstrGroup,
                                                         const std::string& bstrMark, std::string& pbstrShape,
                                                         std::string& pbstrDesc) = 0;
    // 0 when the machine file of that name loads (the mult then holds that machine), else 1.
    virtual std::int32_t CheckMachine(const std::string& strMachineName) = 0;
    // 0 when the part file of that job, group and mark loads, else 1. The part is not compared
    // with the mult.
    virtual std::int32_t CheckPart(const std::string& bstrJobID, const std::string& bstrGroup,
                                   const std::string& bstrMark) = 0;
};
