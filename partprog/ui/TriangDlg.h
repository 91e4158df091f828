#pragma once
// "Triangulate distance": a distance and whether it is measured along X or along U; the pattern
// view's Triangulate turns it into the distance along the reference plane.

#include "model/ui/Lenbox.h"

#include <QDialog>

class RadioGroup;

class CTriangDlg : public QDialog {
public:
    static constexpr int IDD = 152;
    static constexpr int IDC_DISTANCE = 1083;
    static constexpr int IDC_ABSOLUTE_X = 1084;
    static constexpr int IDC_ABSOLUTE_U = 1085;

    enum Choice { absoluteX, absoluteU };

    explicit CTriangDlg(QWidget* parent = nullptr);

    // The radio index: 0 absolute X, 1 absolute U, -1 (at first) neither.
    int GetChoice() const { return choice_; }
    void SetChoice(int choice) { choice_ = choice; }
    // Inches.
    double GetDistance() const { return distance_; }
    void SetDistance(double inches) { distance_ = inches; }

    CLenbox& GetLenbox() { return lenbox_; }
    RadioGroup& GetChoiceGroup() const { return *choices_; }

    void open() override;
    int exec() override;
    // The choice and the distance from the controls.
    void accept() override;

private:
    void InitDialog();

    int choice_ = -1;
    double distance_ = 0.0;
    CLenbox lenbox_;
    RadioGroup* choices_;
};
