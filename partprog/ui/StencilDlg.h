#pragma once
// "Edit Stencil": one stencil mark's X and U positions (inches, shown in the dialog's measuring
// system) and its text of at most 26 characters. The caller sets the values before it runs the
// dialog and reads them back after OK.

#include "model/ui/Lenbox.h"

#include <QDialog>

#include <string>

class QLineEdit;

class CStencilDlg : public QDialog {
public:
    static constexpr int IDD = 213;
    static constexpr int IDC_X_POSITION = 1040;
    static constexpr int IDC_U_POSITION = 1041;
    static constexpr int IDC_TEXT = 1174;
    static constexpr int kMaxTextLength = 26;

    explicit CStencilDlg(QWidget* parent = nullptr);

    const std::string& GetText() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    double GetX() const { return x_; }
    void SetX(double inches) { x_ = inches; }
    double GetU() const { return u_; }
    void SetU(double inches) { u_ = inches; }
    // The DimensionType of the position controls: 0 imperial, 1 decimal inch, 2 metric.
    int GetMeasuringSystem() const { return measuringSystem_; }
    void SetMeasuringSystem(int system) { measuringSystem_ = system; }

    CLenbox& GetXLenbox() { return xLenbox_; }
    CLenbox& GetULenbox() { return uLenbox_; }
    QLineEdit& TextEdit() const { return *textEdit_; }

    // The controls show the values.
    void open() override;
    int exec() override;
    // The values from the controls.
    void accept() override;

private:
    void InitDialog();

    std::string text_;
    double x_ = 0.0;
    double u_ = 0.0;
    int measuringSystem_ = 0;
    CLenbox xLenbox_;
    CLenbox uLenbox_;
    QLineEdit* textEdit_;
};
