#pragma once
// A question with Yes, Yes to All, No, No to All and "Cancel the mult"; the dialog's result is the
// button's answer.

#include <QDialog>

#include <string>

class QPushButton;

class CYesNoAllDlg : public QDialog {
public:
    static constexpr int IDYES = 6;
    static constexpr int IDNO = 7;
    static constexpr int IDYESTOALL = 1204;
    static constexpr int IDNOTOALL = 1206;
    static constexpr int IDCANCEL = 2;

    explicit CYesNoAllDlg(const std::string& message, QWidget* parent = nullptr);

    // The button of an answer, or null.
    QPushButton* Button(int answer) const;
    // Escape and the window's close button answer "Cancel the mult".
    void reject() override { done(IDCANCEL); }
};
