#pragma once
// "Automult Setup": where automatic multing takes its parts from (this mult's job or group, the
// parts or groups selected in the navigator) and the kind of multing (kept, not used).

#include <QDialog>

class QButtonGroup;

class CAutomultSetupDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 227;
    enum : int {
        IDC_CLASSIC = 1193, IDC_THOROUGH = 1194, IDC_SOURCE_JOB = 1195, IDC_SOURCE_GROUP = 1196,
        IDC_SOURCE_PARTS = 1199, IDC_SOURCE_GROUPS = 1200,
    };

    explicit CAutomultSetupDlg(QWidget* parent = nullptr);

    // 0 this mult's job, 1 its group, 2 the selected parts, 3 the selected groups.
    int GetPartSource() const { return partSource_; }
    void SetPartSource(int source);
    // 0 classic, 1 thorough.
    int GetAutomultType() const { return automultType_; }

    // Takes the checked buttons.
    void accept() override;

private:
    // Checks the buttons of the values.
    void ShowValues();

    int partSource_ = 0;
    int automultType_ = 0;
    QButtonGroup* sources_;
    QButtonGroup* types_;
};
