#include "shopdisk/ShopDiskReport.h"

#include "fw/core/MessageService.h"

#include <exception>

ShopDiskReport::~ShopDiskReport()
{
    if (std::uncaught_exceptions() == 0)
        Tell();
}

void ShopDiskReport::Tell()
{
    if (problems_.empty())
        return;
    const std::string text = fw::MessageLines(problems_);
    problems_.clear();
    fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
}
