#pragma once
// The program's documents: the document manager with the eleven templates in registration order,
// and the create and open operations the dispatcher uses on them. A template whose document kind
// is not in this build makes documents that say they cannot be opened yet.

#include "fw/core/DocManager.h"
#include "shell/NavServices.h"
#include "shell/TemplateTable.h"

#include <functional>
#include <map>
#include <memory>

namespace fw {
class Poster;
}

class VarnexDocuments : public ItemDocuments {
public:
    using Factories = std::map<TemplateId, fw::DocTemplate::DocumentFactory>;

    // Documents of the program's document base (CSmartDoc) get the poster for the commands they
    // post to themselves (File Close after Save/New).
    VarnexDocuments(const Factories& factories, fw::Poster* poster);
    ~VarnexDocuments() override;

    fw::DocManager& Manager() { return manager_; }
    fw::DocTemplate& Template(TemplateId id) const;
    bool IsAvailable(TemplateId id) const { return available_.contains(id); }
    // Brings the window of a document that is open already to the front.
    void SetFrameActivator(std::function<void(fw::Document&)> activate) { activate_ = std::move(activate); }

    ItemDocument* NewHidden(nav::Object kind) override;
    ItemDocument* OpenHidden(nav::Object kind, const std::string& path) override;
    void NewVisible(nav::Object kind) override;
    void OpenFile(const std::string& path) override;
    bool SaveAllModified() override { return manager_.SaveAllModified(); }

private:
    class Handle;
    ItemDocument* HandleOf(fw::Document* document);

    fw::DocManager manager_;
    std::map<TemplateId, fw::DocTemplate*> templates_;
    std::map<TemplateId, bool> available_;
    std::function<void(fw::Document&)> activate_;
    std::unique_ptr<Handle> handle_;   // the document the current create command works on
};

// The template of a dispatcher object (part, mult, shape, tool, machine).
TemplateId TemplateOfObject(nav::Object object);
