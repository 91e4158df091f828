#pragma once
// A view that edits a tool document's data in a form.

class ToolForm {
public:
    virtual ~ToolForm() = default;
    // Validates the whole form and, when it is valid, copies it into the document.
    virtual bool CopyFormToDocument() = 0;
};
