#pragma once
// A view that edits a part document's header in a form: the document has it give its fields
// before saving and before the part programming window opens, and has it open or lock its shape
// fields with the document's key fields.

class PartForm {
public:
    virtual ~PartForm() = default;
    // Takes the whole form and gives it to the document (CPartDoc::SetPartRecord); false, after
    // telling the user and with the document unchanged, when a field is not valid.
    virtual bool ApplyToDocument() = 0;
    // Enables or disables the shape designation and size fields.
    virtual void EnableShapeFields(bool enable) = 0;
};
