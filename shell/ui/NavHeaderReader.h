#pragma once
// Descriptions of part and mult files for the navigator, read from the first bytes of each file
// (the header fields before the shape designation and size): no document is made, no message is
// shown, and a file that cannot be read has no description.

#include "navigator/ItemDescriber.h"

class NavHeaderReader : public nav::ItemDescriber {
public:
    std::optional<nav::Description> Describe(nav::ItemKind kind, const std::string& path) override;
};
