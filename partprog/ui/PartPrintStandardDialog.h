#pragma once
// "Part(s) Printout": which parts of the standard part printout to print. Works on the
// application's print options record, which the caller hands in with details available set.

#include "fw/qt/CheckBoxDialog.h"
#include "partprog/PartPrintOptions.h"

class CPartPrintStandardDialog : public fw::CheckBoxDialog {
public:
    static constexpr int IDD = 221;
    enum Box { coverPage, partInformation, refPlanes, holes, detailsImperial, detailsMetric, boxCount };

    explicit CPartPrintStandardDialog(PartPrintOptions& options, QWidget* parent = nullptr);

    QCheckBox* GetBox(Box box) const { return CheckBox(box); }

    // Every option from its box.
    void accept() override;
    // Exit and Cancel Print: cancelled, the first four options off.
    void reject() override;

private:
    // Cover page and part information on, not cancelled; C and D offered (and C to F checked)
    // only when details are available.
    void InitDialog() override;
    int* Option(Box box);

    PartPrintOptions& options_;
};
