#pragma once
// "Pick a Drive": the target drive of a copy, from the mapped drives that can be written (CD-ROM
// drives are left out); the first is chosen at the start.

#include "navigator/NavProperties.h"

#include <QDialog>

#include <string>

class QComboBox;

class CPickDriveDlg : public QDialog {
public:
    explicit CPickDriveDlg(const nav::DriveTypeOf& driveType, QWidget* parent = nullptr);
    // The chosen drive root ("C:\"); empty when no drive is listed.
    std::string Drive() const;
    QComboBox& Drives() { return *drives_; }

    // The roots the list shows, in drive order.
    static std::vector<std::string> DriveRoots(const nav::DriveTypeOf& driveType);

private:
    QComboBox* drives_;
};
