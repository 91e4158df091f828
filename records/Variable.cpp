#include "records/Variable.h"

FW_IMPLEMENT_DYNAMIC(CVariable, fw::Object)

int CVariable::SetText(const std::string&) { return 0; }

void CVariable::AcceptText(std::string) {}

int CVariable::CursorRight(int& cursor)
{
    const int length = int(text_.size());
    if (cursor < length)
        ++cursor;
    return length;
}

int CVariable::CursorLeft(int& cursor)
{
    if (cursor >= 1)
        --cursor;
    return cursor;
}

void CVariable::UpdateFromValue() {}

std::string CVariable::GetText() const { return {}; }
