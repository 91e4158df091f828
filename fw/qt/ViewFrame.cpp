#include "fw/qt/ViewFrame.h"

#include "fw/core/Document.h"

#include <QWidget>

namespace fw {

void CloseViewFrame(View& view, QWidget& widget)
{
    if (Document* doc = view.GetDocument())
        doc->RemoveView(&view);
    QWidget* frame = widget.parentWidget() ? widget.parentWidget() : &widget;
    frame->close();
}

} // namespace fw
