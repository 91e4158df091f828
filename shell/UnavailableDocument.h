#pragma once
// The document of a template whose document kind this build does not have yet: opening or making
// one tells the user plainly and fails, so the template stands without crashing anything.

#include "fw/core/Document.h"

#include <string>

class UnavailableDocument : public fw::Document {
public:
    // docName: the template's document name ("Mult").
    explicit UnavailableDocument(std::string docName) : docName_(std::move(docName)) {}

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;

    // "Mult documents cannot be opened yet."
    static std::string Text(const std::string& docName);

private:
    std::string docName_;
};
