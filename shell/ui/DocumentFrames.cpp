#include "shell/ui/DocumentFrames.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "shell/VarnexStrings.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/NonClosableFrame.h"

#include <QMdiArea>

namespace {

CChildFrame* MakeFrame(FrameKind kind, QWidget* view)
{
    if (kind == FrameKind::nonClosable)
        return new CNonClosableFrame(view);
    return new CChildFrame(view);
}

// The view of a document; null, after telling the user, when it can't be made.
QWidget* MakeView(const ViewFactory& makeView, fw::Document& document)
{
    try {
        return makeView(document);
    } catch (const std::exception& e) {
        const std::string name = document.GetDocTemplate() ? document.GetDocTemplate()->GetDocString(fw::DocTemplate::docName) : "";
        fw::ShowMessage(name + " windows cannot be opened: " + e.what() + ".", fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return nullptr;
    }
}

void KeepPlace(CChildFrame& frame, ChildWindow window)
{
    const ChildWindowKeys& keys = KeysOf(window);
    frame.RestoreWindowPlacement(ids::IDS_CURRENT_SETTINGS, keys.retainKey, ids::IDS_LAYOUT, keys.rectKey);
    frame.SetOnClose([&frame, key = keys.rectKey] { frame.SaveWindowPlacement(ids::IDS_LAYOUT, key); });
}

} // namespace

void InstallFrameFactory(fw::DocTemplate& docTemplate, QMdiArea& area, FrameSpec spec)
{
    docTemplate.SetFrameFactory([&area, spec = std::move(spec)](fw::Document& document) {
        QWidget* view = MakeView(spec.makeView, document);
        if (!view)
            return false;
        CChildFrame* frame = MakeFrame(spec.kind, view);
        area.addSubWindow(frame);
        if (auto* observer = dynamic_cast<fw::View*>(view); observer && observer->GetDocument() != &document) {
            document.AddView(observer);
            observer->OnInitialUpdate();
        }
        frame->UpdateTitle();
        if (spec.addToolBar)
            spec.addToolBar(*frame, *view, document);
        if (spec.placement)
            KeepPlace(*frame, *spec.placement);
        frame->show();
        return true;
    });
}

bool ActivateDocumentFrame(fw::Document& document, QMdiArea& area)
{
    for (QMdiSubWindow* window : area.subWindowList()) {
        auto* frame = dynamic_cast<CChildFrame*>(window);
        if (frame && frame->Document() == &document) {
            area.setActiveSubWindow(frame);
            return true;
        }
    }
    return false;
}
