#include "machmult/ui/AutoMultLists.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace machui {

int AddColumns(QTreeWidget& list, const char* headings)
{
    const QStringList texts = QString::fromLatin1(headings).split(u',');
    list.setColumnCount(int(texts.size()));
    list.setHeaderLabels(texts);
    const QFontMetrics metrics(list.header()->font());
    int total = 0;
    for (int column = 0; column < texts.size(); ++column) {
        const int width = metrics.horizontalAdvance(texts[column]) + 15;
        list.setColumnWidth(column, width);
        total += width;
    }
    return total;
}

int FitColumnsToTexts(QTreeWidget& list)
{
    int total = 0;
    for (int column = 0; column < list.columnCount(); ++column) {
        const int heading = list.columnWidth(column);
        list.resizeColumnToContents(column);
        list.setColumnWidth(column, std::max(heading, list.columnWidth(column)));
        total += list.columnWidth(column);
    }
    return total;
}

QIcon ShapeKindIcon(int kind, bool overlay)
{
    // Small section outlines: beam, channel, angle, flat bar, plate, T, tube.
    static const char* const kOutlines[] = {"I", "C", "L", "-", "P", "T", "O"};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkBlue);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    const bool known = kind >= 0 && kind < 7;
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromLatin1(known ? kOutlines[kind] : "?"));
    if (overlay) {
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(2, 2, 13, 13);
        painter.drawLine(13, 2, 2, 13);
    }
    return QIcon(pixmap);
}

long SixteenthsApart(double a, double b) { return long(std::trunc((a - b) * 16.0)); }

} // namespace machui
