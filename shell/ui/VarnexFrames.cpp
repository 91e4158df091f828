#include "shell/ui/VarnexFrames.h"

#include "machmult/MachineDoc.h"
#include "machmult/ui/MachineView.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/MultView.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "model/ui/ShapeView.h"
#include "model/ui/ToolView.h"
#include "partprog/ui/PartView.h"
#include "shell/ui/ChildFrame.h"

#include <QToolBar>

namespace {

// Save and Save/New of a document, enabled as the document says.
template <class Doc> void AddSaveCommands(CChildFrame& frame, QToolBar& toolBar, Doc& document,
                                          void (Doc::*save)(), void (Doc::*saveNew)())
{
    const auto enabled = [&document](unsigned command) {
        return [&document, command] { return document.IsCommandEnabled(command).value_or(true); };
    };
    frame.AddCommand(toolBar, QStringLiteral("&Save"), QKeySequence::Save, [&document, save] { (document.*save)(); },
                     enabled(ID_FILE_SAVE));
    frame.AddCommand(toolBar, QStringLiteral("Save/&New"), QKeySequence(), [&document, saveNew] { (document.*saveNew)(); },
                     enabled(ID_FILE_SAVE_NEW));
}

FrameSpec ShapeFrame()
{
    return {[](fw::Document&) { return new CShapeView; },
            [](CChildFrame& frame, QWidget&, fw::Document& document) {
                auto& shape = static_cast<CShapeDoc&>(document);
                AddSaveCommands(frame, *frame.CreateDockedToolBar(KeysOf(ChildWindow::shapeInformation).toolbar), shape, &CShapeDoc::OnFileSave,
                                &CShapeDoc::OnFileSaveNew);
            },
            ChildWindow::shapeInformation};
}

FrameSpec ToolFrame()
{
    // The tool document saves under its short name: Save and Save/New are the same command.
    return {[](fw::Document&) { return new CToolView; },
            [](CChildFrame& frame, QWidget&, fw::Document& document) {
                auto& tool = static_cast<CToolDoc&>(document);
                AddSaveCommands(frame, *frame.CreateDockedToolBar(KeysOf(ChildWindow::toolInformation).toolbar), tool, &CToolDoc::OnFileSave, &CToolDoc::OnFileSave);
            },
            ChildWindow::toolInformation};
}

// A form that brings its own toolbar commands, on the window's docked toolbar.
template <class View> FrameSpec FormFrame(ChildWindow window, ViewFactory makeView)
{
    return {std::move(makeView),
            [window](CChildFrame& frame, QWidget& view, fw::Document&) {
                frame.CreateDockedToolBar(KeysOf(window).toolbar)->addActions(static_cast<View&>(view).ToolBarActions());
            },
            window};
}

FrameSpec MachineFrame()
{
    return FormFrame<machui::CMachineView>(ChildWindow::machineInformation, [](fw::Document& document) {
        return new machui::CMachineView(static_cast<CMachineDoc&>(document));
    });
}

FrameSpec PartFrame()
{
    return FormFrame<CPartView>(ChildWindow::partInformation, [](fw::Document&) { return new CPartView; });
}

FrameSpec MultFrame()
{
    return FormFrame<machui::CMultView>(ChildWindow::multInformation, [](fw::Document& document) {
        return new machui::CMultView(static_cast<CMultDoc&>(document));
    });
}

} // namespace

std::map<TemplateId, FrameSpec> VarnexFrames()
{
    return {{TemplateId::shape, ShapeFrame()}, {TemplateId::tool, ToolFrame()}, {TemplateId::machine, MachineFrame()},
            {TemplateId::part, PartFrame()}, {TemplateId::mult, MultFrame()}};
}
