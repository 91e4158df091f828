#pragma once
// The problem dialog: lists the parts longer than the usable stock and the parts needing more
// tools in a zone than the machine has there. Closes with 1 (Start: leave them out), 2 (Cancel
// Multing, also Escape) or 208 (Mult: keep them).

#include "automult/AutoMultUi.h"

#include <QDialog>
#include <vector>

class QTreeWidget;

class CMultProblemDlg : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 103, IDC_MULT = 208, IDC_TOO_LONG = 209, IDC_TOO_MANY_TOOLS = 210 };

    CMultProblemDlg(const std::vector<AMPartRow>& tooLong, const std::vector<AMPartRow>& tooManyTools,
                    QWidget* parent = nullptr);

public slots:
    void reject() override { done(2); }

private:
    QTreeWidget* AddList(int id, const std::vector<AMPartRow>& rows);
};
