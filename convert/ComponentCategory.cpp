#include "convert/ComponentCategory.h"

#include "fw/core/ComponentCategories.h"

fw::HRESULT CreateComponentCategory(const std::string& category, const std::string& description)
{
    return fw::ComponentCategories::Instance().Register(category, fw::ComponentCategories::kUsEnglish, description);
}
