#pragma once
// An editable text that stands for a value, with a caret into the text. The base does nothing
// with its text; CDimension gives it meaning.

#include "fw/core/Object.h"

#include <string>

class CVariable : public fw::Object {
    FW_DECLARE_DYNAMIC(CVariable)
public:
    CVariable() = default;
    explicit CVariable(double* boundValue) : boundValue_(boundValue) {}

    // Stores and interprets a text; returns the text's length (the base stores nothing, 0).
    virtual int SetText(const std::string& text);
    virtual void AcceptText(std::string text);
    // Moves a caret one character within the text; CursorRight returns the text length,
    // CursorLeft the new caret.
    virtual int CursorRight(int& cursor);
    virtual int CursorLeft(int& cursor);
    // Rebuilds the text from the value.
    virtual void UpdateFromValue();
    // The value as text in its own form.
    virtual std::string GetText() const;

    int GetCursor() const { return cursor_; }
    // The value that the text stands for.
    const double* GetBoundValue() const { return boundValue_; }

protected:
    std::string text_;
    int cursor_ = 0;
    double* boundValue_ = nullptr;
};
