#pragma once
// Descriptions of part and mult files for the navigator: the shape designation and size from each
// file's header, read as the report windows read it (ReportLister.h). No document is made, no
// message is shown, and a file whose header cannot be read has no description.

#include "navigator/ItemDescriber.h"

class NavHeaderReader : public nav::ItemDescriber {
public:
    std::optional<nav::Description> Describe(nav::ItemKind kind, const std::string& path) override;
};
