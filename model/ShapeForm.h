#pragma once
// A view that edits a shape document's data in a form.

class ShapeForm {
public:
    virtual ~ShapeForm() = default;
    // Validates the whole form and, when it is valid, copies it into the document.
    virtual bool CopyFormToDocument() = 0;
};
