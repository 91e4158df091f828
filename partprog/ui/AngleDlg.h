#pragma once
// "Anglular Input": a whole-degree angle from -359 to 359 and its direction; the face view's
// Rotate (Degrees) asks with it.

#include <QDialog>

#include <string>

class QSpinBox;
class RadioGroup;

class CAngleDlg : public QDialog {
public:
    static constexpr int IDD = 150;
    static constexpr int IDC_ANGLE = 1075;
    static constexpr int IDC_CLOCKWISE = 1076;
    static constexpr int IDC_COUNTER_CLOCKWISE = 1077;
    static constexpr int kMinAngle = -359;
    static constexpr int kMaxAngle = 359;

    enum Direction { clockwise, counterClockwise };

    explicit CAngleDlg(QWidget* parent = nullptr);

    int GetAngle() const { return angle_; }
    void SetAngle(int degrees) { angle_ = degrees; }
    // The radio index: 0 clockwise, 1 counter clockwise, -1 none.
    int GetDirection() const { return direction_; }
    void SetDirection(int direction) { direction_ = direction; }
    // A caption in place of "Anglular Input"; empty keeps it.
    void SetTitle(const std::string& title) { title_ = title; }

    // The angle field with its up and down arrows; they step within -359 to 359.
    QSpinBox& GetAngleBox() const { return *angleBox_; }
    RadioGroup& GetDirectionGroup() const { return *directions_; }

    void open() override;
    int exec() override;
    // Refused with a message, the dialog staying open, unless the angle is -359 to 359.
    void accept() override;

private:
    void InitDialog();

    int direction_ = clockwise;
    int angle_ = 0;
    std::string title_;
    QSpinBox* angleBox_;
    RadioGroup* directions_;
};
