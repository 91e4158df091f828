#include "shell/ui/DocumentFrames.h"

#include "fw/qt/QtText.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/NonClosableFrame.h"

#include <QMdiArea>

void InstallFrameFactory(fw::DocTemplate& docTemplate, QMdiArea& area, ViewFactory viewFactory, FrameKind kind)
{
    docTemplate.SetFrameFactory([&area, viewFactory = std::move(viewFactory), kind](fw::Document& document) {
        QWidget* view = viewFactory(document);
        if (!view)
            return false;
        CChildFrame* frame = kind == FrameKind::child ? new CChildFrame(view, &document)
                                                      : new CNonClosableFrame(view, &document);
        frame->setWindowTitle(fw::ToQString(document.GetTitle()));
        area.addSubWindow(frame);
        frame->show();
        if (auto* observer = dynamic_cast<fw::View*>(view); observer && observer->GetDocument() == &document)
            observer->OnInitialUpdate();
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
