#pragma once
// Windows for the documents of a template: each visible document opens in a new frame of the main
// window's MDI area around a view the template's view factory makes.

#include "fw/core/DocTemplate.h"

#include <functional>

class QMdiArea;
class QWidget;

enum class FrameKind { child, nonClosable };

// Makes the view of a document (the frame takes it over); null when it can't be made.
using ViewFactory = std::function<QWidget*(fw::Document&)>;

// Installs the frame factory: the view goes into a CChildFrame (or CNonClosableFrame) titled
// with the document's title, which is shown; a view that observes the document then gets its
// initial update.
void InstallFrameFactory(fw::DocTemplate& docTemplate, QMdiArea& area, ViewFactory viewFactory,
                         FrameKind kind = FrameKind::child);

// Brings the first frame of an open document to the front; false when it has none.
bool ActivateDocumentFrame(fw::Document& document, QMdiArea& area);
