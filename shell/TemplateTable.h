#pragma once
// The program's eleven document templates, in registration order. Opening a file by name goes to
// the first template whose extension matches, so ".mlt" opens in the mult view (not the hand-mult
// view), ".prt" in the part view and ".pat" in the pattern view.

#include <span>
#include <string>
#include <string_view>

enum class TemplateId {
    part, partProgramming, faceView, tabView, mult, handMult, multPartList, shape, tool, machine, report
};

struct TemplateInfo {
    TemplateId id;
    unsigned stringId;       // its document string, menu and icon
    const char* document;    // class names of its document, frame and view
    const char* frame;
    const char* view;
    bool server;             // also an automation server
};

// Fields of a document string, in order.
enum class DocStringField { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

std::span<const TemplateInfo> VarnexTemplates();
const TemplateInfo& TemplateOf(TemplateId id);

// The template's document string from the string table, and one of its fields ("" when missing).
std::string TemplateDocString(const TemplateInfo& info);
std::string DocStringPart(std::string_view docString, DocStringField field);

// The first template whose extension is the path's (ignoring case), or nullptr.
const TemplateInfo* FindTemplateForPath(std::string_view path);
