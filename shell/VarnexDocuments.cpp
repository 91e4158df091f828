#include "shell/VarnexDocuments.h"

#include "fw/core/FileException.h"
#include "fw/core/MessageService.h"
#include "model/SmartDoc.h"
#include "shell/UnavailableDocument.h"

namespace {

// A document read without a window keeps what it could not resolve; once it is shown, the user
// is told.
void ReportOpenProblems(fw::Document* document)
{
    if (auto* smart = dynamic_cast<CSmartDoc*>(document))
        ReportLoadProblems(smart->TakeLoadProblems());
}

// A template without a frame factory has no window for its documents in this build.
bool CanShow(fw::DocTemplate& docTemplate)
{
    if (docTemplate.HasFrameFactory())
        return true;
    fw::ShowMessage(UnavailableDocument::Text(docTemplate.GetDocString(fw::DocTemplate::docName)),
                    fw::MB_OK | fw::MB_ICONINFORMATION);
    return false;
}

} // namespace

class VarnexDocuments::Handle : public ItemDocument {
public:
    explicit Handle(fw::Document& document) : document_(document), smart_(dynamic_cast<CSmartDoc*>(&document)) {}

    void SetPathName(const std::string& path) override { document_.SetPathName(path, true); }
    void ClearModel() override
    {
        if (smart_)
            smart_->ClearModel();
    }
    void MakeUntitledCopy() override
    {
        const std::string title = document_.GetTitle();
        document_.SetPathName({}, false);
        document_.SetTitle(title);
        if (smart_)
            smart_->SetSaveAllowed(false);
    }
    void MarkNew() override
    {
        if (smart_)
            smart_->SetDocumentState(CSmartDoc::stateNew);
    }
    void ShowFrame() override
    {
        fw::DocTemplate& docTemplate = *document_.GetDocTemplate();
        if (!CanShow(docTemplate) || !docTemplate.CreateFrame(document_))
            docTemplate.CloseDocument(&document_);
        else
            ReportOpenProblems(&document_);
    }

private:
    fw::Document& document_;
    CSmartDoc* smart_;   // null for documents of another kind
};

TemplateId TemplateOfObject(nav::Object object)
{
    switch (object) {
    case nav::Object::mult: return TemplateId::mult;
    case nav::Object::shape: return TemplateId::shape;
    case nav::Object::tool: return TemplateId::tool;
    case nav::Object::machine: return TemplateId::machine;
    default: return TemplateId::part;
    }
}

VarnexDocuments::VarnexDocuments(const Factories& factories, fw::Poster* poster)
{
    for (const TemplateInfo& info : VarnexTemplates()) {
        const std::string docString = TemplateDocString(info);
        fw::DocTemplate::DocumentFactory factory;
        if (const auto found = factories.find(info.id); found != factories.end() && found->second) {
            factory = [make = found->second, poster] {
                std::unique_ptr<fw::Document> document = make();
                if (auto* smart = dynamic_cast<CSmartDoc*>(document.get()))
                    smart->SetPoster(poster);
                return document;
            };
            available_[info.id] = true;
        } else {
            factory = [name = DocStringPart(docString, DocStringField::docName)] {
                return std::make_unique<UnavailableDocument>(name);
            };
        }
        templates_.emplace(info.id, manager_.AddDocTemplate(std::make_unique<fw::DocTemplate>(docString, factory)));
    }
}

VarnexDocuments::~VarnexDocuments()
{
    handle_.reset();
    manager_.CloseAllDocuments();
}

fw::DocTemplate& VarnexDocuments::Template(TemplateId id) const
{
    return *templates_.at(id);
}

ItemDocument* VarnexDocuments::HandleOf(fw::Document* document)
{
    handle_ = document ? std::make_unique<Handle>(*document) : nullptr;
    return handle_.get();
}

ItemDocument* VarnexDocuments::NewHidden(nav::Object kind)
{
    return HandleOf(Template(TemplateOfObject(kind)).OpenDocumentFile({}, false));
}

ItemDocument* VarnexDocuments::OpenHidden(nav::Object kind, const std::string& path)
{
    return HandleOf(Template(TemplateOfObject(kind)).OpenDocumentFile(path, false));
}

void VarnexDocuments::NewVisible(nav::Object kind)
{
    fw::DocTemplate& docTemplate = Template(TemplateOfObject(kind));
    if (CanShow(docTemplate))
        docTemplate.OpenDocumentFile({}, true);
}

void VarnexDocuments::OpenFile(const std::string& path)
{
    if (fw::Document* open = manager_.FindOpenDocument(path)) {
        if (activate_)
            activate_(*open);
        return;
    }
    fw::DocTemplate* docTemplate = manager_.FindTemplate(path);
    if (!docTemplate) {
        fw::ShowMessage(fw::FileException::Message(fw::FileException::invalidFile, path), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return;
    }
    if (CanShow(*docTemplate))
        ReportOpenProblems(docTemplate->OpenDocumentFile(path, true));
}
