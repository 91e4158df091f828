#pragma once
// The stock information of one automatic-multing stock choice: its machine (chosen from the
// machine files of the machine directory), stock length and kerf. Opens at the screen position
// it is given, or where the system puts it when that is (0, 0).

#include "model/ui/Lenbox.h"

#include <QDialog>

#include <string>

class QComboBox;

class CAMultStockInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 198;
    enum : int { IDC_MACHINE = 1011, IDC_LENGTH = 1089, IDC_KERF = 1006 };
    static constexpr int kMaxMachineName = 15;

    struct Values {
        std::string machine;
        double length = 0.0;   // inches
        double kerf = 0.0;
        int lengthUnits = 0;   // measuring systems of the two entries
        int kerfUnits = 0;
    };

    CAMultStockInfoDlg(QWidget* parent, int x, int y);

    // Shows the values: the entries in their measuring systems, the machine files listed and the
    // machine selected when there is one.
    void SetValues(const Values& values);
    // The values as entered (after OK).
    const Values& GetValues() const { return values_; }

    QComboBox& GetMachineList() const { return *machines_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillMachineList();

    Values values_;
    int x_;
    int y_;
    QComboBox* machines_;
    CLenbox length_;
    CLenbox kerf_;
};
