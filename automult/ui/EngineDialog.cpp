#include "automult/ui/EngineDialog.h"

void PlaceEngineWindow(QWidget& window)
{
    window.setWindowFlag(Qt::WindowStaysOnTopHint);
    window.move(400, 300);
}

QPushButton* AddIdButton(QWidget& parent, const QString& text, int id)
{
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(QString::number(id));
    return button;
}
