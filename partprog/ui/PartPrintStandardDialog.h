#pragma once
// "Part(s) Printout": which parts of the standard part printout to print. Works on the
// application's print options record, which the caller hands in with details available set.

#include "partprog/PartPrintOptions.h"

#include <QDialog>

#include <array>

class QCheckBox;

class CPartPrintStandardDialog : public QDialog {
public:
    static constexpr int IDD = 221;
    enum Box { coverPage, partInformation, refPlanes, holes, detailsImperial, detailsMetric, boxCount };

    explicit CPartPrintStandardDialog(PartPrintOptions& options, QWidget* parent = nullptr);

    QCheckBox* GetBox(Box box) const { return boxes_[box]; }

    // Cover page and part information on, not cancelled; C and D offered (and C to F checked)
    // only when details are available.
    void open() override;
    int exec() override;
    // Every option from its box.
    void accept() override;
    // Exit and Cancel Print: cancelled, the first four options off.
    void reject() override;

private:
    void InitDialog();
    int* Option(Box box);

    PartPrintOptions& options_;
    std::array<QCheckBox*, boxCount> boxes_{};
};
