#pragma once
// Closing the window of a document's view: the view leaves its document first, so that closing
// the frame does not ask about the document again, then its frame (or the view itself when it
// has no frame) closes.

class QWidget;

namespace fw {

class View;

void CloseViewFrame(View& view, QWidget& widget);

} // namespace fw
