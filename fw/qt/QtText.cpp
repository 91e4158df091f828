#include "fw/qt/QtText.h"

#include "fw/core/Text1252.h"

namespace fw {

QString ToQString(std::string_view text1252)
{
    QString out;
    out.reserve(qsizetype(text1252.size()));
    for (char c : text1252)
        out.append(QChar(char16_t(Cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

std::string FromQString(const QString& text, bool* replaced)
{
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), std::size_t(utf8.size())), replaced);
}

QStringList QtNameFilters(std::string_view filter)
{
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern.replace(' ', "[!!-~]");
        filters << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return filters;
}

} // namespace fw
