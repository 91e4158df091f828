#pragma once
// A view that edits a machine document in a form: the document asks it to write the form back
// before saving and to open the spec dialog of the machine's kind.

class CMachineSpecData;

class MachineForm {
public:
    virtual ~MachineForm() = default;
    // Validates the form and, when it is valid, hands it to the document (SetMachineData);
    // false, with the document unchanged, when it is not.
    virtual bool UpdateDocument() = 0;
    // Edits the spec data in the spec dialog of its kind (modal); it changes the data only on OK.
    virtual void EditSpecifics(CMachineSpecData& spec) = 0;
};
