#pragma once
// The "Windows" page of the options: for seven kinds of document window, whether it reopens where
// it was closed.

#include "shell/OptionSettings.h"

#include <QWidget>

#include <array>

class QCheckBox;

namespace fw {
class Profile;
}

class CWindowsPP : public QWidget {
public:
    explicit CWindowsPP(fw::Profile& profile, QWidget* parent = nullptr);

    bool IsModified() const { return modified_; }
    // The check box of a control id (1217-1223), or null.
    QCheckBox* CheckBox(int id) const;
    // Writes the seven flags.
    void OnOK();

private:
    fw::Profile& profile_;
    std::array<QCheckBox*, 7> boxes_{};
    bool modified_ = false;
};
