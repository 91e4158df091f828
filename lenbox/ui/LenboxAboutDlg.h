#pragma once
// The control's about box.

#include <QDialog>

namespace lenbox {

class CLenboxAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CLenboxAboutDlg(QWidget* parent = nullptr);
};

} // namespace lenbox
