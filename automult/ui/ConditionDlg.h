#pragma once
// The condition dialog: shows the machine drop and asks for the drop at which a mult is accepted
// at once. Start closes it with 1, Cancel Multing (and Escape) with 2.

#include <QDialog>

class QLineEdit;

class CConditionDlg : public QDialog {
    Q_OBJECT
public:
    enum { IDD = 104, IDC_MACHINE_DROP = 212, IDC_ALLOWABLE_DROP = 213 };
    static constexpr int kMaxTyped = 24;

    CConditionDlg(const QString& machineDrop, const QString& allowableDrop, QWidget* parent = nullptr);

    QString AllowableDropText() const;

public slots:
    void reject() override { done(2); }

private:
    QLineEdit* allowable_;
};
