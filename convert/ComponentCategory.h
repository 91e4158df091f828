#pragma once
// Registers a component category with the program's category manager (fw::ComponentCategories)
// in US English, under its description cut to 127 characters.

#include "convert/BRAXConvertExport.h"
#include "fw/core/Component.h"

#include <string>

BRAXCONVERT_EXPORT fw::HRESULT CreateComponentCategory(const std::string& category, const std::string& description);
