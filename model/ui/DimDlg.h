#pragma once
// "Dimension Input": asks for one length with a dimension-entry control, shown in the
// measuring system it is given; the face views use it.

#include "model/ui/Lenbox.h"

#include <QDialog>

#include <string>

class CDimDlg : public QDialog {
public:
    static constexpr int IDD = 151;
    static constexpr int IDC_DIMENSION = 1088;

    explicit CDimDlg(QWidget* parent = nullptr);

    double GetLength() const { return length_; }
    void SetLength(double inches) { length_ = inches; }
    int GetMeasuringSystem() const { return measuringSystem_; }
    void SetMeasuringSystem(int system) { measuringSystem_ = system; }
    // A caption in place of "Dimension Input"; empty keeps it.
    void SetTitle(const std::string& title) { title_ = title; }

    CLenbox& GetLenbox() { return lenbox_; }

    // The control shows the length in the measuring system; OK reads the length back.
    void open() override;
    int exec() override;
    void accept() override;

private:
    void InitDialog();

    double length_ = 0.0;
    int measuringSystem_ = 0;
    std::string title_;
    CLenbox lenbox_;
};
