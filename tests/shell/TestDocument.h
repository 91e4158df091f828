#pragma once
// A small document of the program's document base with one text, and a line-edit view of it, to
// drive templates and frames.

#include "fw/core/Archive.h"
#include "fw/qt/QtText.h"
#include "model/SmartDoc.h"

#include <QLineEdit>

namespace test {

class TextDoc : public CSmartDoc {
public:
    std::string text;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
    void DeleteContents() override { text.clear(); }
};

// Edits the document's text; typing marks it modified. Its frame attaches it to the document.
class TextView : public QLineEdit, public fw::View {
public:
    TextView()
    {
        connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
            auto* doc = static_cast<TextDoc*>(GetDocument());
            doc->text = fw::FromQString(t);
            doc->SetModifiedFlag();
        });
    }
    void OnUpdate(fw::View*, long, fw::Object*) override
    {
        setText(fw::ToQString(static_cast<TextDoc*>(GetDocument())->text));
    }
    // Leaves the document and closes the window it lies in.
    void CloseFrame() override
    {
        if (GetDocument())
            GetDocument()->RemoveView(this);
        parentWidget()->close();
    }
};

} // namespace test
