#pragma once
// The common base of the program's documents (part, mult, shape, tool, machine). It adds the
// key-fields rule: the fields that name a document's file are editable on a new document and
// locked on one that stands for a file, and a document started from an old one by Save/New may
// not be saved until a key field has changed, so that it can't overwrite the file it came from.

#include "fw/core/Document.h"
#include "model/CommandIds.h"
#include "model/LoadProblems.h"
#include "records/ShapeRecord.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace fw {
class Poster;
}


class CSmartDoc : public fw::Document {
    FW_DECLARE_DYNAMIC(CSmartDoc)
public:
    enum State { stateNew = 1, stateStored = 2 };

    // What changed, as the document tells its views (NotifyViews).
    struct DocChange : fw::Change {
        enum class Kind {
            keyFields,     // the key fields opened or locked (KeyFieldsOpen)
            saveAllowed,   // saving became allowed or refused (IsSaveAllowed)
            startedNew,    // Save/New kept the header as the start of a new document
            shape,         // a shape lookup found the shape or not
            machine,       // a machine was chosen
            shapeKept,     // a record named a shape that could not be built: the shape stays
        };
        explicit DocChange(Kind k) : kind(k) {}
        // Only a document started anew is shown again by views that don't know the change.
        bool ShowsEverything() const override { return kind == Kind::startedNew; }
        Kind kind;
    };

    // The message shown when a save would put a Save/New document on top of its old file.
    static constexpr unsigned IDS_SAVE_ON_TOP_OF_OLD = 208;
    // Asked when a window with edits closes while another window shows the document.
    static constexpr const char* kUpdateQuestion = "Update the Document with these values?";

    CSmartDoc();
    ~CSmartDoc() override;

    // Empties the document's model (the part's patterns, the mult's parts).
    virtual void ClearModel() {}
    // Open or lock the key fields; the views are told (DocChange::keyFields).
    virtual void EnableKeyFields() { SetKeyFieldsOpen(true); }
    virtual void DisableKeyFields() { SetKeyFieldsOpen(false); }
    // Makes one view per face; the number made.
    virtual int CreateFaceViews() { return 0; }
    // The document's own save; by default File Save.
    virtual bool SaveDocument() { return DoFileSave(); }

    // Resolves what the bytes just read name in other files (shapes, tools, machines); what could
    // not be resolved is returned, never shown. Runs after every successful read of a file.
    virtual LoadProblems ResolveReferences() { return {}; }
    // What the last read of a file could not resolve; a caller with a window reports them.
    const LoadProblems& GetLoadProblems() const { return loadProblems_; }
    LoadProblems TakeLoadProblems() { return std::exchange(loadProblems_, {}); }

    // On success the document is new: its key fields are editable.
    bool OnNewDocument() override;
    // The path is the document's own while it loads. A failed open leaves the previous path
    // and adds nothing to the recent-file list. What the file names and could not be resolved
    // is kept (GetLoadProblems) for the caller that shows the document.
    bool OnOpenDocument(const std::string& path) override;
    // Refused (nothing written) while saving is not allowed, with message 208 when no key field
    // changed since Save/New, else with what the document lacks (WhatSaveLacks); otherwise makes the
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

    // The outcome of reading a file, with the error of a file that could not be opened or read.
    struct ReadOutcome {
        enum Status { read, unopened, unreadable } status = read;
        std::exception_ptr error;
    };
    // Reads a file into the document without taking its path or a window, and reports nothing:
    // its bytes (at most maxFileSize), then the archive, then ResolveReferences. A file that
    // can't be opened changes nothing; one that can't be read leaves the document empty. When
    // read whole the document is unmodified.
    ReadOutcome ReadFile(const std::string& path);
    // ReadFile, reporting a file that can't be opened (after an exclamation beep) when
    // reportUnopened and one that can't be read when reportUnreadable. True when read whole.
    bool ReadDocumentFile(const std::string& path, bool reportUnopened, bool reportUnreadable);

    // The end of Save/New once the forms are in the document: saves (as modified, so the save
    // always writes), then keeps the header as the start of a new document: the model emptied
    // when asked, every view but keep closed, the key fields open, saving refused until a key
    // field changes, the views told (DocChange::startedNew). A failed save changes nothing. True
    // when saved.
    bool SaveAndStartNew(fw::View* keep, bool clearModel);

    // Closing a window of a modified document while another window shows it asks, for each view
    // in it that holds edits, "Update the Document with these values?": Yes has the view commit
    // them (a view that refuses them keeps its window open, so nothing typed is lost), No goes
    // on, Cancel keeps the window open. The last window asks to save.
    bool CanCloseFrame(std::span<fw::View* const> frameViews, int windowNumber) override;

    bool GetKeyFieldsFlag() const { return keyFields_; }
    int GetDocumentState() const { return state_; }
    // A stored document counts as having its key fields changed; a new one starts without.
    void SetDocumentState(int state);
    bool IsSaveAllowed() const { return saveAllowed_; }
    // Sets the flag; the views are told when it changes (DocChange::saveAllowed).
    void SetSaveAllowed(bool allowed);

    // The save rule of a document edited in a window: saving is allowed once a key field was
    // edited since the document became new (always for a stored one) and the document has what
    // a save needs (HasWhatSaveNeeds). A form applies it as it first shows the document and the
    // document again whenever one of its inputs changes; windowless documents are saved as their
    // callers say.
    void ApplySaveRule();
    // A field that names the document's file was edited: the document is modified, its key
    // fields count as changed, and the save rule decides again.
    void KeyFieldEdited();
    bool KeyFieldsChanged() const { return keyFieldsChanged_; }

    // Where the last shape lookup left the document: none made yet, found or not found.
    enum class ShapeLookup { none, found, notFound };
    // Looks the designation type and size up in the shape directory; the record when found.
    // An empty type or size finds nothing. The views are told (DocChange::shape) and the save
    // rule decides again; the document's own shape is not changed. What the lookup could not read is
    // added to problems when given (the caller reports it), else dropped.
    std::optional<ShapeRecord> LookUpShape(const std::string& desctp, const std::string& desc,
                                           LoadProblems* problems = nullptr);
    ShapeLookup GetShapeLookup() const { return shapeLookup_; }

    // The document takes name as its title and as its file name (SetFileName).
    void Rename(const std::string& name);

protected:
    // Besides a changed key field, what the document needs before it may be saved (a found
    // shape, a chosen machine); nothing by default.
    virtual bool HasWhatSaveNeeds() const { return true; }
    // Why a save is refused when the key fields are not the cause: what HasWhatSaveNeeds lacks.
    virtual std::string WhatSaveLacks() const { return {}; }
    void SetKeyFieldsOpen(bool open);
    // Tells every view but the sender of a change.
    void Notify(DocChange::Kind kind, fw::View* sender = nullptr) { NotifyViews(sender, DocChange(kind)); }

private:
    bool keyFields_ = true;
    int state_ = stateStored;
    bool saveAllowed_ = true;
    bool keyFieldsChanged_ = true;
    ShapeLookup shapeLookup_ = ShapeLookup::none;
    fw::Poster* poster_ = nullptr;
    LoadProblems loadProblems_;
    // Lets a posted command find out whether the document still exists.
    std::shared_ptr<CSmartDoc*> self_;
};
