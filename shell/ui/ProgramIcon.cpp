#include "shell/ui/ProgramIcon.h"

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/varnex/varnex.png"));
}
