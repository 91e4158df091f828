#include "Twin.h"

int Twin::Value() const { return Inline() + 1; }
