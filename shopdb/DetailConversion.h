#pragma once
// Conversions between the model's patterns, stencil marks and tools and the detail records of
// the shop database.

#include "model/Pattern.h"
#include "model/StencilPattern.h"
#include "shopdb/DetailRecords.h"

#include <memory>

// A tool size as its length value shows it, in inches: metric for measuring system 2, imperial
// (rounded to its fraction) for any other.
double DisplayedToolSize(const CDimension& size, int measuringSystem);

// The pattern's record: its lengths, its plane and its tool with sizes as displayed; a pattern
// without a tool has a blank tool type and zero sizes and orientation.
PatternRecord PatternRecordOf(const CPattern& pattern);
// An imperial pattern with its plane and a tool of the record's sizes, type and orientation;
// without a tool when the record holds no tool data. Throws RecordImageError for counts beyond
// a pattern's limits (CPattern::kMaxCount, kMaxElements) and for a plane a stored part may not
// hold (CRefPlane::IsKnown).
std::unique_ptr<CPattern> PatternOfRecord(const PatternRecord& record);

StencilRecord StencilRecordOf(const CStencilPattern& mark);
// An imperial stencil mark.
std::unique_ptr<CStencilPattern> StencilOfRecord(const StencilRecord& record);

// The tool's plain sizes, type and orientation.
ToolListRecord ToolListRecordOf(const CPartTool& tool);
