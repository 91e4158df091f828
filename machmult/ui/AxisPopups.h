#pragma once
// The two pop-ups that edit the motion data of a unit's positioning axis: "Valve Information"
// (five values and the in-position time) and "Servo Information" (six values). Each starts with
// every value 0, is given its values by the caller, and hands them back only when closed with OK.

#include "model/ui/FormBinder.h"
#include "model/MachineUnit.h"

#include <QDialog>

namespace machui {

class CAxisPopupDlg : public QDialog {
    Q_OBJECT
public:
    void SetBlock(const ExtendedBlock& block);
    const ExtendedBlock& GetBlock() const { return block_; }

    // OK: reads the fields; the pop-up stays open when one is out of range.
    void accept() override;

protected:
    explicit CAxisPopupDlg(QWidget* parent);
    // Lays out the fields and OK and Cancel.
    void Finish(QFormLayout* fields);

    FormBinder binder_;
    ExtendedBlock block_;
};

// Dialog 189: values 1-5 as lengths, the in-position time a whole number 0 to 100000.
class CValvePopupDlg : public CAxisPopupDlg {
    Q_OBJECT
public:
    explicit CValvePopupDlg(QWidget* parent = nullptr);
};

// Dialog 188: resistances as plain numbers, then accelerations and velocities as lengths.
class CServoPopupDlg : public CAxisPopupDlg {
    Q_OBJECT
public:
    explicit CServoPopupDlg(QWidget* parent = nullptr);
};

// Opens the pop-up of an axis type (valve, or any other: servo) over a block; true, with the
// block changed, when it was closed with OK.
bool EditAxis(QWidget* parent, ExtendedBlock& block, std::uint32_t type);

} // namespace machui
