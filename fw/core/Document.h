#pragma once
// Documents and their views: a document holds the data of one file (path, title, modified flag),
// loads and saves it through an archive, and tells the views attached to it when it changes.
// Documents are Qt-free; windows observe them as fw::View.

#include "fw/core/FileException.h"
#include "fw/core/FwCoreExport.h"
#include "fw/core/Object.h"

#include <exception>
#include <span>
#include <string>
#include <vector>

namespace fw {

class Archive;
class Document;
class DocTemplate;

// What changed in a document, as a document family describes it to its views (each family
// derives its own type).
class FW_CORE_EXPORT Change {
public:
    virtual ~Change() = default;
    // Whether a view that does not know the change shows the whole document again; otherwise
    // such a view leaves itself as it is.
    virtual bool ShowsEverything() const = 0;
};

// An observer of one document. The window that implements it closes its frame in CloseFrame.
class FW_CORE_EXPORT View {
public:
    virtual ~View();

    Document* GetDocument() const { return document_; }

    // The document changed: sender is the view that made the change (or null), hint and
    // hintObject say what changed (0 and null: everything).
    virtual void OnUpdate(View* sender, long hint, Object* hintObject) = 0;
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
    // One of the document's states changed (Document::NotifyViews). By default the view shows
    // everything again when the change asks for it, and otherwise ignores it.
    virtual void OnChange(View* sender, const Change& change)
    {
        if (change.ShowsEverything())
            OnUpdate(sender, 0, nullptr);
    }
    // Hands what the view holds in its fields to the document, through the document's own
    // methods; false when a field is refused (the view has told the user, the document is
    // unchanged). The document asks before it saves; views without fields have nothing to hand.
    virtual bool CommitPendingEdits() { return true; }
    // True for a view that edits the document in fields of its own, which CommitPendingEdits
    // hands over: closing its window while another window shows the document asks about them.
    virtual bool HoldsEdits() const { return false; }
    // Asks the view's frame window to close; the frame detaches the view from the document.
    virtual void CloseFrame() {}

private:
    friend class Document;
    Document* document_ = nullptr;
};

class FW_CORE_EXPORT Document : public Object {
    FW_DECLARE_DYNAMIC(Document)
public:
    // Largest document file that is loaded; larger files are refused as invalid.
    static constexpr std::uint64_t maxFileSize = 256u << 20;

    Document();
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::string& GetPathName() const { return path_; }
    // Sets the path (Windows form) and the title from its file name; adds it to the
    // recent-file list of the document's manager when asked to.
    virtual void SetPathName(const std::string& path, bool addToRecentList = true);
    const std::string& GetTitle() const { return title_; }
    virtual void SetTitle(const std::string& title);

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    DocTemplate* GetDocTemplate() const { return template_; }

    void AddView(View* view);
    void RemoveView(View* view);
    const std::vector<View*>& GetViews() const { return views_; }
    void UpdateAllViews(View* sender, long hint = 0, Object* hintObject = nullptr);
    // Tells every view but the sender that a state changed.
    void NotifyViews(View* sender, const Change& change);
    // Every view commits its pending edits (View::CommitPendingEdits); false at the first that
    // refuses.
    bool CommitPendingEdits();

    // A fresh, empty document: contents deleted, no path, not modified.
    virtual bool OnNewDocument();
    // Loads the file at path through Serialize. On failure reports the error and leaves the
    // document empty.
    virtual bool OnOpenDocument(const std::string& path);
    // Stores the document through Serialize and replaces the file at path atomically: a failed
    // save reports the error and leaves the previous file as it was.
    virtual bool OnSaveDocument(const std::string& path);

    // How a save puts its file: over one that is there, or only where none is.
    enum class SaveMode { replace, createNew };
    // What a save came to; nameTaken: createNew found a file there (nothing written, nothing reported).
    enum class SaveResult { saved, failed, nameTaken };
    // Closes every view's frame and deletes the contents (the owner then destroys the document).
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    // Asks whether to save a modified document; false when the user cancels or the save fails.
    virtual bool SaveModified();
    // Whether a window showing the document may close: frameViews are the document's views in
    // it; windowNumber is 0 when it is the document's only window, above 0 while others show it.
    // The last window asks to save a modified document (SaveModified); another one closes.
    virtual bool CanCloseFrame(std::span<View* const> frameViews, int windowNumber);
    // Saves to path, or asks for a name when path is empty; with replace the document takes
    // the new path.
    virtual bool DoSave(const std::string& path, bool replace = true);
    // Saves to the document's own path (asking for one when it has none).
    virtual bool DoFileSave();

    // Shows the error a load or save raised ("ERROR: <cause> -- On File <path>").
    virtual void ReportSaveLoadException(const std::string& path, std::exception_ptr error, bool saving);

    // True while the document has no window (automation, conversion, automatic multing).
    bool IsWindowless() const { return views_.empty(); }

protected:
    // Stores the document through Serialize and puts it at path as the mode says; a failure is
    // reported. The document is unmodified after a save.
    SaveResult StoreDocument(const std::string& path, SaveMode mode);

private:
    friend class DocTemplate;
    DocTemplate* template_ = nullptr;
    std::string path_;
    std::string title_;
    bool modified_ = false;
    std::vector<View*> views_;
};

// The cause of a load or save error: the file layer's own, invalidFile for a damaged archive,
// genericException for anything else.
FW_CORE_EXPORT FileException::Cause SaveLoadErrorCause(std::exception_ptr error);
// The message shown for a load or save error: "ERROR: <cause text> -- On File <path>".
FW_CORE_EXPORT std::string SaveLoadErrorText(const std::string& path, std::exception_ptr error);

} // namespace fw
