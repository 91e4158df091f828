#pragma once
// Help > About: "About Varnex". Four texts name keys of the program's version block and show
// their values; a key without a value shows as it stands.

#include "shell/VersionBlock.h"

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
public:
    // block: the version block to read, none for a program without one.
    explicit CAboutDlg(QWidget* parent = nullptr, const VersionBlock* block = &ProgramVersionBlock());

    // The text of control 1227-1230, or null.
    QLabel* Text(int id) const;
};
