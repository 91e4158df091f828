#pragma once
// "Hand Mult Setup": where the parts offered for the mult come from (the part source of
// CMultDoc::GetPartSourceList).

#include <QDialog>

class QButtonGroup;

namespace machui {

class CHandMultSetupDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 229;
    enum : int { IDC_JOB = 1195, IDC_GROUP = 1196, IDC_SELECTED_PARTS = 1199, IDC_SELECTED_GROUPS = 1200 };

    explicit CHandMultSetupDlg(QWidget* parent = nullptr);

    // 0 the mult's job, 1 its group, 2 the selected parts, 3 the selected groups.
    int GetPartSource() const;
    void SetPartSource(int source);

private:
    QButtonGroup* sources_;
};

} // namespace machui
