#include "tests/navigator/fuzz/NavStreamFuzz.h"

#include "navigator/NavPropertyStream.h"

#include "fw/core/ArchiveException.h"

#include <cstdio>
#include <cstdlib>

namespace navfuzz {

namespace {

std::vector<std::uint8_t> Stored(const nav::NavProperties& p)
{
    fw::Archive ar;
    nav::WriteProperties(ar, p);
    return ar.TakeBytes();
}

// Properties unlike the defaults, for the stream to be loaded over.
nav::NavProperties Base()
{
    nav::NavProperties p;
    p.ShowJobs = 0;
    p.JobLabel = "Base jobs";
    p.PartExtension = ".bse";
    return p;
}

bool Takes(const nav::NavProperties& p)
{
    for (const long value : {p.ShowJobs, p.ShowShapes, p.ShowTools, p.ShowMachines, p.ShowParts, p.ShowMults})
        if (!nav::IsValidSwitch(value))
            return false;
    for (const std::string* label : {&p.JobLabel, &p.GroupLabel, &p.MachineLabel, &p.ShapeLabel, &p.ToolLabel,
                                     &p.PartLabel, &p.MultLabel})
        if (!nav::IsValidLabel(*label))
            return false;
    for (const std::string* extension :
         {&p.PartExtension, &p.MultExtension, &p.MachineExtension, &p.ShapeExtension, &p.ToolExtension})
        if (!nav::IsValidExtension(*extension))
            return false;
    return true;
}

} // namespace

std::string Check(const std::vector<std::uint8_t>& stream)
{
    const nav::NavProperties base = Base();
    nav::NavProperties loaded;
    try {
        fw::Archive ar(stream);
        loaded = nav::ReadProperties(ar, base);
    } catch (const fw::ArchiveException&) {
        return {};   // refused as damaged: nothing was loaded
    }
    if (!Takes(loaded))
        return "a value the control cannot take was loaded";
    const std::vector<std::uint8_t> saved = Stored(loaded);
    try {
        fw::Archive again(saved);
        if (Stored(nav::ReadProperties(again, base)) != saved)
            return "the saved stream does not load and save to the same bytes";
    } catch (const fw::ArchiveException& e) {
        return std::string("the saved stream does not load: ") + e.what();
    }
    return {};
}

} // namespace navfuzz

int FuzzNavStream(const std::uint8_t* data, std::size_t size)
{
    const std::string fault = navfuzz::Check(std::vector<std::uint8_t>(data, data + size));
    if (!fault.empty()) {
        std::fprintf(stderr, "navigator property stream: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
