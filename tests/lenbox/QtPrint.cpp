#include "QtPrint.h"

#include <QString>

#include <ostream>

// Readable QStrings in failure messages.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
