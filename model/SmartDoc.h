#pragma once
// The common base of the program's documents (part, mult, shape, tool, machine). It adds the
// key-fields rule: the fields that name a document's file are editable on a new document and
// locked on one that stands for a file, and a document started from an old one by Save/New may
// not be saved until a key field has changed, so that it can't overwrite the file it came from.

#include "fw/core/Document.h"
#include "model/CommandIds.h"

#include <memory>
#include <optional>
#include <string>

namespace fw {
class Poster;
}


class CSmartDoc : public fw::Document {
    FW_DECLARE_DYNAMIC(CSmartDoc)
public:
    enum State { stateNew = 1, stateStored = 2 };

    // The message shown when a save would put a Save/New document on top of its old file.
    static constexpr unsigned IDS_SAVE_ON_TOP_OF_OLD = 208;

    CSmartDoc();
    ~CSmartDoc() override;

    // Empties the document's model (the part's patterns, the mult's parts).
    virtual void ClearModel() {}
    virtual void EnableKeyFields() { keyFields_ = 1; }
    virtual void DisableKeyFields() { keyFields_ = 0; }
    // Makes one view per face; the number made.
    virtual int CreateFaceViews() { return 0; }
    // The document's own save; by default File Save.
    virtual bool SaveDocument() { return DoFileSave(); }

    // On success the document is new: its key fields are editable.
    bool OnNewDocument() override;
    // The path is the document's own while it loads. A failed open leaves the previous path
    // and adds nothing to the recent-file list.
    bool OnOpenDocument(const std::string& path) override;
    // Refused (message 208, nothing written) while saving is not allowed; otherwise makes the
    // folders of the path, saves (atomically) and takes the path, which joins the recent files.
    bool OnSaveDocument(const std::string& path) override;
    // The same with the mode: createNew puts the file only where none is (nameTaken otherwise,
    // nothing written or reported).
    SaveResult SaveTo(const std::string& path, SaveMode mode);

    // The folder of the current path + name + the template's extension, not a recent file.
    void SetFileName(const std::string& name);
    // Closes the frames of every view but keep; without keep, posts File Close for the document.
    void CloseOtherViews(fw::View* keep);
    // File Close: asks to save a modified document, then closes it.
    void OnFileClose();
    // Where CloseOtherViews posts File Close; none: it is not posted.
    void SetPoster(fw::Poster* poster) { poster_ = poster; }

    // Whether a command is enabled on this document; nothing for commands it does not decide.
    // Save, Save As and Save/New are enabled exactly while saving is allowed.
    virtual std::optional<bool> IsCommandEnabled(unsigned command) const;

    // Reads a file into the document without taking its path or a window: its bytes (at most
    // maxFileSize), then the archive. A file that can't be opened changes nothing (reported after
    // an exclamation beep when reportUnopened); one that can't be read leaves the document empty
    // (reported when reportUnreadable). True when read whole; the document is then unmodified.
    bool ReadDocumentFile(const std::string& path, bool reportUnopened, bool reportUnreadable);

    // The end of Save/New once the forms are in the document: saves (as modified, so the save
    // always writes), then keeps the header as the start of a new document: the model emptied
    // when asked, every view but keep closed, the key fields open, saving refused until a key
    // field changes, the views told with the hint. A failed save changes nothing. True when saved.
    bool SaveAndStartNew(fw::View* keep, bool clearModel, long hint = 0);

    int GetKeyFieldsFlag() const { return keyFields_; }
    int GetDocumentState() const { return state_; }
    void SetDocumentState(int state) { state_ = state; }
    bool IsSaveAllowed() const { return saveAllowed_ != 0; }
    void SetSaveAllowed(bool allowed) { saveAllowed_ = allowed ? 1 : 0; }

private:
    int keyFields_ = 1;
    int state_ = stateStored;
    int saveAllowed_ = 1;
    fw::Poster* poster_ = nullptr;
    // Lets a posted command find out whether the document still exists.
    std::shared_ptr<CSmartDoc*> self_;
};
