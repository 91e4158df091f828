#pragma once
// The line edit the program's forms and dialogs bind their text fields to. A selection request
// whose end is -1 selects to the end of the text.

#include <QLineEdit>

class CEditFix : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // Selects from start up to end (exclusive); an end of -1 or past the text selects to its end.
    void SetSel(int start, int end);
};
