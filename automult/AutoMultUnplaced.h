#pragma once
// The parts a search had to leave: when a pass can place nothing more (parts longer than the
// stock kept with Mult, or needing tools in a zone where the machine has no station), the search
// ends with the mults made so far and lists here what is still wanted.

#include "fw/core/Component.h"

#include <string>
#include <vector>

struct AMUnplacedPart {
    std::string job;
    std::string group;
    std::string mark;
    int quantity = 0;   // pieces left unplaced
    bool operator==(const AMUnplacedPart&) const = default;
};

class IAutoMultUnplaced : public virtual fw::Unknown {
public:
    // Empty unless the last MultCurrentShape ended that way.
    virtual std::vector<AMUnplacedPart> GetUnplacedParts() const = 0;
};
