#pragma once
// "Mult(s) Printout": which sections of the standard mult printout to print. Works on the
// application's print options record, which the caller hands in with attached parts printable set.

#include "fw/qt/CheckBoxDialog.h"
#include "machmult/MultPrintOptions.h"

class CMultPrintStandardDialog : public fw::CheckBoxDialog {
public:
    static constexpr int IDD = 220;
    enum Box { multInformation, attachedParts, coverPage, boxCount };

    explicit CMultPrintStandardDialog(MultPrintOptions& options, QWidget* parent = nullptr);

    QCheckBox* GetBox(Box box) const { return CheckBox(box); }

    // Every option from its box.
    void accept() override;
    // Exit and Cancel Print: cancelled, every option off.
    void reject() override;

private:
    // Every option off and not cancelled; cover page and information checked; the attached parts
    // offered and checked only when they can be printed.
    void InitDialog() override;
    // The attached parts are printed only together with each mult's information.
    void OnCoverPage(bool checked);
    void OnInformation(bool checked);
    void OnAttachedParts(bool checked);
    void SetOptions(int coverPage, int information, int parts);

    MultPrintOptions& options_;
};
