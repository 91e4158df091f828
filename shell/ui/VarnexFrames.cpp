#include "shell/ui/VarnexFrames.h"

#include "fw/core/DocManager.h"
#include "machmult/MachineDoc.h"
#include "machmult/ui/MachineView.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/HmultSplitterFrame.h"
#include "machmult/ui/MultView.h"
#include "machmult/ui/PartListView.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "model/ui/ShapeView.h"
#include "model/ui/ToolView.h"
#include "partprog/DetailSettings.h"
#include "partprog/PartDoc.h"
#include "partprog/ui/FaceView.h"
#include "partprog/ui/PartView.h"
#include "partprog/ui/SplitterFrame.h"
#include "partprog/ui/TabView.h"
#include "shell/ui/ChildFrame.h"

#include <QToolBar>

#include <memory>
#include <stdexcept>

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

// Opens the part programming window on a part: a frame of the pattern template for the document.
void OpenProgrammingWindow(fw::Document& document)
{
    fw::DocManager* manager = document.GetDocTemplate() ? document.GetDocTemplate()->GetDocManager() : nullptr;
    const std::string extension =
        DocStringPart(TemplateDocString(TemplateOf(TemplateId::partProgramming)), DocStringField::filterExt);
    if (fw::DocTemplate* programming = manager ? manager->FindTemplate("Part" + extension) : nullptr)
        programming->CreateFrame(document);
}

FrameSpec PartFrame()
{
    FrameSpec spec = FormFrame<CPartView>(ChildWindow::partInformation, [](fw::Document&) { return new CPartView; });
    spec.addToolBar = [form = std::move(spec.addToolBar)](CChildFrame& frame, QWidget& view, fw::Document& document) {
        form(frame, view, document);
        QObject::connect(&static_cast<CPartView&>(view), &CPartView::ProgrammingWindowRequested, &frame,
                         [&document] { OpenProgrammingWindow(document); });
    };
    return spec;
}

FrameSpec MultFrame()
{
    return FormFrame<machui::CMultView>(ChildWindow::multInformation, [](fw::Document& document) {
        return new machui::CMultView(static_cast<CMultDoc&>(document));
    });
}

// The hand-mult window of a mult: it asks where its parts come from as it opens.
FrameSpec HandMultFrame()
{
    return {[](fw::Document& document) {
                auto* frame = new machui::CHmultSplitterFrame(static_cast<CMultDoc&>(document));
                frame->Start();
                return frame;
            },
            [](CChildFrame& frame, QWidget& view, fw::Document&) {
                auto& hmult = static_cast<machui::CHmultSplitterFrame&>(view);
                hmult.RestoreLayout();
                frame.SetOnClose([&hmult] { hmult.OnClose(); });
            }};
}

// The parts on a mult, on their own.
FrameSpec MultPartListFrame()
{
    return {[](fw::Document& document) {
        auto* list = new machui::CMultPartListView;
        list->SetPartList(&static_cast<CMultDoc&>(document).GetParts());
        return list;
    }};
}

// The part programming windows share the application's detail settings.
using SharedDetails = std::shared_ptr<DetailSettings>;

// A part that can be programmed: one with a part shape of faces.
CPartDoc& ProgrammablePart(fw::Document& document)
{
    auto& part = static_cast<CPartDoc&>(document);
    if (!part.GetPartShape() || part.GetPartShape()->DescribeFaceViews().empty())
        throw std::runtime_error("the part has no shape with faces");
    return part;
}

FrameSpec PartProgrammingFrame(SharedDetails details)
{
    return {[details](fw::Document& document) { return new CSplitterFrame(ProgrammablePart(document), *details); },
            [](CChildFrame& frame, QWidget& view, fw::Document&) {
                auto& splitter = static_cast<CSplitterFrame&>(view);
                splitter.RestoreLayout();
                frame.SetOnClose([&splitter] { splitter.OnClose(); });
            }};
}

FrameSpec TabFrame(SharedDetails details)
{
    return {[details](fw::Document& document) {
        auto* tabs = new CTabView(ProgrammablePart(document), *details);
        tabs->OnInitialUpdate();
        return tabs;
    }};
}

FrameSpec FaceFrame(SharedDetails details)
{
    return {[details](fw::Document& document) {
        CPartDoc& part = ProgrammablePart(document);
        auto* face = new CFaceView(part, part.GetPartShape()->DescribeFaceViews().front(), *details);
        face->OnInitialUpdate();
        return face;
    }};
}

} // namespace

std::map<TemplateId, FrameSpec> VarnexFrames()
{
    const auto details = std::make_shared<DetailSettings>();
    return {{TemplateId::shape, ShapeFrame()},
            {TemplateId::tool, ToolFrame()},
            {TemplateId::machine, MachineFrame()},
            {TemplateId::part, PartFrame()},
            {TemplateId::partProgramming, PartProgrammingFrame(details)},
            {TemplateId::faceView, FaceFrame(details)},
            {TemplateId::tabView, TabFrame(details)},
            {TemplateId::mult, MultFrame()},
            {TemplateId::handMult, HandMultFrame()},
            {TemplateId::multPartList, MultPartListFrame()}};
}
