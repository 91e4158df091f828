#include "fw/qt/QtText.h"

namespace fw {

// Latin-1 for now; the Windows-1252 table replaces it here alone.
QString ToQString(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string FromQString(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace fw
