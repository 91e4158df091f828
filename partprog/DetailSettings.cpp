#include "partprog/DetailSettings.h"

DetailSettings::Choice DetailSettings::ChoiceOf(int index)
{
    return index == current || index == all ? Choice(index) : none;
}

void DetailSettings::SetLines(int choice)
{
    lines_ = ChoiceOf(choice);
}

void DetailSettings::SetPlanes(int choice)
{
    planes_ = ChoiceOf(choice);
}

void DetailSettings::Reset()
{
    lines_ = planes_ = none;
}
