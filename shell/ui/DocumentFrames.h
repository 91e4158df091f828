#pragma once
// Windows for the documents of a template: each visible document opens in a new frame of the main
// window's MDI area around a view the template's frame spec makes.

#include "fw/core/DocTemplate.h"
#include "shell/WindowPlacement.h"

#include <functional>
#include <optional>

class CChildFrame;
class QMdiArea;
class QWidget;

enum class FrameKind { child, nonClosable };

// Makes the view of a document (the frame takes it over); null when it can't be made. A view
// that is an fw::View and does not attach itself to the document is attached by the frame.
using ViewFactory = std::function<QWidget*(fw::Document&)>;

struct FrameSpec {
    ViewFactory makeView;
    // Builds the frame's toolbar and commands for the view.
    std::function<void(CChildFrame& frame, QWidget& view, fw::Document& document)> addToolBar{};
    // The kind of window whose place is restored (when retained) and stored on close.
    std::optional<ChildWindow> placement{};
    FrameKind kind = FrameKind::child;
};

// Installs the frame factory: the view goes into a CChildFrame (or CNonClosableFrame) titled with
// the document's title; a view that still has to be attached is attached and gets its initial
// update; the frame is placed and shown.
void InstallFrameFactory(fw::DocTemplate& docTemplate, QMdiArea& area, FrameSpec spec);

// Brings the first frame of an open document to the front; false when it has none.
bool ActivateDocumentFrame(fw::Document& document, QMdiArea& area);
