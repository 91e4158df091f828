#pragma once
// A view that edits a mult document in a form (the mult view): the document asks it to hand its
// fields over before a save and to lock or open the fields that name the mult's file.

class MultForm {
public:
    virtual ~MultForm() = default;
    // Validates the fields and, when they are valid, hands them to the document (SetMultData);
    // false, with the document unchanged, when they are not.
    virtual bool UpdateDocument() = 0;
    // Opens (true) or locks (false) the key fields: job, group, mark, sequence, shape, grade,
    // machine and measuring system.
    virtual void EnableKeyFields(bool enable) = 0;
};
