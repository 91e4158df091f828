#pragma once
// The header of the mult that tests and benchmarks start from.

#include "records/MultRecord.h"

#include <string>

namespace multtest {

// Mult M, sequence 1, of job J1 and group G1: one piece of a 480-inch W 12X26 stock on the machine.
inline MultRecord SampleMultRecord(const std::string& machine)
{
    MultRecord data;
    data.job = "J1";
    data.group = "G1";
    data.mark = "M";
    data.sequence = 1;
    data.quantity = 1;
    data.length = 480.0;
    data.shapeDesctp = "W ";
    data.shapeDesc = "12X26";
    data.machine = machine;
    return data;
}

} // namespace multtest
