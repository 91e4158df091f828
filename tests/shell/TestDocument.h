#pragma once
// A small document with one text and a line-edit view of it, to drive templates and frames.

#include "fw/core/Archive.h"
#include "fw/core/Document.h"
#include "fw/qt/QtText.h"

#include <QLineEdit>

namespace test {

class TextDoc : public fw::Document {
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

// Edits the document's text; typing marks it modified.
class TextView : public QLineEdit, public fw::View {
public:
    explicit TextView(fw::Document& document)
    {
        document.AddView(this);
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
};

} // namespace test
