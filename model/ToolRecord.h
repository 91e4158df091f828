#pragma once
// The data of one punch, drill or burning tool, as part tools and tool files hold it.

#include "records/Dimension.h"

#include <string>

struct ToolRecord {
    CDimension sizeA;          // diameter or width, inches
    CDimension sizeB;          // length of a slot or oblong; 0 for round tools
    std::string type;          // two upper-case letters, e.g. "RD"
    int orientation = 0;       // degrees
    int measuringSystem = 0;   // 0 imperial, 1 decimal inch, 2 metric

    // The tool's name in the tool library, e.g. "13_16RD" or "1-1_2X3SL45": the sizes as shown
    // in the measuring system, marks turned into '-' and '_', then the type and the orientation.
    // Tool files are named by it, so every tool with the same data finds the same file.
    std::string GetShortName() const;
};

// ASCII upper case, so that the result does not depend on the process locale.
std::string ToUpperAscii(std::string text);
