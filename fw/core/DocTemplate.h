#pragma once
// A document template ties a kind of document to its file extension, its names and the
// factory that makes it; windows for it are made by a frame factory the UI layer installs.

#include "fw/core/FwCoreExport.h"
#include "fw/core/Document.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class DocManager;

class FW_CORE_EXPORT DocTemplate {
public:
    // The parts of a document string, "\n"-separated in this order.
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    // Makes the frame and view for a visible document; false if it could not.
    using FrameFactory = std::function<bool(Document&)>;

    DocTemplate(std::string docString, DocumentFactory factory);
    virtual ~DocTemplate();

    std::string GetDocString(DocStringIndex index) const;
    // The extension with its dot (".prt"), or empty for a template without files.
    std::string GetFilterExtension() const { return GetDocString(filterExt); }
    // True when path ends with the template's extension, in any case.
    bool MatchesPath(const std::string& path) const;

    void SetFrameFactory(FrameFactory factory) { frameFactory_ = std::move(factory); }
    bool HasFrameFactory() const { return bool(frameFactory_); }
    DocManager* GetDocManager() const { return manager_; }

    // Opens the file at path (a new untitled document when path is empty). makeVisible false
    // opens it without a window. Returns null when loading failed (the document is gone).
    Document* OpenDocumentFile(const std::string& path, bool makeVisible = true);
    // Makes a document for this template that the template owns, without loading anything.
    Document* CreateNewDocument();
    // Makes a frame for a document of this template (when a frame factory is installed).
    bool CreateFrame(Document& doc);
    // Closes the document's views and destroys it.
    void CloseDocument(Document* doc);

    const std::vector<std::unique_ptr<Document>>& GetDocuments() const { return documents_; }

private:
    friend class DocManager;
    std::string docString_;
    DocumentFactory factory_;
    FrameFactory frameFactory_;
    DocManager* manager_ = nullptr;
    std::vector<std::unique_ptr<Document>> documents_;
    int untitledCount_ = 0;
};

} // namespace fw
