#pragma once
// The windows of the document kinds this build has: shape, tool, machine, part and mult
// information, each in a child frame with its toolbar, keeping its place as the options say; and
// the part programming window (with the face and tab views on their own), which share one set of
// detail settings.

#include "shell/TemplateTable.h"
#include "shell/ui/DocumentFrames.h"

#include <map>

std::map<TemplateId, FrameSpec> VarnexFrames();
